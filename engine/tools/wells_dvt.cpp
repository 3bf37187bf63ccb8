// Wells score for deep vein thrombosis: the 1997 items with the 2003
// "previous DVT" item; the verdict reads both the two-level and the
// three-level rule.
#include "engine/tool_def.h"

namespace {

const InputChoice kAlternative[] = {{0, L"否"}, {-2, L"是"}};

const InputField kInputs[] = {
    Choice("cancer", L"活动性肿瘤", L"分", 0, kNoYesChoices),
    Choice("paresis", L"下肢瘫痪或近期石膏固定", L"分", 0, kNoYesChoices),
    Choice("bedrest", L"近期卧床≥3天或大手术", L"分", 0, kNoYesChoices),
    Choice("tender", L"沿深静脉走行压痛", L"分", 0, kNoYesChoices),
    Choice("leg", L"全下肢肿胀", L"分", 0, kNoYesChoices),
    Choice("calf", L"小腿周径较健侧≥3 cm", L"分", 0, kNoYesChoices),
    Choice("pitting", L"患肢凹陷性水肿", L"分", 0, kNoYesChoices),
    Choice("collat", L"浅静脉侧支循环", L"分", 0, kNoYesChoices),
    Choice("prev", L"既往DVT病史", L"分", 0, kNoYesChoices),
    Choice("alt", L"其他诊断可能性≥DVT", L"分", 0, kAlternative),
};

const OutputField kOutputs[] = {
    {"score", L"Wells DVT评分", L"分", "cancer + paresis + bedrest + tender + leg + calf + pitting + collat + prev + alt",
     "int"},
};

const VerdictRule kRules[] = {
    {"score >= 3", LevelWarning, L"≥3分：高度可能，DVT可能性大",
     L"立即行下肢静脉加压超声；阴性而临床仍怀疑时，查D-二聚体并复查超声。"},
    {"score >= 2", LevelWarning, L"2分：DVT可能性大（三级法中度）",
     L"行下肢静脉加压超声；阴性而临床仍怀疑时，查D-二聚体并复查超声。"},
    {"score >= 1", LevelNotice, L"1分：DVT可能性小（三级法中度）",
     L"先查D-二聚体：阴性可排除DVT，阳性行下肢静脉加压超声。"},
    {"1", LevelNormal, L"≤0分：低度可能，D-二聚体阴性可排除", L"D-二聚体阳性时行下肢静脉加压超声。"},
};

}  // namespace

extern const ToolDef kWellsDvtTool = {
    .id = 454,
    .title = L"Wells评分（深静脉血栓）",
    .subtitle = L"下肢深静脉血栓临床可能性评估",
    .category = L"循环",
    .basis = L"九项各1分（既往DVT为2003年条目），其他诊断可能性≥DVT减2分；二级法≥2分可能性大；三级法≤0分低度、1-2分中度、≥3分高度（Wells 1997/2003；中国DVT诊治指南第3版）",
    .note = L"九项：活动性肿瘤、下肢瘫痪或石膏固定、卧床≥3天或12周内大手术、沿深静脉压痛、全下肢肿胀、小腿周径差≥3 cm、凹陷性水肿、浅静脉侧支、既往DVT。双下肢均有症状时，按症状较重的一侧评分。小腿周径于胫骨结节下10 cm处测量。“既往DVT病史”为2003年修订版条目，不勾选即为1997年三级评分。用于门急诊患者，住院患者准确性较低；高度可能不等于确诊。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
