// Barthel index of daily living; its bands set the self-care grade of WS/T 431.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"feed", L"进食（0/5/10）", L"分", 10},
    {"bath", L"洗澡（0/5）", L"分", 5},
    {"groom", L"修饰（0/5）", L"分", 5},
    {"dress", L"穿衣（0/5/10）", L"分", 10},
    {"bowel", L"控制大便（0/5/10）", L"分", 10},
    {"bladder", L"控制小便（0/5/10）", L"分", 10},
    {"toilet", L"如厕（0/5/10）", L"分", 10},
    {"transfer", L"床椅转移（0-15）", L"分", 15},
    {"walk", L"平地行走（0-15）", L"分", 15},
    {"stairs", L"上下楼梯（0/5/10）", L"分", 10},
};

const OutputField kOutputs[] = {
    {"score", L"Barthel指数", L"分", "feed + bath + groom + dress + bowel + bladder + toilet + transfer + walk + stairs", "int"},
};

const VerdictRule kRules[] = {
    {"mod(feed + bath + groom + dress + bowel + bladder + toilet + transfer + walk + stairs, 5) != 0", LevelWarning, L"各项得分应为5的倍数"},
    {"score <= 40", LevelDanger, L"≤40分：重度依赖，全部需他人照护"},
    {"score <= 60", LevelWarning, L"41-60分：中度依赖，大部分需他人照护"},
    {"score <= 99", LevelNotice, L"61-99分：轻度依赖，少部分需他人照护"},
    {"1", LevelNormal, L"100分：无需依赖，生活自理"},
};

}  // namespace

extern const ToolDef kBarthelIndexTool = {
    .id = 437,
    .title = L"Barthel指数（日常生活活动能力）",
    .subtitle = L"自理能力评定，护理分级依据",
    .category = L"护理评估",
    .basis = L"Barthel指数 = 10项日常生活活动得分之和（0-100分）；≤40重度依赖，41-60中度，61-99轻度，100无需依赖（WS/T 431-2013《护理分级》）",
    .note = L"各项按得分填写：床椅转移、平地行走（45米）为0/5/10/15分，其余各项见标签。按患者实际能做到的评定，不按可能做到的评定。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
