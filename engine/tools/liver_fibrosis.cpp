// FIB-4 and APRI from routine bloods, read against the cut-offs of the
// liver disease the patient has (viral hepatitis or fatty liver).
#include "engine/tool_def.h"

namespace {

const InputChoice kCause[] = {
    {0, L"慢性病毒性肝炎"},
    {1, L"代谢相关脂肪性肝病"},
};

const InputField kInputs[] = {
    Measured("age", L"年龄", L"岁", 45, 18, 120),
    Measured("ast", L"AST（天冬氨酸转氨酶）", L"U/L", 25, 1, 10000),
    Measured("alt", L"ALT（丙氨酸转氨酶）", L"U/L", 25, 1, 10000),
    Measured("plt", L"血小板", L"×10^9/L", 200, 1, 1500),
    Number("uln", L"AST正常上限", L"U/L", 40, 10, 100),
    Choice("cause", L"病因", nullptr, 0, kCause),
};

const OutputField kOutputs[] = {
    {"fib4", L"FIB-4指数", nullptr, "(plt > 0 && alt > 0) ? age*ast/((plt > 0 ? plt : 1)*sqrt(alt > 0 ? alt : 1)) : 0",
     "f2"},
    {"apri", L"APRI指数", nullptr, "plt > 0 ? ast/uln*100/(plt > 0 ? plt : 1) : 0", "f2"},
};

// Both indices are read at the two decimals shown.
const VerdictRule kRules[] = {
    {"ast <= 0 || alt <= 0 || plt <= 0", LevelWarning, L"请输入大于0的AST、ALT和血小板"},
    {"cause == 0 && round(apri*100)/100 >= 2", LevelWarning, L"APRI≥2：提示肝硬化（乙肝指南）"},
    {"cause == 0 && round(fib4*100)/100 >= 3.25", LevelWarning, L"FIB-4≥3.25：提示进展期纤维化≥F3"},
    {"cause == 0 && (round(fib4*100)/100 >= 1.45 || round(apri*100)/100 >= 1)", LevelNotice,
     L"纤维化不确定区间：建议做肝硬度检测"},
    {"cause == 0", LevelNormal, L"两项低于界值：进展期纤维化及肝硬化可能小"},
    {"round(fib4*100)/100 > 2.67", LevelWarning, L"脂肪肝FIB-4>2.67：疑≥F3，请转诊"},
    {"age >= 65 && round(fib4*100)/100 >= 2", LevelNotice, L"脂肪肝≥65岁FIB-4≥2：灰区，弹性成像"},
    {"age < 65 && round(fib4*100)/100 >= 1.3", LevelNotice, L"脂肪肝FIB-4≥1.3：灰区，需弹性成像"},
    {"1", LevelNormal, L"脂肪肝FIB-4低于下限：进展期纤维化可能小"},
};

}  // namespace

extern const ToolDef kLiverFibrosisTool = {
    .id = 462,
    .title = L"肝纤维化指数（FIB-4与APRI）",
    .subtitle = L"年龄、转氨酶与血小板无创评估肝纤维化",
    .category = L"肝功能",
    .basis = L"FIB-4 = 年龄 × AST ÷ (血小板 × √ALT)；APRI = AST/正常上限 × 100 ÷ 血小板；病毒性肝炎按乙肝防治指南（2019）：APRI≥2提示肝硬化，FIB-4≥3.25提示≥F3；脂肪肝FIB-4<1.3（≥65岁<2.0）低危，>2.67高危",
    .note = L"AST正常上限以本院检验科为准（多为40 U/L）。病毒性肝炎FIB-4<1.45且APRI<1可排除进展期纤维化和肝硬化，但在乙肝中准确性较低，抗病毒后不反映逆转。脂肪肝<35岁者FIB-4准确性差。急性肝炎、溶血或非肝源性血小板减少时两项均不可靠。灰区或高值者做肝脏硬度（弹性成像）检测。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
