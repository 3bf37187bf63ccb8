// Basal energy expenditure by Harris-Benedict (1919, as taught in China) and
// its Roza-Shizgal revision, times activity and stress factors.
#include "engine/tool_def.h"

namespace {

// The factors vary by source, so they stay number boxes.
const InputField kInputs[] = {
    Choice("sex", L"性别", nullptr, 1, kMaleFemaleChoices),
    Measured("w", L"体重", L"kg", 60, 10, 350),
    Measured("h", L"身高", L"cm", 165, 50, 250),
    Measured("age", L"年龄", L"岁", 50, 18, 120),
    Number("af", L"活动系数", nullptr, 1, 1, 2),
    Number("sf", L"应激系数", nullptr, 1, 1, 2.1),
};

const OutputField kOutputs[] = {
    {"bee", L"基础能量消耗（H-B 1919）", L"kcal/d",
     "sex == 1 ? 66.4730 + 13.7516*w + 5.0033*h - 6.7550*age : 655.0955 + 9.5634*w + 1.8496*h - 4.6756*age", "f0"},
    {"bee_rs", L"基础能量消耗（Roza-Shizgal）", L"kcal/d",
     "sex == 1 ? 88.362 + 13.397*w + 4.799*h - 5.677*age : 447.593 + 9.247*w + 3.098*h - 4.330*age", "f0"},
    {"tee", L"每日能量需要量", L"kcal/d", "bee*af*sf", "f0"},
    {"bee_kj", L"基础能量消耗", L"kJ/d", "bee*4.184", "f0"},
    {"bmi", L"体质指数（BMI）", L"kg/m²", "w/((h/100)^2)", "f1"},
};

// Obesity is judged on the BMI as shown (one decimal).
const VerdictRule kRules[] = {
    {"w <= 0 || h <= 0 || age < 0 || af <= 0 || sf <= 0", LevelWarning, L"体重、身高、年龄及两系数须大于0"},
    {"age < 18", LevelNotice, L"H-B公式源自成人，不适用于儿童"},
    {"round(bmi*10)/10 >= 28", LevelNotice, L"肥胖（BMI≥28）：高估，宜用校正体重"},
    {"1", LevelNormal, L"非肥胖成人估算值，间接测热法为金标准"},
};

}  // namespace

extern const ToolDef kBasalEnergyTool = {
    .id = 405,
    .title = L"基础能量消耗（Harris-Benedict公式）",
    .subtitle = L"BEE及乘活动、应激系数后的需要量",
    .category = L"营养支持",
    .basis = L"男：66.473+13.7516W+5.0033H-6.755A；女：655.0955+9.5634W+1.8496H-4.6756A（Harris-Benedict 1919）；需要量=BEE×活动系数×应激系数",
    .note = L"活动系数不用时填1（卧床1.2）；应激系数不用时填1（小手术1.1-1.3，脓毒症1.4-1.8，烧伤至2.1）。仅适用于成人；肥胖者高估。教材系数取整时结果可差约10 kcal/d。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
