// HEART score for chest pain in the emergency department; each element is
// chosen as its points, age is scored from the years.
#include "engine/tool_def.h"

namespace {

const InputChoice kHistory[] = {{0, L"轻度可疑"}, {1, L"中度可疑"}, {2, L"高度可疑"}};
const InputChoice kEcg[] = {{0, L"正常"}, {1, L"非特异性复极异常"}, {2, L"明显ST段压低"}};
const InputChoice kRisk[] = {{0, L"无"}, {1, L"1~2个危险因素"}, {2, L"≥3个或动脉粥样硬化"}};
const InputChoice kTroponin[] = {{0, L"≤正常上限"}, {1, L"正常上限1~3倍"}, {2, L">正常上限3倍"}};

const InputField kInputs[] = {
    Choice("hist", L"病史", L"分", 0, kHistory),
    Choice("ecg", L"心电图", L"分", 0, kEcg),
    Measured("age", L"年龄", L"岁", 40, 18, 120),
    Choice("risk", L"危险因素", L"分", 0, kRisk),
    Choice("trop", L"初始肌钙蛋白", L"分", 0, kTroponin),
};

const OutputField kOutputs[] = {
    {"p_age", L"年龄得分", L"分", "age >= 65 ? 2 : (age >= 45 ? 1 : 0)", "int"},
    {"score", L"HEART评分", L"分", "hist + ecg + p_age + risk + trop", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 7", LevelDanger, L"7-10分：高危，MACE约50%，早期介入"},
    {"score >= 4", LevelWarning, L"4-6分：中危，收住院并连续复查肌钙蛋白"},
    {"1", LevelNormal, L"0-3分：低危，复查肌钙蛋白阴性可出院"},
};

}  // namespace

extern const ToolDef kHeartScoreTool = {
    .id = 460,
    .title = L"HEART评分（胸痛）",
    .subtitle = L"急诊胸痛主要不良心脏事件风险分层",
    .category = L"循环",
    .basis = L"病史、心电图、年龄（<45岁0分，45-64岁1分，≥65岁2分）、危险因素、肌钙蛋白各0-2分，0-10分；0-3分低危（MACE约1.7%），4-6分中危（约13%），7-10分高危（约50%）（Six/Backus HEART评分）",
    .note = L"危险因素：高血压、高胆固醇血症、糖尿病、肥胖（BMI>30）、吸烟、心血管病家族史；已知动脉粥样硬化病（心梗、血运重建、卒中、外周动脉病）计2分。肌钙蛋白与本院检验正常上限比较。MACE：主要不良心脏事件。不用于ST段抬高型心肌梗死（按STEMI流程）及血流动力学不稳定者。使用高敏肌钙蛋白时亚洲队列另有分组（0-2/3-5/6-10分），本工具未采用。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
