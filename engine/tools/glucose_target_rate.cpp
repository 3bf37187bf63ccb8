// Pump rate that delivers a target glucose infusion rate.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"w", L"体重", L"kg", 3.5},
    {"gir_t", L"目标GIR", L"mg/kg/min", 6},
    {"conc", L"葡萄糖浓度", L"%", 10},
    {"central", L"中心静脉（是1 否0）", nullptr, 0},
};

const OutputField kOutputs[] = {
    {"rate", L"输液泵速度", L"ml/h", "gir_t*w*6/conc", "f1"},
    {"ml_kg_day", L"该液体每日液量", L"ml/kg/d", "rate*24/w", "f0"},
    {"g_day", L"每日葡萄糖量", L"g/d", "gir_t*w*1.44", "f1"},
};

const VerdictRule kRules[] = {
    {"w <= 0 || conc <= 0", LevelWarning, L"请输入大于0的体重和葡萄糖浓度"},
    {"conc > 12.5 && central == 0", LevelDanger, L"葡萄糖>12.5%须经中心静脉输注"},
    {"1", LevelNormal, L"按计算泵速设置，复测血糖"},
};

}  // namespace

extern const ToolDef kGlucoseTargetRateTool = {
    .id = 402,
    .title = L"目标GIR所需输液速度",
    .subtitle = L"由目标GIR反算含糖液泵速",
    .category = L"营养支持",
    .basis = L"速度(ml/h) = GIR(mg/kg/min)×体重(kg)×6 ÷ 浓度(%)；外周葡萄糖浓度上限12.5%（新生儿GIR指南）",
    .note = L"浓度填百分数（10%填10）；中心静脉填1，外周静脉填0。12.5%外周上限为新生儿及儿科惯例，成人请按本院规定。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
