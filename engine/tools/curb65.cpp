// CURB-65 severity of community-acquired pneumonia; urea in mmol/L as printed.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Choice("conf", L"新发意识障碍", nullptr, 0, kNoYesChoices),
    Measured("urea", L"尿素", L"mmol/L", 5, 0.5, 100),
    Measured("rr", L"呼吸频率", L"次/分", 18, 2, 80),
    Measured("sbp", L"收缩压", L"mmHg", 120, 30, 300),
    Measured("dbp", L"舒张压", L"mmHg", 75, 10, 200),
    Measured("age", L"年龄", L"岁", 60, 18, 120),
};

const OutputField kOutputs[] = {
    {"score", L"CURB-65评分", L"分",
     "conf + (urea > 7 ? 1 : 0) + (rr >= 30 ? 1 : 0) + ((sbp < 90 || dbp <= 60) ? 1 : 0) + (age >= 65 ? 1 : 0)",
     "int"},
};

const VerdictRule kRules[] = {
    {"urea <= 0 || rr <= 0 || sbp <= 0 || dbp <= 0 || dbp >= sbp || age < 0", LevelWarning,
     L"请核对：各值应>0，舒张压低于收缩压"},
    {"score >= 3", LevelDanger, L"CURB-65≥3：重症肺炎，住院评估ICU", L"收住院；按重症肺炎标准评估是否需入住ICU。"},
    {"score == 2", LevelWarning, L"CURB-65 2分：中度，考虑住院治疗", L"住院治疗，或在严格随访下院外治疗。"},
    {"1", LevelNormal, L"CURB-65 0-1：低危，可居家治疗", L"原则上门诊治疗；症状加重时及时复诊。"},
};

}  // namespace

extern const ToolDef kCurb65Tool = {
    .id = 431,
    .title = L"CURB-65评分",
    .subtitle = L"社区获得性肺炎严重程度",
    .category = L"重症评分",
    .basis = L"意识障碍 + 尿素>7mmol/L + 呼吸≥30次/分 + 收缩压<90或舒张压≤60mmHg + 年龄≥65岁，各1分，0-5分（BTS，Lim 2003）",
    .note = L"意识障碍指新出现的意识模糊或定向障碍（AMT≤8分）。尿素按化验单mmol/L填写，无需换算。≥3分为重症，4-5分尤应评估入ICU。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
