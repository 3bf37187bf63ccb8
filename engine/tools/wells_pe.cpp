// Wells score for pulmonary embolism with the original weights, and the
// simplified one-point-per-item count that Chinese hospitals quote beside it.
#include "engine/tool_def.h"

namespace {

const InputChoice kYesNo3[] = {{0, L"否"}, {3, L"是"}};
const InputChoice kYesNo15[] = {{0, L"否"}, {1.5, L"是"}};

const InputField kInputs[] = {
    Choice("dvt", L"有DVT症状和体征", L"分", 0, kYesNo3),
    Choice("pe1", L"肺栓塞可能性最大", L"分", 0, kYesNo3),
    Choice("hr", L"心率>100次/分", L"分", 0, kYesNo15),
    Choice("immob", L"制动≥3天或4周内手术", L"分", 0, kYesNo15),
    Choice("prev", L"既往PE或DVT", L"分", 0, kYesNo15),
    Choice("haem", L"咯血", L"分", 0, kNoYesChoices),
    Choice("cancer", L"恶性肿瘤", L"分", 0, kNoYesChoices),
};

const OutputField kOutputs[] = {
    {"score", L"Wells PE评分", L"分", "dvt + pe1 + hr + immob + prev + haem + cancer", "f1"},
    {"simple", L"简化Wells评分（每项1分）", L"分",
     "(dvt > 0 ? 1 : 0) + (pe1 > 0 ? 1 : 0) + (hr > 0 ? 1 : 0) + (immob > 0 ? 1 : 0) + (prev > 0 ? 1 : 0) + (haem > 0 ? 1 : 0) + (cancer > 0 ? 1 : 0)",
     "int"},
};

const wchar_t kDDimerAdvice[] = L"先查D-二聚体，阳性时行CT肺动脉造影（CTPA）。";

const VerdictRule kRules[] = {
    {"score > 6", LevelDanger, L">6分：肺栓塞高度可能，立即CTPA",
     L"监测血压和血氧；CTPA不能及时完成时，无禁忌即开始胃肠外抗凝。"},
    {"score > 4", LevelWarning, L">4分：PE可能性大，CTPA（三级法中度）", L"CTPA不能及时完成时，无禁忌即开始胃肠外抗凝。"},
    {"score >= 2", LevelNotice, L"2-4分：中度可能但PE可能性小", kDDimerAdvice},
    {"1", LevelNormal, L"<2分：低度可能，D-二聚体/PERC排除", kDDimerAdvice},
};

}  // namespace

extern const ToolDef kWellsPeTool = {
    .id = 455,
    .title = L"Wells评分（肺栓塞）",
    .subtitle = L"肺栓塞临床可能性评估",
    .category = L"循环",
    .basis = L"DVT征象、肺栓塞最可能各3分，心率>100、制动或手术、既往PE/DVT各1.5分，咯血、恶性肿瘤各1分；<2分低度、2-6分中度、>6分高度，>4分可能性大（Wells 2000/2001；中国指南2018）",
    .note = L"简化版每项1分，≥2分可能性大。判断按原始权重，简化Wells评分仅供对照。恶性肿瘤指6个月内治疗或姑息治疗中。血流动力学不稳定（疑高危肺栓塞）者不评分，直接按高危处理。CTPA：CT肺动脉造影；PERC：肺栓塞排除标准。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
