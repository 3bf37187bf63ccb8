// Free water deficit in hypernatraemia, and the Chinese surgical water requirement.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Choice("sex", L"性别", nullptr, 1, kMaleFemaleChoices),
    Measured("age", L"年龄", L"岁", 50, 0, 120),
    Measured("w", L"体重", L"kg", 60, 0.3, 350),
    Measured("na", L"血钠", L"mmol/L", 155, 90, 200),
};

// Below the reference sodium a "deficit" is no amount to give, so it shows 0.
const OutputField kOutputs[] = {
    {"tbwf", L"总体水系数", nullptr, "age < 18 ? 0.6 : (age >= 65 ? (sex == 1 ? 0.5 : 0.45) : (sex == 1 ? 0.6 : 0.5))", "f2"},
    {"tbw", L"总体水（TBW）", L"L", "tbwf*w", "f1"},
    {"fwd", L"自由水缺失量", L"L", "tbw*max(na/140 - 1, 0)", "f2"},
    {"cn_ml", L"补水量（国内公式）", L"ml", "max(na - 142, 0)*w*(age < 18 ? 5 : (sex == 1 ? 4 : 3))", "f0"},
    {"cn_day1", L"首日补水量（另加日需量约2000 ml）", L"ml", "cn_ml/2", "f0"},
};

const VerdictRule kRules[] = {
    {"w <= 0 || na <= 0 || age < 0", LevelWarning, L"请输入体重、血钠和年龄"},
    {"na > 150", LevelWarning, L"血钠>150：高渗性缺水，每24h降钠≤10"},
    {"na > 145", LevelNotice, L"血钠146-150：轻度高钠，缓慢补水"},
    {"na < 135", LevelNotice, L"血钠<135：低钠血症，无缺水（见补钠量）"},
    {"1", LevelNormal, L"血钠135-145：非高钠，无需补自由水"},
};

}  // namespace

extern const ToolDef kFreeWaterDeficitTool = {
    .id = 420,
    .title = L"自由水缺失量与高渗性缺水补水量",
    .subtitle = L"高钠血症的自由水缺失与补水量",
    .category = L"电解质与检验",
    .basis = L"自由水缺失(L) = TBW × (Na/140 − 1)，TBW = 体重 × 系数；国内补水量(ml) = (Na − 142) × 体重 × 4（男）/ 3（女）/ 5（儿童）",
    .note = L"TBW系数：<18岁0.6；18-64岁男0.6、女0.5；≥65岁男0.5、女0.45。血钠不高于140（国内公式142）时缺失量显示0。补水量分2天给，首日半量另加日需量约2000 ml；血钠每24小时下降≤10 mmol/L。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
