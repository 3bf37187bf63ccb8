// Original UNOS MELD: values below 1 count as 1, creatinine capped at 4 (4 on
// dialysis), score capped at 40.
#include "engine/tool_def.h"

namespace {

const InputChoice kDialysis[] = {
    {0, L"否"},
    {1, L"是"},
};

const InputField kInputs[] = {
    Measured("bili", L"总胆红素", L"μmol/L", 34, 1, 1000),
    Measured("inr", L"INR", nullptr, 1.5, 0.5, 20),
    Measured("cr", L"血肌酐", L"μmol/L", 100, 10, 3000),
    Choice("dial", L"近7天透析≥2次", nullptr, 0, kDialysis),
};

const OutputField kOutputs[] = {
    {"b", L"胆红素（计算用，≥1）", L"mg/dL", "max(bili/17.1, 1)", "f2"},
    {"i", L"INR（计算用，≥1）", nullptr, "max(inr, 1)", "f2"},
    {"c", L"肌酐（计算用，1-4）", L"mg/dL", "dial == 1 ? 4 : min(max(cr/88.4, 1), 4)", "f2"},
    {"meld_raw", L"MELD（未取整）", nullptr, "3.78*log(b) + 11.2*log(i) + 9.57*log(c) + 6.43", "f2"},
    {"meld", L"MELD评分", nullptr, "min(round(meld_raw), 40)", "int"},
};

const VerdictRule kRules[] = {
    {"bili <= 0 || inr <= 0 || cr <= 0", LevelWarning, L"请输入胆红素、INR和肌酐（>0）"},
    {"meld >= 30", LevelDanger, L"MELD≥30：死亡率极高（≥40约71%）"},
    {"meld >= 20", LevelDanger, L"MELD 20-29：死亡率高，商讨肝移植"},
    {"meld >= 10", LevelWarning, L"MELD 10-19：中等风险"},
    {"1", LevelNormal, L"MELD≤9：3个月死亡率低（约1.9%）"},
};

}  // namespace

extern const ToolDef kMeldScoreTool = {
    .id = 424,
    .title = L"终末期肝病模型（MELD）评分",
    .subtitle = L"胆红素、INR与肌酐计算MELD（UNOS原版）",
    .category = L"肝功能",
    .basis = L"MELD = 3.78 ln(胆红素) + 11.2 ln(INR) + 9.57 ln(肌酐) + 6.43，单位mg/dL；<1按1计，肌酐上限4，总分上限40（UNOS原版）",
    .note = L"7天内透析≥2次或CVVHD≥24小时均选“是”，肌酐按4 mg/dL计。胆红素÷17.1、肌酐÷88.4换算为mg/dL。仅作预后评估，现行器官分配用MELD-Na或MELD 3.0。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
