// Barthel index of daily living; its bands set the self-care grade of WS/T 431.
#include "engine/tool_def.h"

namespace {

// Each item's levels as the Chinese form lists them, most independent first;
// the value is the item's points.
const InputChoice kFeed[] = {{10, L"可独立进食"}, {5, L"需部分帮助"}, {0, L"需极大帮助或完全依赖"}};
const InputChoice kSelfOrHelp[] = {{5, L"可独立完成"}, {0, L"需他人帮助"}};
const InputChoice kTenPoints[] = {{10, L"可独立完成"}, {5, L"需部分帮助"}, {0, L"需极大帮助或完全依赖"}};
const InputChoice kBowel[] = {{10, L"可控制大便"}, {5, L"偶尔失控"}, {0, L"完全失控"}};
const InputChoice kBladder[] = {{10, L"可控制小便"}, {5, L"偶尔失控"}, {0, L"完全失控或留置导尿"}};
const InputChoice kTransfer[] = {{15, L"可独立完成"}, {10, L"需部分帮助"}, {5, L"需极大帮助"}, {0, L"完全依赖他人"}};
const InputChoice kWalk[] = {
    {15, L"可独立平地行走45 m"}, {10, L"需部分帮助"}, {5, L"需极大帮助/轮椅自行"}, {0, L"完全依赖他人"},
};
const InputChoice kStairs[] = {{10, L"可独立上下楼梯"}, {5, L"需部分帮助"}, {0, L"需极大帮助或完全依赖"}};

const InputField kInputs[] = {
    Choice("feed", L"进食", L"分", 10, kFeed),
    Choice("bath", L"洗澡", L"分", 5, kSelfOrHelp),
    Choice("groom", L"修饰", L"分", 5, kSelfOrHelp),
    Choice("dress", L"穿衣", L"分", 10, kTenPoints),
    Choice("bowel", L"控制大便", L"分", 10, kBowel),
    Choice("bladder", L"控制小便", L"分", 10, kBladder),
    Choice("toilet", L"如厕", L"分", 10, kTenPoints),
    Choice("transfer", L"床椅转移", L"分", 15, kTransfer),
    Choice("walk", L"平地行走", L"分", 15, kWalk),
    Choice("stairs", L"上下楼梯", L"分", 10, kStairs),
};

const OutputField kOutputs[] = {
    {"score", L"Barthel指数", L"分", "feed + bath + groom + dress + bowel + bladder + toilet + transfer + walk + stairs", "int"},
};

const VerdictRule kRules[] = {
    {"mod(feed + bath + groom + dress + bowel + bladder + toilet + transfer + walk + stairs, 5) != 0", LevelWarning, L"各项得分应为5的倍数"},
    {"score <= 40", LevelDanger, L"≤40分：重度依赖，全部需他人照护",
     L"日常生活由护士全面照护；护理分级一级或特级（WS/T 431-2013）；病情变化时复评。"},
    {"score <= 60", LevelWarning, L"41-60分：中度依赖，大部分需他人照护",
     L"协助完成大部分日常生活；护理分级一级或二级（WS/T 431-2013）；病情变化时复评。"},
    {"score <= 99", LevelNotice, L"61-99分：轻度依赖，少部分需他人照护",
     L"协助完成部分日常生活；护理分级二级或三级（WS/T 431-2013）；病情变化时复评。"},
    {"1", LevelNormal, L"100分：无需依赖，生活自理", L"无需协助；病情稳定者护理分级为三级（WS/T 431-2013）。"},
};

}  // namespace

extern const ToolDef kBarthelIndexTool = {
    .id = 437,
    .title = L"Barthel指数（日常生活活动能力）",
    .subtitle = L"自理能力评定，护理分级依据",
    .category = L"护理评估",
    .basis = L"Barthel指数 = 10项日常生活活动得分之和（0-100分）；≤40重度依赖，41-60中度，61-99轻度，100无需依赖（WS/T 431-2013《护理分级》）",
    .note = L"按患者实际能做到的评定，不按可能做到的评定。平地行走指45米。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
