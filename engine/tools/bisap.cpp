// BISAP severity score of acute pancreatitis, within 24 h of admission.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("urea", L"尿素", L"mmol/L", 5, 0.5, 100),
    Choice("mental", L"精神状态异常", L"分", 0, kNoYesChoices),
    Choice("sirs", L"全身炎症反应综合征", L"分", 0, kNoYesChoices),
    Measured("age", L"年龄", L"岁", 45, 18, 120),
    Choice("effusion", L"胸腔积液", L"分", 0, kNoYesChoices),
};

// BUN 25 mg/dL is urea 8.9 mmol/L.
const OutputField kOutputs[] = {
    {"p_bun", L"尿素得分（>8.9 mmol/L）", L"分", "urea > 8.9 ? 1 : 0", "int"},
    {"score", L"BISAP评分", L"分", "p_bun + mental + sirs + (age > 60 ? 1 : 0) + effusion", "int"},
};

const VerdictRule kRules[] = {
    {"urea <= 0", LevelWarning, L"请填写大于0的尿素值"},
    {"score >= 3", LevelDanger, L"≥3分：高危，易发器官衰竭，病死率>15%",
     L"密切监测生命体征、尿量和SpO2；遵医嘱早期液体复苏；请ICU会诊。"},
    {"score == 2", LevelNotice, L"2分：中危，密切观察有无器官衰竭"},
    {"1", LevelNormal, L"0-1分：低危，病死率<2%"},
};

}  // namespace

extern const ToolDef kBisapTool = {
    .id = 459,
    .title = L"BISAP评分（急性胰腺炎）",
    .subtitle = L"急性胰腺炎早期严重度评估",
    .category = L"消化",
    .basis = L"尿素>8.9 mmol/L（BUN>25 mg/dL）、精神状态异常、SIRS、年龄>60岁、胸腔积液各1分，0-5分；3-5分病死率较高（>15%），0-2分较低（<2%）（Wu 2008）",
    .note = L"入院24小时内评分。精神状态异常：GCS<15或定向障碍、嗜睡。SIRS为满足≥2项：体温<36或>38 ℃；呼吸>20次/分或PaCO2<32 mmHg；心率>90次/分；白细胞<4或>12×10^9/L或杆状核>10%。胸腔积液以影像学为准。亦有研究以≥2分为重症最佳界值，本工具2分作提示。重症急性胰腺炎按修订版亚特兰大标准（持续器官衰竭>48 h）诊断，不由评分决定。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
