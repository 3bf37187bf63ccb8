// FLACC behavioural pain scale for young or non-verbal children.
#include "engine/tool_def.h"

namespace {

const InputChoice kFace[] = {
    {0, L"无特殊表情或微笑"}, {1, L"偶尔皱眉/表情淡漠"}, {2, L"常皱眉、咬牙、下颌抖"},
};
const InputChoice kLegs[] = {
    {0, L"体位正常或放松"}, {1, L"不安、紧张"}, {2, L"踢腿或双腿蜷缩"},
};
const InputChoice kActivity[] = {
    {0, L"安静平卧，活动自如"}, {1, L"扭动、翻来覆去、紧张"}, {2, L"身体弓起、僵直或抽动"},
};
const InputChoice kCry[] = {
    {0, L"不哭(清醒或睡眠)"}, {1, L"呻吟或啜泣，偶诉痛"}, {2, L"持续哭闹尖叫、常诉痛"},
};
const InputChoice kConsolability[] = {
    {0, L"满足、放松"}, {1, L"抚摸拥抱或交谈可安慰"}, {2, L"难以安慰"},
};

const InputField kInputs[] = {
    Choice("face", L"面部表情", L"分", 0, kFace),
    Choice("legs", L"腿部动作", L"分", 0, kLegs),
    Choice("act", L"活动度", L"分", 0, kActivity),
    Choice("cry", L"哭闹", L"分", 0, kCry),
    Choice("cons", L"可安慰性", L"分", 0, kConsolability),
};

const OutputField kOutputs[] = {
    {"score", L"FLACC总分", L"分", "face + legs + act + cry + cons", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 7", LevelDanger, L"FLACC 7-10：重度疼痛，立即镇痛",
     L"报告医生，遵医嘱镇痛；药物起效后复评，之后每4小时复评直至低于5分。"},
    {"score >= 4", LevelWarning, L"FLACC 4-6：中度疼痛，镇痛后复评",
     L"遵医嘱镇痛并安抚；药物起效后复评，5分及以上时每4小时复评。"},
    {"score >= 1", LevelNotice, L"FLACC 1-3：轻度不适，安抚后复评",
     L"抱哄、喂哺或转移注意力；操作后或行为改变时复评。"},
    {"1", LevelNormal, L"FLACC 0分：放松舒适"},
};

}  // namespace

extern const ToolDef kFlaccPainTool = {
    .id = 444,
    .title = L"FLACC疼痛评估",
    .subtitle = L"婴幼儿及不能言语者的行为疼痛评分",
    .category = L"护理评估",
    .basis = L"总分 = 面部表情 + 腿部动作 + 活动度 + 哭闹 + 可安慰性（各0-2分），0-10分；1-3轻度，4-6中度，7-10重度（Merkel 1997）",
    .note = L"适用于2个月-7岁儿童及不能自述疼痛者；能自述时改用自评量表。掀开被子观察1-5分钟后评分。面部2分指经常或持续皱眉、咬紧牙关、下颌颤抖；哭闹2分指持续哭泣、尖叫或抽泣、常诉痛。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
