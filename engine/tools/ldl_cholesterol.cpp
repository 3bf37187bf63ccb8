// LDL cholesterol by Friedewald in mmol/L, with the Chinese primary-prevention strata.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("tc", L"总胆固醇", L"mmol/L", 5.2, 1, 20),
    Measured("hdl", L"高密度脂蛋白胆固醇", L"mmol/L", 1.3, 0.1, 5),
    Measured("tg", L"甘油三酯", L"mmol/L", 1.5, 0.1, 50),
};

const OutputField kOutputs[] = {
    {"ldl", L"LDL-C（Friedewald）", L"mmol/L", "tc - hdl - tg/2.2", "f2"},
    {"vldl", L"VLDL-C估算", L"mmol/L", "tg/2.2", "f2"},
    {"nonhdl", L"非HDL-C", L"mmol/L", "tc - hdl", "f2"},
};

// The strata judge LDL-C as shown (two decimals); only the sign check takes
// the unrounded value, so a shown "-0.00" still counts as negative.
const VerdictRule kRules[] = {
    {"tc <= 0 || hdl <= 0 || tg <= 0", LevelWarning, L"请输入总胆固醇、HDL-C和甘油三酯（>0）"},
    {"tg > 4.5", LevelWarning, L"TG>4.5：公式不适用，请直接测LDL-C"},
    {"ldl < 0", LevelWarning, L"结果为负：请核对输入或直接测LDL-C"},
    {"round(ldl*100)/100 >= 4.1", LevelWarning, L"LDL-C≥4.1 mmol/L：升高"},
    {"round(ldl*100)/100 >= 3.4", LevelNotice, L"LDL-C≥3.4且<4.1：边缘升高"},
    {"round(ldl*100)/100 >= 2.6", LevelNormal, L"LDL-C≥2.6且<3.4：合适水平"},
    {"1", LevelNormal, L"LDL-C<2.6：理想水平（一级预防）"},
};

}  // namespace

extern const ToolDef kLdlCholesterolTool = {
    .id = 422,
    .title = L"LDL-C计算（Friedewald公式）",
    .subtitle = L"由TC、HDL-C与TG估算LDL-C",
    .category = L"电解质与检验",
    .basis = L"LDL-C = TC − HDL-C − TG ÷ 2.2（mmol/L，Friedewald 1972）；分层依据《中国成人血脂异常防治指南（2016年修订版）》",
    .note = L"空腹血脂，单位mmol/L。TG>4.5 mmol/L、非空腹、Ⅲ型高脂蛋白血症或LDL-C很低时不可靠，应直接测定LDL-C。分层用于一级预防，治疗目标按ASCVD风险确定。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
