// Anion gap, with potassium when entered, and corrected for low albumin.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("na", L"血钠", L"mmol/L", 140, 90, 200),
    Measured("cl", L"血氯", L"mmol/L", 104, 60, 150),
    Measured("hco3", L"碳酸氢根（HCO3）", L"mmol/L", 24, 1, 60),
    Measured("alb", L"白蛋白", L"g/L", 40, 5, 60),
    Measured("k", L"血钾（选填）", L"mmol/L", 4, 0, 10),
};

const OutputField kOutputs[] = {
    {"ag", L"阴离子间隙（AG）", L"mmol/L", "na - (cl + hco3)", "f1"},
    {"ag_k", L"含钾阴离子间隙", L"mmol/L", "k > 0 ? na + k - (cl + hco3) : 0", "f1"},
    {"ag_corr", L"白蛋白校正AG", L"mmol/L", "ag + 0.25*(40 - alb)", "f1"},
};

// The corrected gap is judged as it is shown, to one decimal.
const VerdictRule kRules[] = {
    {"na <= 0 || cl <= 0 || hco3 <= 0 || alb <= 0 || k < 0", LevelWarning, L"请输入钠、氯、HCO3和白蛋白（>0）"},
    {"round(ag_corr*10)/10 > 16", LevelWarning, L"校正AG升高：高AG代酸，查乳酸酮体肾功毒物"},
    {"round(ag_corr*10)/10 < 8", LevelNotice, L"AG偏低：查检验误差、副蛋白、高钙镁、锂"},
    {"1", LevelNormal, L"校正AG正常（8-16 mmol/L）"},
};

}  // namespace

extern const ToolDef kAnionGapTool = {
    .id = 416,
    .title = L"阴离子间隙（白蛋白校正）",
    .subtitle = L"阴离子间隙及白蛋白校正值",
    .category = L"电解质与检验",
    .basis = L"AG = Na − (Cl + HCO3)；含钾AG = (Na + K) − (Cl + HCO3)；校正AG = AG + 0.25 × (40 − 白蛋白)；参考 8-16 mmol/L（全国临床检验操作规程）",
    .note = L"血钾可不填（填0），此时含钾AG显示0。CO2CP可近似代替HCO3。参考区间因检测方法而异（ISE法可低至6-12 mmol/L），以本院检验科为准。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
