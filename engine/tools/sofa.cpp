// SOFA with the µmol/L limits of Chinese ICU forms and the original strict
// "<" boundaries, plus the Sepsis-3 rise over a known baseline.
#include "engine/tool_def.h"

namespace {

const InputChoice kVentilation[] = {{0, L"无机械通气"}, {1, L"有创或无创通气"}};
// Doses in µg/kg/min; NE stands for noradrenaline or adrenaline, which share
// their limits (the full names do not fit the list).
const InputChoice kVasopressor[] = {
    {0, L"无"}, {2, L"多巴胺≤5/多巴酚丁胺"}, {3, L"多巴胺>5或NE≤0.1"}, {4, L"多巴胺>15或NE>0.1"},
};
const InputChoice kUrine[] = {{0, L"≥500 ml/天或未记录"}, {3, L"200~499 ml/天"}, {4, L"<200 ml/天"}};

const InputField kInputs[] = {
    Measured("pao2", L"PaO2（动脉血氧分压）", L"mmHg", 95, 20, 700),
    Number("fio2", L"FiO2（吸氧浓度）", L"%", 21, 21, 100),
    Choice("vent", L"呼吸支持", nullptr, 0, kVentilation),
    Measured("plt", L"血小板", L"×10^9/L", 200, 1, 1500),
    Measured("bili", L"总胆红素", L"μmol/L", 12, 1, 1000),
    Measured("map", L"平均动脉压", L"mmHg", 85, 20, 200),
    Choice("vaso", L"血管活性药", L"分", 0, kVasopressor),
    Measured("gcs", L"GCS评分", L"分", 15, 3, 15),
    Measured("cr", L"肌酐", L"μmol/L", 70, 10, 3000),
    Choice("uo", L"24小时尿量", L"分", 0, kUrine),
    Measured("base", L"基线SOFA", L"分", 0, 0, 24),
};

// The respiratory points are read from the ratio as shown, a whole number.
const OutputField kOutputs[] = {
    {"pf", L"氧合指数（PaO2/FiO2）", L"mmHg", "pao2*100/fio2", "f0"},
    {"p_resp", L"呼吸得分", L"分",
     "(vent == 1 && round(pf) < 100) ? 4 : ((vent == 1 && round(pf) < 200) ? 3 : (round(pf) < 300 ? 2 : (round(pf) < 400 ? 1 : 0)))",
     "int"},
    {"p_coag", L"凝血得分", L"分", "plt < 20 ? 4 : (plt < 50 ? 3 : (plt < 100 ? 2 : (plt < 150 ? 1 : 0)))", "int"},
    {"p_liver", L"肝脏得分", L"分", "bili > 204 ? 4 : (bili >= 102 ? 3 : (bili >= 33 ? 2 : (bili >= 20 ? 1 : 0)))", "int"},
    {"p_cv", L"心血管得分", L"分", "vaso > 0 ? vaso : (map < 70 ? 1 : 0)", "int"},
    {"p_cns", L"中枢神经得分", L"分", "gcs < 6 ? 4 : (gcs < 10 ? 3 : (gcs < 13 ? 2 : (gcs < 15 ? 1 : 0)))", "int"},
    {"p_renal", L"肾脏得分", L"分",
     "max(cr > 440 ? 4 : (cr >= 300 ? 3 : (cr >= 171 ? 2 : (cr >= 110 ? 1 : 0))), uo)", "int"},
    {"sofa", L"SOFA总分", L"分", "p_resp + p_coag + p_liver + p_cv + p_cns + p_renal", "int"},
    {"delta", L"较基线升高", L"分", "sofa - base", "int"},
};

const VerdictRule kRules[] = {
    {"pao2 <= 0", LevelWarning, L"请填写血气分析的PaO2"},
    {"sofa >= 15", LevelDanger, L"≥15分：极重度多器官衰竭，病死率约90%",
     L"ICU器官支持；疑有感染时执行脓毒症集束治疗：测乳酸、血培养、1小时内用抗生素。"},
    {"delta >= 2", LevelDanger, L"升高≥2分：急性器官功能障碍，伴感染即脓毒症",
     L"疑有感染即按脓毒症处理：测乳酸、血培养、1小时内用抗生素，遵医嘱补液。"},
    {"sofa >= 1", LevelNotice, L"SOFA>0但较基线升高<2分：每日复评"},
    {"1", LevelNormal, L"SOFA 0分：无SOFA所示器官功能障碍"},
};

}  // namespace

extern const ToolDef kSofaTool = {
    .id = 457,
    .title = L"序贯器官衰竭评分（SOFA）",
    .subtitle = L"器官功能障碍评分与脓毒症判断",
    .category = L"重症评分",
    .basis = L"呼吸、凝血、肝脏、心血管、中枢神经、肾脏6个系统各0-4分相加，0-24分（Vincent 1996，国内ICU表格μmol/L界值）；Sepsis-3：感染伴SOFA较基线急性升高≥2分即为脓毒症",
    .note = L"取最近24 h内最差值。FiO2按%填写（21-100）。呼吸3、4分需有创或无创通气，高流量吸氧不在原评分内。血管活性药按持续≥1 h的最高剂量档（μg/kg/min），NE指去甲肾上腺素或肾上腺素，界值相同；未用药时按MAP<70 mmHg记1分。尿量未记录选≥500档。基线SOFA：已知的既往器官功能障碍，未知填0。界值为原始“<”写法（如血小板150记0分），与部分计算器的≤/≥在边界处不同。qSOFA为床旁快速筛查。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
