// Oxygenation from one blood gas: P/F ratio graded by the Berlin ARDS
// definition, the alveolar-arterial gradient and the paediatric OI.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("pao2", L"动脉血氧分压PaO2", L"mmHg", 90, 20, 700),
    Number("fio2", L"吸入氧浓度FiO2", L"%", 21, 21, 100),
    Measured("paco2", L"二氧化碳分压PaCO2", L"mmHg", 40, 10, 200),
    Measured("age", L"年龄", L"岁", 45, 0, 120),
    Number("pb", L"大气压", L"mmHg", 760, 400, 800),
    Number("peep", L"PEEP/CPAP", L"cmH2O", 0, 0, 30),
    Number("mawp", L"平均气道压（选填）", L"cmH2O", 0, 0, 60),
};

const OutputField kOutputs[] = {
    {"pf", L"氧合指数（PaO2/FiO2）", L"mmHg", "pao2*100/fio2", "f0"},
    {"pf_pb", L"海拔校正PaO2/FiO2", L"mmHg", "pf*pb/760", "f0"},
    {"pao2_alv", L"肺泡氧分压（PAO2）", L"mmHg", "fio2/100*(pb - 47) - paco2/0.8", "f0"},
    {"aa", L"肺泡-动脉氧分压差", L"mmHg", "pao2_alv - pao2", "f0"},
    {"aa_exp", L"年龄预期A-a差（吸空气）", L"mmHg", "age/4 + 4", "f0"},
    {"oi", L"儿童氧合指数（OI）", nullptr, "(mawp > 0 && pao2 > 0) ? fio2*mawp/(pao2 > 0 ? pao2 : 1) : 0", "f1"},
};

// The paediatric OI grades first when a mean airway pressure is entered;
// Berlin grades only on PEEP/CPAP of 5 or more.
const VerdictRule kRules[] = {
    {"pao2 <= 0 || paco2 <= 0", LevelWarning, L"请输入血气的PaO2和PaCO2"},
    {"mawp > 0 && round(oi*10)/10 >= 16", LevelDanger, L"OI≥16：儿童重度ARDS范围"},
    {"mawp > 0 && round(oi*10)/10 >= 8", LevelWarning, L"OI 8-15.9：儿童中度ARDS范围"},
    {"mawp > 0 && round(oi*10)/10 >= 4", LevelWarning, L"OI 4-7.9：儿童轻度ARDS范围"},
    {"peep >= 5 && round(pf) <= 100", LevelDanger, L"P/F≤100且PEEP≥5：重度ARDS"},
    {"round(pf) <= 100", LevelDanger, L"P/F≤100：严重低氧，PEEP<5不分级"},
    {"peep >= 5 && round(pf) <= 200", LevelDanger, L"P/F≤200且PEEP≥5：中度ARDS"},
    {"round(pf) <= 200", LevelDanger, L"P/F≤200：严重氧合障碍"},
    {"peep >= 5 && round(pf) <= 300", LevelWarning, L"P/F≤300且PEEP≥5：轻度ARDS"},
    {"round(pf) <= 300", LevelWarning, L"P/F≤300：氧合受损（急性肺损伤范围）"},
    {"fio2 <= 21 && round(aa) > round(aa_exp)", LevelNotice, L"A-a差高于年龄预期：换气障碍"},
    {"1", LevelNormal, L"按以上指标氧合未受损"},
};

}  // namespace

extern const ToolDef kOxygenationTool = {
    .id = 461,
    .title = L"氧合指数与肺泡-动脉氧分压差",
    .subtitle = L"P/F比值、A-a梯度与儿童氧合指数",
    .category = L"重症评分",
    .basis = L"P/F = PaO2 ÷ FiO2；PAO2 = FiO2 × (大气压 − 47) − PaCO2/0.8；A-a差 = PAO2 − PaO2，吸空气预期值 = 年龄/4 + 4；OI = FiO2 × 平均气道压 × 100 ÷ PaO2；ARDS按柏林定义（2012），儿童按PALICC（2015）",
    .note = L"FiO2按%填，吸空气为21。无PEEP/CPAP填0；柏林分级要求PEEP/CPAP≥5 cmH2O，并有双肺浸润影、1周内起病。平均气道压仅用于有创通气儿童（OI 4-8轻度，8-16中度，≥16重度），不用填0。海拔>1000 m时参考校正P/F，结论仍按未校正值。A-a差年龄预期值只适用于吸空气。国内“氧合指数”即P/F（正常400-500），与儿童OI不是同一指标。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
