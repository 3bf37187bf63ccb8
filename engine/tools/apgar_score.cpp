// Apgar score of the newborn, banded as Chinese textbooks do.
#include "engine/tool_def.h"

namespace {

const InputChoice kHeartRate[] = {
    {0, L"无心率"},
    {1, L"<100次/分"},
    {2, L"≥100次/分"},
};

const InputChoice kBreathing[] = {
    {0, L"无呼吸"},
    {1, L"慢、不规则"},
    {2, L"正常、哭声响"},
};

const InputChoice kTone[] = {
    {0, L"松弛"},
    {1, L"四肢略屈曲"},
    {2, L"四肢活动"},
};

const InputChoice kReflex[] = {
    {0, L"无反应"},
    {1, L"有些动作（皱眉）"},
    {2, L"哭、喷嚏"},
};

const InputChoice kColour[] = {
    {0, L"青紫或苍白"},
    {1, L"躯干红、四肢青紫"},
    {2, L"全身红"},
};

const InputField kInputs[] = {
    Choice("hr", L"心率", L"分", 2, kHeartRate),
    Choice("resp", L"呼吸", L"分", 2, kBreathing),
    Choice("tone", L"肌张力", L"分", 2, kTone),
    Choice("refl", L"弹足底或插鼻管反应", L"分", 2, kReflex),
    Choice("col", L"皮肤颜色", L"分", 2, kColour),
};

const OutputField kOutputs[] = {
    {"score", L"Apgar评分", L"分", "hr + resp + tone + refl + col", "int"},
};

const VerdictRule kRules[] = {
    {"score <= 3", LevelDanger, L"Apgar 0-3：重度窒息，立即复苏",
     L"立即复苏；5、10分钟再评，复苏中15、20分钟续评；查脐动脉血气。"},
    {"score <= 7", LevelWarning, L"Apgar 4-7：轻度窒息",
     L"清理气道、擦干、刺激，按复苏流程支持呼吸；5、10分钟再评；查脐动脉血气。"},
    {"1", LevelNormal, L"Apgar 8-10：正常", L"常规新生儿护理；5分钟时再评。"},
};

}  // namespace

extern const ToolDef kApgarScoreTool = {
    .id = 429,
    .title = L"Apgar评分",
    .subtitle = L"新生儿出生后五项评分",
    .category = L"产科",
    .basis = L"Apgar = 心率 + 呼吸 + 肌张力 + 反射 + 皮肤颜色，各0-2分；8-10正常，4-7轻度窒息，0-3重度窒息（国内教材分级）",
    .note = L"出生后1、5、10分钟各评一次，复苏中15、20分钟续评。窒息诊断应结合脐动脉血气；国际上多以7-10分为正常。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
