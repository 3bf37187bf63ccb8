// Adult pain by the 0-10 numeric rating scale, with the interval to the next
// routine assessment under the postoperative rule.
#include "engine/tool_def.h"

namespace {

// The faces wording beside the even numbers is for patients who point to a
// face; the odd numbers of one band are told apart by where they sit in it.
const InputChoice kNrs[] = {
    {0, L"无痛（脸谱：不痛）"},
    {1, L"轻度疼痛（轻微）"},
    {2, L"轻度（脸谱：微痛）"},
    {3, L"轻度疼痛"},
    {4, L"中度（脸谱：有些痛）"},
    {5, L"中度疼痛"},
    {6, L"中度（脸谱：很痛）"},
    {7, L"重度疼痛"},
    {8, L"重度（脸谱：非常痛）"},
    {9, L"重度疼痛（近剧痛）"},
    {10, L"重度（脸谱：剧痛）"},
};

const InputField kInputs[] = {
    Choice("nrs", L"疼痛评分（NRS）", L"分", 0, kNrs),
};

const OutputField kOutputs[] = {
    {"band", L"疼痛程度（0无 1轻 2中 3重）", nullptr, "nrs >= 7 ? 3 : (nrs >= 4 ? 2 : (nrs >= 1 ? 1 : 0))", "int"},
    {"next_h", L"距下次常规评估", L"小时", "nrs >= 5 ? 4 : 24", "int"},
    {"per_day", L"每日常规评估", L"次", "24/next_h", "int"},
};

const VerdictRule kRules[] = {
    {"nrs >= 7", LevelDanger, L"NRS 7-10：重度疼痛", L"立即报告医生并处理；处理后复评，此后每4小时评估直至<5分。"},
    {"nrs >= 5", LevelWarning, L"NRS 5-6：中度疼痛", L"报告并处理；处理后复评，此后每4小时评估直至<5分。"},
    {"nrs >= 4", LevelWarning, L"NRS 4：中度疼痛", L"报告并处理；处理后复评，此后至少每日评估1次。"},
    {"nrs >= 1", LevelNotice, L"NRS 1-3：轻度疼痛", L"疼痛宣教与舒适护理；每日评估1次。"},
    {"1", LevelNormal, L"NRS 0：无疼痛", L"每日常规评估1次，主诉疼痛时随时评估。"},
};

}  // namespace

extern const ToolDef kPainNrsTool = {
    .id = 468,
    .title = L"疼痛评估（NRS）",
    .subtitle = L"数字评分法分级与复评间隔",
    .category = L"护理评估",
    .basis = L"NRS 0无痛，1-3轻度，4-6中度，7-10重度；≥5分每4小时评估1次直至<5分，<5分每日1次，每次镇痛处理后复评（术后疼痛评估常规）",
    .note = L"由患者自报0-10的数字（0不痛，10为能想象的最剧烈疼痛）。指脸谱者取脸谱对应的偶数分；面部表情量表另为独立工具，适用于3岁以上。术后回病房即时评估。评估频次各院规定不同，以本院制度为准。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
