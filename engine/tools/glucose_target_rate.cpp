// Pump rate that delivers a target glucose infusion rate.
#include "engine/tool_def.h"

namespace {

const InputChoice kLine[] = {
    {0, L"外周静脉"},
    {1, L"中心静脉"},
};

const InputField kInputs[] = {
    Measured("w", L"体重", L"kg", 3.5, 0.3, 350),
    Number("gir_t", L"目标GIR", L"mg/kg/min", 6, 1, 20),
    Number("conc", L"葡萄糖浓度", L"%", 10, 2.5, 50),
    Choice("central", L"输注通路", nullptr, 0, kLine),
};

const OutputField kOutputs[] = {
    {"rate", L"输液泵速度", L"ml/h", "gir_t*w*6/conc", "f1"},
    {"ml_kg_day", L"该液体每日液量", L"ml/kg/d", "rate*24/w", "f0"},
    {"g_day", L"每日葡萄糖量", L"g/d", "gir_t*w*1.44", "f1"},
};

const VerdictRule kRules[] = {
    {"w <= 0 || gir_t <= 0 || conc <= 0 || conc > 50", LevelWarning, L"体重、目标GIR须>0，浓度1-50%"},
    {"conc > 12.5 && central == 0", LevelDanger, L"葡萄糖>12.5%须经中心静脉输注"},
    {"1", LevelNormal, L"浓度适合该通路：按泵速设置，复测血糖"},
};

}  // namespace

extern const ToolDef kGlucoseTargetRateTool = {
    .id = 402,
    .title = L"目标GIR所需输液速度",
    .subtitle = L"由目标GIR反算含糖液泵速",
    .category = L"营养支持",
    .basis = L"速度(ml/h) = GIR(mg/kg/min)×体重(kg)×6 ÷ 浓度(%)；外周葡萄糖浓度上限12.5%（新生儿GIR指南）",
    .note = L"浓度填百分数（10%填10）。12.5%外周上限为新生儿及儿科惯例，成人请按本院规定。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
