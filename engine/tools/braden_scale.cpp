// Braden pressure-injury risk scale, banded as Chinese nursing forms do.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"sp", L"感知（1-4）", L"分", 4},
    {"mo", L"潮湿（1-4）", L"分", 4},
    {"ac", L"活动（1-4）", L"分", 4},
    {"mb", L"移动（1-4）", L"分", 4},
    {"nu", L"营养（1-4）", L"分", 4},
    {"fs", L"摩擦力和剪切力（1-3）", L"分", 3},
};

const OutputField kOutputs[] = {
    {"score", L"Braden总分", L"分", "sp + mo + ac + mb + nu + fs", "int"},
};

const VerdictRule kRules[] = {
    {"sp < 1 || sp > 4 || mo < 1 || mo > 4 || ac < 1 || ac > 4 || mb < 1 || mb > 4 || nu < 1 || nu > 4 || fs < 1 || "
     "fs > 3",
     LevelWarning, L"单项评分超出范围，请核对"},
    {"score <= 9", LevelDanger, L"Braden≤9：极高危"},
    {"score <= 12", LevelWarning, L"Braden 10-12：高危"},
    {"score <= 14", LevelWarning, L"Braden 13-14：中危"},
    {"score <= 18", LevelNotice, L"Braden 15-18：低危，开始预防"},
    {"1", LevelNormal, L"Braden 19-23：暂无风险，按时复评"},
};

}  // namespace

extern const ToolDef kBradenScaleTool = {
    .id = 427,
    .title = L"Braden压力性损伤风险评估",
    .subtitle = L"压力性损伤（压疮）风险六项评分",
    .category = L"护理评估",
    .basis = L"总分 = 感知 + 潮湿 + 活动 + 移动 + 营养 + 摩擦力和剪切力，6-23分；15-18低危，13-14中危，10-12高危，≤9极高危（Braden量表，国内护理分级）",
    .note = L"各项按量表填所得分数，分数越低情况越差：感知、潮湿、活动、移动、营养各1-4分，摩擦力和剪切力1-3分。分级标准各地不一，以本院规定为准。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
