// Systemic corticosteroid conversion by anti-inflammatory equivalence, with
// the daily prednisone equivalent that sets the dose band.
#include "engine/tool_def.h"

namespace {

const InputChoice kSteroids[] = {
    {1, L"氢化可的松"}, {2, L"可的松"},   {3, L"泼尼松"},   {4, L"泼尼松龙"},
    {5, L"甲泼尼龙"},   {6, L"曲安西龙"}, {7, L"地塞米松"}, {8, L"倍他米松"},
};

const InputField kInputs[] = {
    Choice("frm", L"原药物", nullptr, 3, kSteroids),
    Choice("to", L"换算为", nullptr, 5, kSteroids),
    Number("dose", L"原药物每次剂量", L"mg", 5, 0.1, 3000),
    Number("freq", L"每日次数", L"次/日", 1, 1, 6),
    Measured("w", L"体重", L"kg", 60, 1, 350),
};

// Equivalent doses in the drugs' order: 20, 25, 5, 5, 4, 4, 0.75, 0.6 mg.
const OutputField kOutputs[] = {
    {"eq_from", L"原药物等效剂量", L"mg",
     "(frm == 1 ? 20 : (frm == 2 ? 25 : (frm == 3 ? 5 : (frm == 4 ? 5 : (frm == 5 ? 4 : (frm == 6 ? 4 : (frm == 7 ? 0.75 : 0.6)))))))",
     "f2"},
    {"eq_to", L"目标药物等效剂量", L"mg",
     "(to == 1 ? 20 : (to == 2 ? 25 : (to == 3 ? 5 : (to == 4 ? 5 : (to == 5 ? 4 : (to == 6 ? 4 : (to == 7 ? 0.75 : 0.6)))))))",
     "f2"},
    {"to_dose", L"目标药物每次剂量", L"mg", "dose*eq_to/eq_from", "f2"},
    {"to_day", L"目标药物每日量", L"mg/日", "to_dose*freq", "f2"},
    {"hc_day", L"氢化可的松当量", L"mg/日", "dose*freq*20/eq_from", "f1"},
    {"pred_day", L"泼尼松当量", L"mg/日", "dose*freq*5/eq_from", "f1"},
    {"pred_kg", L"泼尼松当量（按体重）", L"mg/kg/日", "w > 0 ? pred_day/(w > 0 ? w : 1) : 0", "f2"},
    {"mc_to", L"目标药物水盐代谢活性", L"氢化可的松=1",
     "(to == 1 ? 1 : (to == 2 ? 0.8 : (to == 3 ? 0.8 : (to == 4 ? 0.8 : (to == 5 ? 0.5 : 0)))))", "f1"},
};

const VerdictRule kRules[] = {
    {"dose <= 0 || w <= 0", LevelWarning, L"请输入大于0的剂量和体重"},
    {"round(pred_day*10)/10 >= 250", LevelWarning, L"冲击量（泼尼松≥250 mg/日）：仅限短程"},
    {"round(pred_kg*100)/100 > 1", LevelWarning, L"大剂量（>1mg/kg/日）：防感染、高血糖"},
    {"frm == to", LevelNormal, L"同一药物：无需换算"},
    {"to == 7 || to == 8", LevelNotice, L"长效、无水钠潴留、HPA轴抑制强：宜短期用"},
    {"to == 1 || to == 2", LevelNotice, L"短效、有水钠潴留：适于肾上腺替代治疗"},
    {"to == 3", LevelNotice, L"泼尼松需肝脏活化：肝衰竭改用泼尼松龙"},
    {"1", LevelNormal, L"中效抗炎激素，水钠潴留轻"},
};

}  // namespace

extern const ToolDef kSteroidConversionTool = {
    .id = 465,
    .title = L"糖皮质激素等效剂量换算",
    .subtitle = L"全身用糖皮质激素按抗炎等效剂量互换",
    .category = L"用药安全",
    .basis = L"等效剂量（mg）：氢化可的松20、可的松25、泼尼松5、泼尼松龙5、甲泼尼龙4、曲安西龙4、地塞米松0.75、倍他米松0.6；目标剂量 = 原剂量 × 目标等效量 ÷ 原等效量（《糖皮质激素类药物临床应用指导原则》）",
    .note = L"等效指全身用药的抗炎作用，不计水盐代谢、作用时间和给药途径（口服与静脉）的差异；外用、吸入、关节腔注射制剂不能这样换算。曲安西龙为口服制剂，不是曲安奈德长效注射剂。泼尼松当量0.5-1 mg/kg/日为常规剂量，口服一般≤80 mg/日；疗程超过约3周停药须逐渐减量。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
