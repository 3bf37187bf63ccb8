// Apgar score of the newborn, banded as Chinese textbooks do.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"hr", L"心率（0-2）", L"分", 2},
    {"resp", L"呼吸（0-2）", L"分", 2},
    {"tone", L"肌张力（0-2）", L"分", 2},
    {"refl", L"反射（0-2）", L"分", 2},
    {"col", L"皮肤颜色（0-2）", L"分", 1},
};

const OutputField kOutputs[] = {
    {"score", L"Apgar评分", L"分", "hr + resp + tone + refl + col", "int"},
};

const VerdictRule kRules[] = {
    {"score <= 3", LevelDanger, L"Apgar 0-3：重度窒息，立即复苏"},
    {"score <= 7", LevelWarning, L"Apgar 4-7：轻度窒息"},
    {"1", LevelNormal, L"Apgar 8-10：正常"},
};

}  // namespace

extern const ToolDef kApgarScoreTool = {
    .id = 429,
    .title = L"Apgar评分",
    .subtitle = L"新生儿出生后五项评分",
    .category = L"产科",
    .basis = L"Apgar = 心率 + 呼吸 + 肌张力 + 反射 + 皮肤颜色，各0-2分；8-10正常，4-7轻度窒息，0-3重度窒息（国内教材分级）",
    .note = L"心率：0无 1<100次/分 2≥100次/分。呼吸：0无 1慢而不规则 2哭声响亮。肌张力：0松弛 1四肢略屈 2活动好。反射：0无 1皱眉 2哭/咳/喷嚏。肤色：0青紫或苍白 1躯干红四肢紫 2全身红。1、5分钟各评一次；窒息诊断应结合脐动脉血气。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
