// Norton pressure-ulcer risk scale in four bands, prevention starting at 14.
#include "engine/tool_def.h"

namespace {

const InputChoice kPhysical[] = {
    {4, L"良好"}, {3, L"一般"}, {2, L"差"}, {1, L"很差"},
};
const InputChoice kMental[] = {
    {4, L"清醒"}, {3, L"淡漠"}, {2, L"模糊"}, {1, L"昏睡"},
};
const InputChoice kActivity[] = {
    {4, L"自由活动"}, {3, L"在帮助下行走"}, {2, L"轮椅活动"}, {1, L"卧床不起"},
};
const InputChoice kMobility[] = {
    {4, L"完全"}, {3, L"轻度受限"}, {2, L"非常受限"}, {1, L"不能移动"},
};
const InputChoice kIncontinence[] = {
    {4, L"无失禁"}, {3, L"偶尔失禁"}, {2, L"经常小便失禁"}, {1, L"二便失禁"},
};

const InputField kInputs[] = {
    Choice("phys", L"身体状况", L"分", 4, kPhysical),
    Choice("ment", L"精神状况", L"分", 4, kMental),
    Choice("act", L"活动能力", L"分", 4, kActivity),
    Choice("mob", L"灵活程度", L"分", 4, kMobility),
    Choice("inc", L"失禁情况", L"分", 4, kIncontinence),
};

const OutputField kOutputs[] = {
    {"score", L"Norton总分", L"分", "phys + ment + act + mob + inc", "int"},
};

const VerdictRule kRules[] = {
    {"score <= 9", LevelDanger, L"Norton≤9：极高危，立即全面预防",
     L"至少每2小时翻身（30°侧卧），用气垫床，保护骨隆突处，保持皮肤干燥；病情变化时复评。"},
    {"score <= 12", LevelWarning, L"Norton 10-12：高危，定时翻身减压",
     L"每2小时翻身，用减压床垫；保持皮肤清洁干燥，加强营养；病情变化时复评。"},
    {"score <= 14", LevelNotice, L"Norton 13-14：有风险，开始预防",
     L"做好皮肤护理，控制潮湿，定时变换体位；病情变化时复评。"},
    {"1", LevelNormal, L"Norton≥15：低风险，病情变化时复评"},
};

}  // namespace

extern const ToolDef kNortonScaleTool = {
    .id = 441,
    .title = L"Norton压疮风险评估",
    .subtitle = L"压疮（褥疮）风险五项评分",
    .category = L"护理评估",
    .basis = L"总分 = 身体状况 + 精神状况 + 活动能力 + 灵活程度 + 失禁情况（各1-4分），5-20分；≤9极高危，10-12高危，13-14有风险，≥15低风险（Norton 1962）",
    .note = L"分数越低风险越高，≤14分即应开始预防。各地分级界值不一（也有<14高危、<10极高危等写法），以本院规定为准；翻身间隔按本院压力性损伤预防规范。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
