// Weight estimated from age when the child cannot be weighed yet.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("am", L"年龄（足月数）", L"月", 72, 0, 155),
    Measured("bw", L"出生体重", L"kg", 3.3, 0.3, 7),
};

const OutputField kOutputs[] = {
    {"ay", L"年龄（足岁）", L"岁", "floor(am/12)", "int"},
    {"cn", L"国内教材公式估算", L"kg", "am <= 6 ? bw + 0.7*am : (am < 12 ? 6 + 0.25*am : (am < 156 ? 2*floor(am/12) + 8 : 0))", "f1"},
    {"apls", L"APLS公式估算", L"kg", "am < 12 ? 0.5*am + 4 : (am < 72 ? 2*floor(am/12) + 8 : (am < 156 ? 3*floor(am/12) + 7 : 0))", "f1"},
};

// The accepted ranges refuse such ages; the first two rules guard
// calculations made without that check.
const VerdictRule kRules[] = {
    {"am < 0 || bw <= 0", LevelWarning, L"请填写月龄（≥0）和出生体重（>0）"},
    {"am >= 156", LevelWarning, L"≥13岁不适用年龄公式，请实测体重"},
    {"1", LevelNormal, L"仅为估算，尽快实测体重或按身长估算"},
};

}  // namespace

extern const ToolDef kChildWeightTool = {
    .id = 435,
    .title = L"小儿体重估算",
    .subtitle = L"按年龄估算儿童体重",
    .category = L"儿科",
    .basis = L"《儿科学》：1-6月 出生体重+0.7×月龄；7-12月 6+0.25×月龄；1-12岁 2×岁+8。APLS：<1岁 0.5×月龄+4；1-5岁 2×岁+8；6-12岁 3×岁+7",
    .note = L"年龄按足月数填写（6岁填72），适用于13岁以下；出生体重仅用于6月龄内。年龄估算误差常≥20%，应尽快实测体重。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
