// Insulin resistance and beta-cell function from one fasting glucose and
// insulin pair (HOMA1), with QUICKI.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("glu", L"空腹血糖", L"mmol/L", 5, 1, 40),
    Measured("ins", L"空腹胰岛素", L"μU/ml", 8, 0.5, 500),
};

const OutputField kOutputs[] = {
    {"homa_ir", L"HOMA-IR", nullptr, "glu*ins/22.5", "f2"},
    {"homa_b", L"HOMA-β（β细胞功能）", L"%", "glu > 3.5 ? 20*ins/(glu > 3.5 ? glu - 3.5 : 1) : 0", "f0"},
    {"glu_mg", L"血糖换算", L"mg/dL", "glu*18", "f0"},
    {"quicki", L"QUICKI指数", nullptr, "ins*glu_mg > 1 ? 1/log10(ins*glu_mg > 1 ? ins*glu_mg : 10) : 0", "f3"},
};

const VerdictRule kRules[] = {
    {"glu <= 0 || ins <= 0", LevelWarning, L"请输入大于0的空腹血糖和胰岛素"},
    {"round(homa_ir*100)/100 > 2.69", LevelNotice, L"HOMA-IR>2.69：胰岛素抵抗（国内）"},
    {"glu <= 3.5", LevelNotice, L"血糖≤3.5：HOMA-β无法计算"},
    {"1", LevelNormal, L"HOMA-IR≤2.69：未提示胰岛素抵抗"},
};

}  // namespace

extern const ToolDef kHomaIrTool = {
    .id = 463,
    .title = L"胰岛素抵抗指数（HOMA-IR）",
    .subtitle = L"空腹血糖与胰岛素计算HOMA-IR、HOMA-β、QUICKI",
    .category = L"电解质与检验",
    .basis = L"HOMA-IR = 空腹血糖(mmol/L) × 胰岛素(μU/ml) ÷ 22.5；HOMA-β = 20 × 胰岛素 ÷ (血糖 − 3.5)；QUICKI = 1 ÷ (lg胰岛素 + lg血糖mg/dL)（Matthews 1985）；>2.69为胰岛素抵抗（国内常用界值）",
    .note = L"空腹≥8小时采血。胰岛素单位μU/ml（即mU/L），pmol/L ÷ 6 ≈ μU/ml。胰岛素治疗者、明显高血糖或非空腹标本不适用；不同胰岛素试剂盒结果有差异。国内界值不一（2.69、2.6、2.5，老年人约2.15），本工具按>2.69提示；QUICKI<0.33也提示抵抗。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
