// Syringe-pump rate for a dose in μg/kg/min, with the "weight × 3" make-up.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("w", L"体重", L"kg", 60, 0.3, 350),
    Number("dose", L"医嘱剂量", L"μg/kg/min", 5, 0.01, 200),
    Number("mg", L"泵内药量", L"mg", 180, 0.001, 5000),
    Number("vol", L"稀释后总量", L"ml", 50, 1, 500),
    Number("rate_in", L"当前泵速（可不填）", L"ml/h", 0, 0, 500),
};

const OutputField kOutputs[] = {
    {"conc", L"药液浓度", L"μg/ml", "mg*1000/vol", "f1"},
    {"rate", L"所需泵速", L"ml/h", "dose*w*60/conc", "f2"},
    {"dur_h", L"一支可用时间", L"小时", "rate > 0 ? vol/rate : 0", "f1"},
    {"dose_chk", L"当前泵速实际剂量", L"μg/kg/min", "rate_in*conc/(w*60)", "f3"},
    {"per1", L"每1 ml/h相当剂量", L"μg/kg/min", "conc/(w*60)", "f3"},
    {"mg_rule3", L"体重×3法配50ml所需药量", L"mg", "3*w", "f1"},
    {"ug_min", L"每分钟剂量", L"μg/min", "dose*w", "f1"},
};

// The one-hour check compares the rate as shown (two decimals).
const VerdictRule kRules[] = {
    {"w <= 0 || dose <= 0 || mg <= 0 || vol <= 0 || rate_in < 0", LevelWarning, L"体重、剂量、药量和体积须大于0"},
    {"round(rate*100)/100 > vol", LevelNotice, L"一支不足1小时泵完，请提高配制浓度"},
    {"1", LevelNormal, L"一支可用1小时以上；核对该药常用剂量"},
};

}  // namespace

extern const ToolDef kSyringePumpTool = {
    .id = 407,
    .title = L"微量泵速度（按体重剂量）",
    .subtitle = L"μg/kg/min剂量换算泵速及反查剂量",
    .category = L"输液用药",
    .basis = L"泵速(ml/h) = 剂量(μg/kg/min)×体重(kg)×60 ÷ 浓度(μg/ml)；体重×3 mg配至50ml时1 ml/h = 1 μg/kg/min",
    .note = L"药量填泵内药物总量，体积填稀释后总量；当前泵速不用时填0。按μg/min给药的药物不适用本算法；未内置各药剂量上限。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
