// Caprini VTE risk of surgical inpatients (2005 form): age, one operation,
// one mobility level and a checklist of the other risk factors.
#include "engine/tool_def.h"

namespace {

const InputChoice kAge[] = {
    {0, L"≤40岁"}, {1, L"41~60岁"}, {2, L"61~74岁"}, {3, L"≥75岁"},
};

const InputChoice kSurgery[] = {
    {0, L"无手术"},
    {1, L"计划小手术<45分钟"},
    {2, L"手术>45分钟/关节镜"},
    {5, L"选择性下肢关节置换术"},
};

const InputChoice kMobility[] = {
    {0, L"可正常活动"},
    {1, L"卧床的内科患者"},
    {2, L"需要卧床>72小时"},
};

// In the form's order, the women-only items last.
const InputChoice kRiskFactors[] = {
    {1, L"大手术史（<1个月）"},
    {1, L"静脉曲张"},
    {1, L"炎症性肠病史"},
    {1, L"下肢水肿（目前）"},
    {1, L"肥胖（BMI>25）"},
    {1, L"急性心肌梗死"},
    {1, L"充血性心力衰竭(<1个月)"},
    {1, L"败血症（<1个月）"},
    {1, L"严重肺部疾病含肺炎(<1月)"},
    {1, L"肺功能异常（COPD）"},
    {1, L"其他风险因素"},
    {2, L"恶性肿瘤（既往或现患）"},
    {2, L"石膏固定（<1个月）"},
    {2, L"中心静脉置管"},
    {3, L"深静脉血栓/肺栓塞病史"},
    {3, L"血栓家族史"},
    {3, L"因子V Leiden阳性"},
    {3, L"凝血酶原20210A阳性"},
    {3, L"血清同型半胱氨酸升高"},
    {3, L"狼疮抗凝物阳性"},
    {3, L"抗心磷脂抗体升高"},
    {3, L"肝素诱导血小板减少(HIT)"},
    {3, L"其他先天或后天血栓形成"},
    {5, L"髋/骨盆/下肢骨折(<1月)"},
    {5, L"脑卒中（<1个月）"},
    {5, L"多发性创伤（<1个月）"},
    {5, L"急性脊髓损伤瘫痪(<1月)"},
    {1, L"女：口服避孕药或激素替代"},
    {1, L"女：妊娠期或产后(<1月)"},
    {1, L"女：不明原因死产/习惯性流产等"},
};

const InputField kInputs[] = {
    Choice("age", L"年龄", L"分", 1, kAge),
    Choice("surg", L"手术类型", L"分", 0, kSurgery),
    Choice("mob", L"活动情况", L"分", 0, kMobility),
    Checklist("rf", L"其他危险因素", L"分", kRiskFactors),
};

const OutputField kOutputs[] = {
    {"score", L"Caprini总分", L"分", "age + surg + mob + rf", "int"},
    {"band", L"风险等级（1极低危 2低危 3中危 4高危）", nullptr,
     "score >= 5 ? 4 : (score >= 3 ? 3 : (score >= 1 ? 2 : 1))", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 5", LevelDanger, L"Caprini≥5分：VTE高危",
     L"评估出血风险；低分子肝素或普通肝素加弹力袜或IPC，出血高危仅用机械预防；病情变化时复评。"},
    {"score >= 3", LevelWarning, L"Caprini 3-4分：VTE中危",
     L"出血风险不高用低分子肝素或普通肝素，否则用IPC；早期活动；病情变化时复评。"},
    {"score >= 1", LevelNotice, L"Caprini 1-2分：VTE低危", L"机械预防（首选IPC），早期活动。"},
    {"1", LevelNormal, L"Caprini 0分：VTE极低危", L"早期活动，无需特殊预防。"},
};

}  // namespace

extern const ToolDef kCapriniTool = {
    .id = 466,
    .title = L"Caprini血栓风险评估",
    .subtitle = L"外科住院患者静脉血栓栓塞风险评分",
    .category = L"护理评估",
    .basis = L"总分 = 年龄 + 手术类型 + 活动情况 + 勾选的其他危险因素分值之和（Caprini 2005）；分级按2018《医院内静脉血栓栓塞症防治与管理建议》（同ACCP 2012）：0极低危，1-2低危，3-4中危，≥5高危",
    .note = L"手术只选本次一种：大手术或腹腔镜手术>45分钟、关节镜手术均计2分。卧床（1分）与卧床>72小时（2分）只选一项。危险因素指目前或近1个月内（已标明者）。药物预防前须另行评估出血风险。旧版2005分级为0-1低危、2中危、3-4高危、≥5极高危，与本分级在2分处不同。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
