// NRS 2002 final screening: the nurse picks both component scores, age adds one.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"nut", L"营养状况受损（0-3）", L"分", 0},
    {"dis", L"疾病严重程度（0-3）", L"分", 1},
    {"age", L"年龄", L"岁", 60},
};

const OutputField kOutputs[] = {
    {"score", L"NRS 2002总分", L"分", "nut + dis + (age >= 70 ? 1 : 0)", "int"},
};

const VerdictRule kRules[] = {
    {"nut < 0 || nut > 3 || dis < 0 || dis > 3", LevelWarning, L"两项评分均应为0-3分"},
    {"score >= 3", LevelWarning, L"NRS≥3：有营养风险，制定营养支持计划"},
    {"1", LevelNormal, L"NRS<3：每周复筛；拟大手术者预防性营养"},
};

}  // namespace

extern const ToolDef kNrs2002Tool = {
    .id = 433,
    .title = L"营养风险筛查2002（NRS 2002）",
    .subtitle = L"住院患者营养风险最终筛查",
    .category = L"营养支持",
    .basis = L"总分 = 营养状况受损评分 + 疾病严重程度评分 + 年龄≥70岁加1分（0-7分），≥3分有营养风险；Kondrup/ESPEN 2002，CSPEN专家共识2018版",
    .note = L"营养受损取最高项：1分 3月减重>5%或进食为需要量50-75%；2分 2月减重>5%或BMI<20.5伴一般情况差或进食25-50%；3分 1月减重>5%或BMI<18.5伴一般情况差或进食<25%。疾病：1分 慢性病/髋部骨折；2分 腹部大手术/卒中；3分 颅脑损伤/APACHE II>10。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
