// Kubota 30 ml water-swallowing test: the grade, and for grade I the seconds taken.
#include "engine/tool_def.h"

namespace {

const InputChoice kGrades[] = {
    {1, L"1级：一次饮完，无呛咳"},
    {2, L"2级：分两次以上饮完，无呛咳"},
    {3, L"3级：能一次饮完，但有呛咳"},
    {4, L"4级：分两次以上饮完，有呛咳"},
    {5, L"5级：频繁呛咳，不能全部饮完"},
};

const InputField kInputs[] = {
    Choice("grade", L"分级", nullptr, 1, kGrades),
    Measured("t", L"饮完用时", L"秒", 4, 0, 120),
};

const OutputField kOutputs[] = {
    {"res", L"结果（1正常 2可疑 3异常）", nullptr, "grade == 1 && t <= 5 ? 1 : (grade <= 2 ? 2 : 3)", "int"},
};

const VerdictRule kRules[] = {
    {"grade == 1 && t <= 0", LevelWarning, L"1级须填写饮完30 ml所用秒数"},
    {"grade == 5", LevelDanger, L"5级：严重吞咽障碍，禁止经口进食",
     L"禁止经口进食，遵医嘱鼻饲，做好口腔护理；请康复科评估并进行吞咽训练。"},
    {"grade >= 3", LevelWarning, L"3-4级：吞咽障碍，误吸风险，调整饮食",
     L"稠化液体或软食，坐直进食，小口慢咽，进餐时有人看护；请专业吞咽评估。"},
    {"res == 2", LevelNotice, L"可疑（1级超5秒或2级）：进餐看护，复查"},
    {"1", LevelNormal, L"1级且5秒内：吞咽功能正常"},
};

}  // namespace

extern const ToolDef kWaterSwallowTestTool = {
    .id = 447,
    .title = L"洼田饮水试验",
    .subtitle = L"30 ml温水吞咽功能筛查",
    .category = L"神经",
    .basis = L"1级且5秒内饮完为正常；1级超过5秒或2级为可疑；3-5级为异常（洼田俊夫 1982）",
    .note = L"患者意识清楚（GCS≥12）、能配合，坐位或半卧位，像平常一样喝下30 ml温水，记录分级和所用秒数；5秒标准只用于1级。可疑或异常者需进一步做吞咽功能评估。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
