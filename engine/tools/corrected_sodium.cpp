// Sodium corrected for hyperglycaemia by the Katz and the Hillier factors.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("na", L"实测血钠", L"mmol/L", 130, 90, 200),
    Measured("glu", L"血糖", L"mmol/L", 30, 1, 100),
};

// Both factors are defined per 100 mg/dL, so glucose is converted exactly.
const OutputField kOutputs[] = {
    {"glu_mg", L"血糖（换算）", L"mg/dL", "glu*18", "f0"},
    {"katz", L"校正血钠（Katz）", L"mmol/L", "na + 0.016*max(glu*18 - 100, 0)", "f1"},
    {"hillier", L"校正血钠（Hillier）", L"mmol/L", "na + 0.024*max(glu*18 - 100, 0)", "f1"},
};

// Both corrected values are judged as shown, to one decimal.
const VerdictRule kRules[] = {
    {"na <= 0 || glu <= 0", LevelWarning, L"请输入血钠和血糖（>0）"},
    {"round(katz*10)/10 > 145", LevelWarning, L"两法均>145：降糖后高钠，警惕HHS"},
    {"round(hillier*10)/10 < 135", LevelWarning, L"两法校正钠均<135：真性低钠血症"},
    {"round(katz*10)/10 < 135", LevelNotice, L"Katz偏低、Hillier正常：降糖后复查"},
    {"round(hillier*10)/10 > 145", LevelNotice, L"Hillier偏高、Katz正常：降糖后复查"},
    {"1", LevelNormal, L"两法校正血钠均正常（135-145）"},
};

}  // namespace

extern const ToolDef kCorrectedSodiumTool = {
    .id = 419,
    .title = L"高血糖校正血钠",
    .subtitle = L"按Katz与Hillier系数校正血钠",
    .category = L"电解质与检验",
    .basis = L"校正钠 = Na + 1.6（Katz 1973）或 2.4（Hillier 1999）× (血糖mg/dL − 100) ÷ 100；血糖 mmol/L × 18 = mg/dL",
    .note = L"血糖≤5.6 mmol/L（100 mg/dL）时不校正。血糖很高时Hillier系数更准确，Katz引用更广；两者结论不一致时，待血糖下降后复查血钠。校正钠已高者降糖时警惕渗透压骤变。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
