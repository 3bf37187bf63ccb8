// Total calcium corrected for a low (or high) albumin.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("ca", L"血清总钙", L"mmol/L", 2.3, 0.5, 5),
    Measured("alb", L"白蛋白", L"g/L", 40, 5, 60),
};

const OutputField kOutputs[] = {
    {"ca_corr", L"校正血钙", L"mmol/L", "ca + 0.02*(40 - alb)", "f2"},
};

// Judged as shown, to two decimals: 2.1296 reads 2.13 and is not below 2.13.
const VerdictRule kRules[] = {
    {"alb <= 0 || ca <= 0", LevelWarning, L"请输入血钙和白蛋白"},
    {"round(ca_corr*100)/100 < 2.13", LevelWarning, L"校正钙<2.13：低钙血症，请测离子钙确认"},
    {"round(ca_corr*100)/100 < 2.25", LevelNotice, L"校正钙2.13-2.24：低于教材参考范围"},
    {"round(ca_corr*100)/100 > 2.75", LevelWarning, L"校正钙>2.75 mmol/L：高钙血症"},
    {"1", LevelNormal, L"校正血钙正常（2.25-2.75）"},
};

}  // namespace

extern const ToolDef kCorrectedCalciumTool = {
    .id = 417,
    .title = L"白蛋白校正血钙",
    .subtitle = L"按白蛋白校正血清总钙",
    .category = L"电解质与检验",
    .basis = L"校正钙(mmol/L) = 血钙 + 0.02 × (40 − 白蛋白 g/L)（Payne 1973，国际单位形式）；参考范围 2.25-2.75 mmol/L",
    .note = L"各实验室参考区间不同（如2.11-2.52 mmol/L），以本院为准。慢性肾病5期或透析、酸碱紊乱、骨髓瘤时校正不可靠，应测离子钙。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
