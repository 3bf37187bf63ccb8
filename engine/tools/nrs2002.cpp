// NRS 2002 final screening: the nurse picks both component grades, age adds one.
#include "engine/tool_def.h"

namespace {

// The form's criteria cut to fit the list; the note has the rest.
const InputChoice kNutrition[] = {
    {0, L"营养状态正常"},
    {1, L"3月减重>5%/进食½-¾"},
    {2, L"2月减重>5%/进食¼-½"},
    {3, L"1月减重>5%/进食0-¼"},
};
const InputChoice kDisease[] = {
    {0, L"正常营养需要量"},
    {1, L"髋部骨折/慢病并发症"},
    {2, L"腹部大手术/卒中等"},
    {3, L"脑外伤/骨髓移植/ICU"},
};

const InputField kInputs[] = {
    Choice("nut", L"营养状况受损", L"分", 0, kNutrition),
    Choice("dis", L"疾病严重程度", L"分", 0, kDisease),
    Measured("age", L"年龄", L"岁", 60, 18, 120),
};

const OutputField kOutputs[] = {
    {"score", L"NRS 2002总分", L"分", "nut + dis + (age >= 70 ? 1 : 0)", "int"},
};

const VerdictRule kRules[] = {
    {"nut < 0 || nut > 3 || dis < 0 || dis > 3 || nut != floor(nut) || dis != floor(dis) || age < 0", LevelWarning,
     L"请为两项各选一个等级并填写年龄"},
    {"age < 18", LevelNotice, L"NRS 2002仅用于≥18岁住院患者"},
    {"score >= 3", LevelWarning, L"NRS≥3：有营养风险，制定营养支持计划",
     L"与医生、营养师制定营养支持计划；记录进食量和体重。"},
    {"1", LevelNormal, L"NRS<3：每周复筛；拟大手术者预防性营养"},
};

}  // namespace

extern const ToolDef kNrs2002Tool = {
    .id = 433,
    .title = L"营养风险筛查2002（NRS 2002）",
    .subtitle = L"住院患者营养风险最终筛查",
    .category = L"营养支持",
    .basis = L"总分 = 营养状况受损评分 + 疾病严重程度评分 + 年龄≥70岁加1分（0-7分），≥3分有营养风险；Kondrup/ESPEN 2002，CSPEN专家共识2018版",
    .note = L"营养状况取最高一项，进食量按正常需要量计；2分另含BMI 18.5-20.5伴一般情况差，3分另含BMI<18.5伴一般情况差或3月减重>15%。疾病严重程度1分含慢性病有并发症（肝硬化、COPD、血液透析、糖尿病、肿瘤）；2分含腹部大手术、卒中、重症肺炎、血液恶性肿瘤；3分含颅脑损伤、骨髓移植、APACHE II>10的ICU患者。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
