// IMPROVE bleeding risk of medical inpatients before VTE prophylaxis, with
// the Chinese count rule drawn from the same factors.
#include "engine/tool_def.h"

namespace {

const InputChoice kAge[] = {{0, L"<40岁"}, {1.5, L"40~84岁"}, {3.5, L"≥85岁"}};
const InputChoice kRenal[] = {{0, L"GFR≥60无肾功能不全"}, {1, L"GFR 30~59中度不全"}, {2.5, L"GFR<30严重不全"}};
const InputChoice kUlcer[] = {{0, L"无"}, {4.5, L"有"}};
const InputChoice kBleed[] = {{0, L"无"}, {4, L"有"}};
const InputChoice kPlatelets[] = {{0, L"无"}, {4, L"是"}};
const InputChoice kHepatic[] = {{0, L"无"}, {2.5, L"有"}};
const InputChoice kIcu[] = {{0, L"无"}, {2.5, L"是"}};
const InputChoice kCatheter[] = {{0, L"无"}, {2, L"有"}};
const InputChoice kRheumatic[] = {{0, L"无"}, {2, L"有"}};
const InputChoice kCancer[] = {{0, L"无"}, {2, L"有"}};

// Separate items, not one checklist: the Chinese rule counts the factors.
const InputField kInputs[] = {
    Choice("age", L"年龄", L"分", 1.5, kAge),
    Choice("male", L"性别", L"分", 0, kFemaleMaleChoices),
    Choice("renal", L"肾功能（GFR）", L"分", 0, kRenal),
    Choice("ulcer", L"活动性胃十二指肠溃疡", L"分", 0, kUlcer),
    Choice("bleed", L"入院前3个月内出血", L"分", 0, kBleed),
    Choice("plt", L"血小板<50", L"分", 0, kPlatelets),
    Choice("hepatic", L"肝功能不全INR>1.5", L"分", 0, kHepatic),
    Choice("icu", L"入住ICU/CCU", L"分", 0, kIcu),
    Choice("cvc", L"中心静脉置管", L"分", 0, kCatheter),
    Choice("rheum", L"风湿性疾病", L"分", 0, kRheumatic),
    Choice("cancer", L"现患恶性肿瘤", L"分", 0, kCancer),
};

const OutputField kOutputs[] = {
    {"score", L"IMPROVE出血评分", L"分",
     "age + male + renal + ulcer + bleed + plt + hepatic + icu + cvc + rheum + cancer", "f1"},
    {"mb14", L"14天大出血率（推导队列）", nullptr, "round(score*10)/10 >= 7 ? 4.1 : 0.4", "pct"},
    {"n_major", L"国内标准：主要因素", L"项", "(ulcer > 0) + (bleed > 0) + (plt > 0)", "int"},
    {"n_minor", L"国内标准：其他因素", L"项",
     "(age >= 3.5) + (hepatic > 0) + (renal >= 2.5) + (icu > 0) + (cvc > 0) + (cancer > 0) + (rheum > 0) + (male > 0)",
     "int"},
    {"cn_high", L"国内标准出血高危（1是 0否）", nullptr, "n_major >= 1 || n_minor >= 3 ? 1 : 0", "int"},
};

const VerdictRule kRules[] = {
    {"round(score*10)/10 >= 7", LevelWarning, L"IMPROVE≥7分：出血高危",
     L"首选机械预防（IPC/弹力袜）；每日复评出血风险，风险消除后改用药物预防。"},
    {"cn_high == 1", LevelWarning, L"IMPROVE<7但国内标准为出血高危",
     L"首选机械预防；结合VTE风险（Padua评分）权衡是否药物预防。"},
    {"1", LevelNormal, L"IMPROVE<7分：出血风险未增加", L"VTE高危（Padua≥4分）可药物预防；住院期间复评。"},
};

}  // namespace

extern const ToolDef kImproveBleedingTool = {
    .id = 470,
    .title = L"IMPROVE出血风险评分",
    .subtitle = L"内科住院患者VTE药物预防前的出血评估",
    .category = L"护理评估",
    .basis = L"IMPROVE评分 = 各项分值之和，≥7分出血风险增高（Decousus 2011）；国内2018《医院内静脉血栓栓塞症防治与管理建议》：溃疡、3个月内出血、血小板<50任一项，或其余8项中≥3项，为出血高危",
    .note = L"按入院时情况评估；血小板单位×10^9/L，GFR单位ml/min/1.73m²。14天大出血率为推导队列中该分组的发生率（≥7分4.1%，<7分0.4%），不是个体预测。国内标准的其他因素：≥85岁、肝功能不全、GFR<30、ICU/CCU、中心静脉置管、恶性肿瘤、风湿病、男性。两种标准任一判为高危即提示；出血高危倾向机械预防，但不绝对禁用药物预防。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
