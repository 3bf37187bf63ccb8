// Braden pressure-injury risk scale, banded as Chinese nursing forms do; both
// bands at or below 12 are danger, the line where forms reassess daily.
#include "engine/tool_def.h"

namespace {

const InputChoice kSensory[] = {
    {1, L"完全受限"},
    {2, L"大部分受限"},
    {3, L"轻度受限"},
    {4, L"无损害"},
};

const InputChoice kMoisture[] = {
    {1, L"持续潮湿"},
    {2, L"常常潮湿"},
    {3, L"偶尔潮湿"},
    {4, L"罕见潮湿"},
};

const InputChoice kActivity[] = {
    {1, L"卧床"},
    {2, L"受限于椅子"},
    {3, L"偶尔下床活动"},
    {4, L"经常下床活动"},
};

const InputChoice kMobility[] = {
    {1, L"完全受限"},
    {2, L"非常受限"},
    {3, L"轻微受限"},
    {4, L"不受限"},
};

const InputChoice kNutrition[] = {
    {1, L"非常差"},
    {2, L"可能不足"},
    {3, L"充足"},
    {4, L"丰富"},
};

const InputChoice kFrictionShear[] = {
    {1, L"存在问题"},
    {2, L"潜在问题"},
    {3, L"不存在问题"},
};

const InputField kInputs[] = {
    Choice("sp", L"感知", L"分", 4, kSensory),
    Choice("mo", L"潮湿", L"分", 4, kMoisture),
    Choice("ac", L"活动", L"分", 4, kActivity),
    Choice("mb", L"移动", L"分", 4, kMobility),
    Choice("nu", L"营养", L"分", 4, kNutrition),
    Choice("fs", L"摩擦力和剪切力", L"分", 3, kFrictionShear),
};

const OutputField kOutputs[] = {
    {"score", L"Braden总分", L"分", "sp + mo + ac + mb + nu + fs", "int"},
};

const VerdictRule kRules[] = {
    {"sp < 1 || sp > 4 || mo < 1 || mo > 4 || ac < 1 || ac > 4 || mb < 1 || mb > 4 || nu < 1 || nu > 4 || fs < 1 || "
     "fs > 3",
     LevelWarning, L"单项评分超出范围，请核对"},
    {"score <= 9", LevelDanger, L"Braden≤9：极高危",
     L"至少每2小时翻身（30°侧卧），用气垫床，保护足跟，保持皮肤干燥；每日复评。"},
    {"score <= 12", LevelDanger, L"Braden 10-12：高危，强化预防",
     L"每2小时翻身，用减压（气垫）床垫，保持皮肤清洁干燥；每日复评。"},
    {"score <= 14", LevelWarning, L"Braden 13-14：中危",
     L"定时翻身，做好皮肤和防潮护理，加强营养；每72小时或病情变化时复评。"},
    {"score <= 18", LevelNotice, L"Braden 15-18：低危，开始预防",
     L"皮肤护理，控制潮湿，鼓励活动；每72小时或病情变化时复评。"},
    {"1", LevelNormal, L"Braden 19-23：暂无风险，按时复评", L"无需预防计划；病情变化时复评。"},
};

}  // namespace

extern const ToolDef kBradenScaleTool = {
    .id = 427,
    .title = L"Braden压力性损伤风险评估",
    .subtitle = L"压力性损伤（压疮）风险六项评分",
    .category = L"护理评估",
    .basis = L"总分 = 感知 + 潮湿 + 活动 + 移动 + 营养 + 摩擦力和剪切力，6-23分；15-18低危，13-14中危，10-12高危，≤9极高危（Braden量表，国内护理分级）",
    .note = L"分数越低情况越差。分级标准各地不一（如13-15中危、≤18即有风险），以本院规定为准。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
