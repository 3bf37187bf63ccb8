#include "engine/tool_def.h"

// Peravin, the suite's first tool: the glucose infusion rate from the infusion
// speed, the glucose concentration and the weight.
namespace {

const InputField kInputs[] = {
    {"rate", L"输注速度", L"ml/h", 60},
    {"conc", L"葡萄糖浓度", L"%", 10},
    {"w", L"体重", L"kg", 60},
};

const OutputField kOutputs[] = {
    {"gir", L"葡萄糖输注速率", L"mg/kg/min", "rate*conc*10/(w*60)", "f2"},
    {"gday", L"每日葡萄糖", L"g", "rate*conc/100*24", "f1"},
};

// Inputs no patient has come first: a GIR of them would read as normal.
const VerdictRule kRules[] = {
    {"w <= 0 || rate < 0 || conc < 0 || conc > 100", LevelWarning, L"请核对：体重>0，速度≥0，浓度0-100%"},
    {"rate*conc*10/(w*60)>5", LevelWarning, L"GIR 偏高，警惕高血糖与脂肪肝"},
    {"1", LevelNormal, L"GIR 在合理范围"},
};

}  // namespace

extern const ToolDef kPeravinTool = {
    .id = 261,
    .title = L"Peravin",
    .subtitle = L"按输液速度与浓度计算",
    .category = L"营养支持",
    .basis = L"GIR(mg/kg/min)=速度(ml/h)×浓度(%)×10/(体重×60)",
    .note = L"新生儿 GIR 4-6 起始，成人不超过 5mg/kg/min。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
    .copyResultOnly = 1,
};
