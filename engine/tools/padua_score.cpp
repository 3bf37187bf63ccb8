// Padua prediction score: VTE risk of medical (non-surgical) inpatients.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Choice("cancer", L"活动性肿瘤", nullptr, 0, kNoYesChoices),
    Choice("pvte", L"既往VTE史", nullptr, 0, kNoYesChoices),
    Choice("immob", L"活动减少≥3天", nullptr, 0, kNoYesChoices),
    Choice("thromb", L"已知易栓症", nullptr, 0, kNoYesChoices),
    Choice("trauma", L"1月内创伤/手术", nullptr, 0, kNoYesChoices),
    Measured("age", L"年龄", L"岁", 60, 18, 120),
    Choice("hf", L"心脏/呼吸衰竭", nullptr, 0, kNoYesChoices),
    Choice("ami", L"急性心梗/缺血性卒中", nullptr, 0, kNoYesChoices),
    Choice("infect", L"急性感染/风湿病", nullptr, 0, kNoYesChoices),
    Measured("bmi", L"体质指数（BMI）", L"kg/m²", 23, 10, 80),
    Choice("horm", L"激素治疗中", nullptr, 0, kNoYesChoices),
};

const OutputField kOutputs[] = {
    {"score", L"Padua评分", L"分",
     "3*cancer + 3*pvte + 3*immob + 3*thromb + 2*trauma + (age >= 70 ? 1 : 0) + hf + ami + infect + (bmi >= 30 ? 1 : 0) + horm",
     "int"},
};

const VerdictRule kRules[] = {
    {"age < 0 || bmi <= 0", LevelWarning, L"请填写年龄和BMI（>0）"},
    {"score >= 4", LevelWarning, L"≥4分：VTE高危，评估出血风险并考虑预防",
     L"评估出血风险：低者遵医嘱药物预防（低分子肝素或肝素），高者机械预防；病情变化时复评。"},
    {"1", LevelNormal, L"<4分：VTE低危", L"鼓励早期活动、补足液体；病情变化或转科时复评。"},
};

}  // namespace

extern const ToolDef kPaduaScoreTool = {
    .id = 438,
    .title = L"Padua静脉血栓栓塞风险评分（内科）",
    .subtitle = L"内科住院患者VTE风险评估",
    .category = L"护理评估",
    .basis = L"3×(活动性肿瘤+既往VTE+卧床+易栓症) + 2×创伤/手术 + 年龄≥70、心肺衰竭、心梗或卒中、感染/风湿、BMI≥30、激素治疗各1分；Barbar 2010，≥4分高危",
    .note = L"活动性肿瘤：有转移或6个月内放化疗；创伤/手术：1个月内。外科患者用Caprini评分。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
