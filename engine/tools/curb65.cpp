// CURB-65 severity of community-acquired pneumonia; urea in mmol/L as printed.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"conf", L"意识障碍（是1 否0）", nullptr, 0},
    {"urea", L"尿素", L"mmol/L", 5},
    {"rr", L"呼吸频率", L"次/分", 18},
    {"sbp", L"收缩压", L"mmHg", 120},
    {"dbp", L"舒张压", L"mmHg", 75},
    {"age", L"年龄", L"岁", 60},
};

const OutputField kOutputs[] = {
    {"score", L"CURB-65评分", L"分",
     "conf + (urea > 7 ? 1 : 0) + (rr >= 30 ? 1 : 0) + ((sbp < 90 || dbp <= 60) ? 1 : 0) + (age >= 65 ? 1 : 0)",
     "int"},
};

const VerdictRule kRules[] = {
    {"score >= 3", LevelDanger, L"CURB-65≥3：重症肺炎，住院评估ICU"},
    {"score == 2", LevelWarning, L"CURB-65 2分：中度，考虑住院治疗"},
    {"1", LevelNormal, L"CURB-65 0-1：低危，可居家治疗"},
};

}  // namespace

extern const ToolDef kCurb65Tool = {
    .id = 431,
    .title = L"CURB-65评分",
    .subtitle = L"社区获得性肺炎严重程度",
    .category = L"重症评分",
    .basis = L"意识障碍 + 尿素>7mmol/L + 呼吸≥30次/分 + 收缩压<90或舒张压≤60mmHg + 年龄≥65岁，各1分，0-5分（BTS，Lim 2003）",
    .note = L"意识障碍指新出现的意识模糊或定向障碍（AMT≤8分），是填1，否填0。尿素按化验单mmol/L填写，无需换算。≥3分为重症，4-5分尤应评估入ICU。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
