// Quick SOFA (Sepsis-3) for a patient who may have an infection.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("rr", L"呼吸频率", L"次/分", 18, 2, 80),
    Measured("sbp", L"收缩压", L"mmHg", 120, 30, 300),
    Measured("gcs", L"GCS评分", L"分", 15, 3, 15),
};

const OutputField kOutputs[] = {
    {"score", L"qSOFA评分", L"分", "(rr >= 22 ? 1 : 0) + (sbp <= 100 ? 1 : 0) + (gcs < 15 ? 1 : 0)", "int"},
};

const VerdictRule kRules[] = {
    {"rr <= 0 || sbp <= 0 || gcs < 3 || gcs > 15 || gcs != floor(gcs)", LevelWarning,
     L"请核对：呼吸、血压>0，GCS取3-15整数"},
    {"score >= 2", LevelDanger, L"qSOFA≥2：感染者高危，查SOFA和乳酸",
     L"立即报告医生；用抗生素前查乳酸、留血培养；密切监测生命体征和尿量。"},
    {"score == 1", LevelNotice, L"qSOFA 1：密切监测（非脓毒症诊断）", L"复测生命体征和意识；出现第二项时通知医生。"},
    {"1", LevelNormal, L"qSOFA 0分：低风险，不能排除脓毒症"},
};

}  // namespace

extern const ToolDef kQSofaTool = {
    .id = 432,
    .title = L"快速序贯器官衰竭评分（qSOFA）",
    .subtitle = L"疑似感染者床旁快速评估",
    .category = L"重症评分",
    .basis = L"呼吸≥22次/分 + 收缩压≤100mmHg + 意识改变(GCS<15)，各1分，0-3分（Sepsis-3，Singer 2016）",
    .note = L"用于疑似感染的患者；意识改变以GCS<15计。≥2分提示预后不良风险高：评估完整SOFA、乳酸，启动脓毒症集束治疗。qSOFA只是提示，不是脓毒症诊断，不宜单独用于筛查。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
