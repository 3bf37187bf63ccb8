// RASS sedation level checked against the prescribed target band.
#include "engine/tool_def.h"

namespace {

// The observed level and both limits of the band are chosen from the same ten.
const InputChoice kLevels[] = {
    {4, L"有攻击性"}, {3, L"非常躁动"}, {2, L"躁动焦虑"}, {1, L"不安焦虑"}, {0, L"清醒平静"},
    {-1, L"昏昏欲睡"}, {-2, L"轻度镇静"}, {-3, L"中度镇静"}, {-4, L"重度镇静"}, {-5, L"昏迷(不能唤醒)"},
};

const InputField kInputs[] = {
    Choice("rass", L"当前RASS", L"分", 0, kLevels),
    Choice("tlo", L"目标下限", L"分", -2, kLevels),
    Choice("thi", L"目标上限", L"分", 0, kLevels),
};

const OutputField kOutputs[] = {
    {"score", L"RASS评分", L"分", "rass", "int"},
    {"dev", L"偏离目标", L"级", "rass > thi ? rass - thi : (rass < tlo ? rass - tlo : 0)", "int"},
    {"inband", L"在目标范围内（1是 0否）", nullptr, "dev == 0 ? 1 : 0", "int"},
};

const VerdictRule kRules[] = {
    {"tlo > thi", LevelWarning, L"目标范围颠倒：下限高于上限"},
    {"rass >= 3", LevelDanger, L"RASS+3/+4：极度躁动或攻击，立即处理",
     L"保护患者和管路安全并通知医生；加用镇静药前先评估疼痛和谵妄。"},
    {"rass > thi", LevelWarning, L"高于目标：镇静不足，先镇痛、查谵妄"},
    {"rass <= -4 && rass < tlo", LevelWarning, L"RASS-4/-5低于目标：过度镇静，减量"},
    {"rass < tlo", LevelNotice, L"低于目标：镇静偏深，考虑减量"},
    {"1", LevelNormal, L"RASS在目标镇静范围内"},
};

}  // namespace

extern const ToolDef kRassSedationTool = {
    .id = 446,
    .title = L"RASS镇静躁动评分",
    .subtitle = L"镇静深度与目标范围核对",
    .category = L"重症评分",
    .basis = L"RASS +4（有攻击性）至 -5（昏迷）；偏离 = 高于目标上限时RASS减上限，低于下限时RASS减下限，范围内为0（Sessler 2002）",
    .note = L"评估步骤：先观察；无自主清醒则呼名并嘱睁眼注视；对声音无反应再拍肩或按压胸骨。目标范围按医嘱，默认-2至0（日间浅镇静），夜间或肌松等特殊治疗可更深。过度镇静应减量并每日评估；躁动时先查疼痛和谵妄。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
