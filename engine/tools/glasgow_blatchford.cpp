// Glasgow-Blatchford score for upper GI bleeding, urea in mmol/L and
// haemoglobin in g/L as on Chinese reports.
#include "engine/tool_def.h"

namespace {

const InputChoice kYesNo2[] = {{0, L"否"}, {2, L"是"}};

const InputField kInputs[] = {
    Measured("urea", L"尿素", L"mmol/L", 5, 0.5, 100),
    Choice("sex", L"性别", nullptr, 1, kMaleFemaleChoices),
    Measured("hb", L"血红蛋白", L"g/L", 140, 20, 250),
    Measured("sbp", L"收缩压", L"mmHg", 125, 30, 300),
    Measured("hr", L"心率", L"次/分", 80, 20, 300),
    Choice("melaena", L"黑便", L"分", 0, kNoYesChoices),
    Choice("syncope", L"晕厥", L"分", 0, kYesNo2),
    Choice("hepatic", L"肝脏疾病", L"分", 0, kYesNo2),
    Choice("cardiac", L"心力衰竭", L"分", 0, kYesNo2),
};

const OutputField kOutputs[] = {
    {"p_urea", L"尿素得分", L"分", "urea > 25 ? 6 : (urea >= 10 ? 4 : (urea >= 8 ? 3 : (urea >= 6.5 ? 2 : 0)))", "int"},
    {"p_hb", L"血红蛋白得分", L"分",
     "sex == 1 ? (hb >= 130 ? 0 : (hb >= 120 ? 1 : (hb >= 100 ? 3 : 6))) : (hb >= 120 ? 0 : (hb >= 100 ? 1 : 6))", "int"},
    {"p_sbp", L"收缩压得分", L"分", "sbp >= 110 ? 0 : (sbp >= 100 ? 1 : (sbp >= 90 ? 2 : 3))", "int"},
    {"p_other", L"其他指标得分", L"分", "(hr >= 100 ? 1 : 0) + melaena + syncope + hepatic + cardiac", "int"},
    {"score", L"Glasgow-Blatchford评分", L"分", "p_urea + p_hb + p_sbp + p_other", "int"},
};

const VerdictRule kRules[] = {
    {"urea <= 0 || hb <= 0 || sbp <= 0 || hr <= 0", LevelWarning, L"请填写大于0的尿素、血红蛋白、血压和心率"},
    {"score >= 6", LevelDanger, L"GBS≥6分：需干预风险高，紧急内镜",
     L"建立静脉通路，配血；密切监测血压、心率；尽早（24小时内）内镜检查。"},
    {"score >= 2", LevelWarning, L"GBS 2-5分：非低危，收住院并安排内镜"},
    {"score == 1", LevelNotice, L"GBS 1分：极低危，可考虑门诊处理"},
    {"1", LevelNormal, L"GBS 0分：极低危，可早出院门诊内镜"},
};

}  // namespace

extern const ToolDef kGlasgowBlatchfordTool = {
    .id = 458,
    .title = L"Glasgow-Blatchford评分",
    .subtitle = L"上消化道出血风险分层",
    .category = L"消化",
    .basis = L"尿素、血红蛋白（男女界值不同）、收缩压分档计分，心率≥100次/分、黑便各1分，晕厥、肝病、心衰各2分，总分0-23分（Blatchford 2000；中国急性上消化道出血急诊诊治共识）",
    .note = L"尿素6.5-7.9、8.0-9.9、10.0-25.0、>25 mmol/L计2、3、4、6分；血红蛋白男120-129、100-119、<100 g/L计1、3、6分，女100-119、<100计1、6分；收缩压100-109、90-99、<90 mmHg计1、2、3分。尿素按化验单“尿素”（mmol/L）填写，BUN(mg/dL)×0.357=mmol/L。肝病、心衰指既往史或临床证据。可门诊处理的界值各指南不同：NICE仅0分，ACG 2021与ESGE≤1分；国内共识以≥6分为中高危、<6分为低危，本工具自2分起提示住院。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
