// Padua prediction score: VTE risk of medical (non-surgical) inpatients.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"cancer", L"活动性肿瘤（是1 否0）", nullptr, 0},
    {"pvte", L"既往VTE（是1 否0）", nullptr, 0},
    {"immob", L"卧床≥3天（是1 否0）", nullptr, 0},
    {"thromb", L"易栓症（是1 否0）", nullptr, 0},
    {"trauma", L"创伤/手术（是1 否0）", nullptr, 0},
    {"age", L"年龄", L"岁", 60},
    {"hf", L"心肺衰竭（是1 否0）", nullptr, 0},
    {"ami", L"心梗或卒中（是1 否0）", nullptr, 0},
    {"infect", L"感染/风湿（是1 否0）", nullptr, 0},
    {"bmi", L"体质指数（BMI）", L"kg/m²", 23},
    {"horm", L"激素治疗（是1 否0）", nullptr, 0},
};

const OutputField kOutputs[] = {
    {"score", L"Padua评分", L"分",
     "3*cancer + 3*pvte + 3*immob + 3*thromb + 2*trauma + (age >= 70 ? 1 : 0) + hf + ami + infect + (bmi >= 30 ? 1 : 0) + horm",
     "int"},
};

const VerdictRule kRules[] = {
    {"score >= 4", LevelWarning, L"≥4分：VTE高危，评估出血风险并考虑预防"},
    {"1", LevelNormal, L"<4分：VTE低危"},
};

}  // namespace

extern const ToolDef kPaduaScoreTool = {
    .id = 438,
    .title = L"Padua静脉血栓栓塞风险评分（内科）",
    .subtitle = L"内科住院患者VTE风险评估",
    .category = L"护理评估",
    .basis = L"3×(活动性肿瘤+既往VTE+卧床+易栓症) + 2×创伤/手术 + 年龄≥70、心肺衰竭、心梗或卒中、感染/风湿、BMI≥30、激素治疗各1分；Barbar 2010，≥4分高危",
    .note = L"是填1，否填0。活动性肿瘤：有转移或6个月内放化疗；卧床：活动减少≥3天；创伤/手术：1个月内；心肺衰竭：心脏和/或呼吸衰竭；心梗或卒中：急性心梗或缺血性卒中。外科患者用Caprini评分。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
