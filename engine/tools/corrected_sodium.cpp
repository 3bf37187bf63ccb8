// Sodium corrected for hyperglycaemia by the Katz and the Hillier factors.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"na", L"实测血钠", L"mmol/L", 130},
    {"glu", L"血糖", L"mmol/L", 30},
};

// Both factors are defined per 100 mg/dL, so glucose is converted exactly.
const OutputField kOutputs[] = {
    {"glu_mg", L"血糖（换算）", L"mg/dL", "glu*18", "f0"},
    {"katz", L"校正血钠（Katz）", L"mmol/L", "na + 0.016*max(glu*18 - 100, 0)", "f1"},
    {"hillier", L"校正血钠（Hillier）", L"mmol/L", "na + 0.024*max(glu*18 - 100, 0)", "f1"},
};

const VerdictRule kRules[] = {
    {"katz > 145", LevelWarning, L"校正钠>145：降糖后将高钠，警惕HHS"},
    {"hillier < 135", LevelWarning, L"两种校正钠均<135：真性低钠血症"},
    {"katz < 135", LevelNotice, L"Katz偏低、Hillier正常：降糖后复查"},
    {"hillier > 145", LevelNotice, L"Hillier偏高、Katz正常：降糖后复查"},
    {"1", LevelNormal, L"校正血钠在135-145 mmol/L之间"},
};

}  // namespace

extern const ToolDef kCorrectedSodiumTool = {
    .id = 419,
    .title = L"高血糖校正血钠",
    .subtitle = L"按Katz与Hillier系数校正血钠",
    .category = L"电解质与检验",
    .basis = L"校正钠 = Na + 1.6（Katz 1973）或 2.4（Hillier 1999）× (血糖mg/dL − 100) ÷ 100；血糖 mmol/L × 18 = mg/dL",
    .note = L"血糖≤5.6 mmol/L（100 mg/dL）时不校正。血糖很高时Hillier系数更准确，Katz引用更广；两者结论不一致时，待血糖下降后复查血钠。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
