// Hendrich II Fall Risk Model: weighted risk factors plus the Get-Up-and-Go test.
#include "engine/tool_def.h"

namespace {

const InputChoice kConfusion[] = {{0, L"无"}, {4, L"有"}};
const InputChoice kDepression[] = {{0, L"无"}, {2, L"有"}};
const InputChoice kElimination[] = {{0, L"无"}, {1, L"有(失禁/尿频等)"}};
const InputChoice kDizziness[] = {{0, L"无"}, {1, L"有"}};
const InputChoice kAntiepileptic[] = {{0, L"无"}, {2, L"使用"}};
const InputChoice kBenzodiazepine[] = {{0, L"无"}, {1, L"使用"}};
const InputChoice kGetUpAndGo[] = {
    {0, L"一次起立，步态稳"}, {1, L"需撑扶，一次成功"}, {3, L"多次尝试后成功"}, {4, L"不能独立起立"},
};

const InputField kInputs[] = {
    Choice("conf", L"意识模糊/定向障碍/冲动", L"分", 0, kConfusion),
    Choice("dep", L"抑郁表现", L"分", 0, kDepression),
    Choice("elim", L"排泄改变", L"分", 0, kElimination),
    Choice("dizzy", L"头晕/眩晕", L"分", 0, kDizziness),
    Choice("male", L"性别", L"分", 0, kFemaleMaleChoices),
    Choice("aed", L"抗癫痫药", L"分", 0, kAntiepileptic),
    Choice("bzd", L"苯二氮䓬类药", L"分", 0, kBenzodiazepine),
    Choice("gug", L"起立-行走试验", L"分", 0, kGetUpAndGo),
};

const OutputField kOutputs[] = {
    {"score", L"Hendrich II总分", L"分", "conf + dep + elim + dizzy + male + aed + bzd + gug", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 5", LevelDanger, L"Hendrich≥5：跌倒高危，落实预防措施",
     L"床头警示，拉起床栏，呼叫器放手边，行走有人陪同；请医生评估镇静药和抗癫痫药；每班复评。"},
    {"1", LevelNormal, L"Hendrich<5：跌倒风险较低，每班复评"},
};

}  // namespace

extern const ToolDef kHendrichFallRiskTool = {
    .id = 443,
    .title = L"Hendrich II跌倒风险评估",
    .subtitle = L"成人住院患者跌倒风险模型",
    .category = L"护理评估",
    .basis = L"意识模糊/定向障碍/冲动4 + 抑郁2 + 排泄改变1 + 头晕/眩晕1 + 男性1 + 抗癫痫药2 + 苯二氮䓬类1 + 起立-行走试验0/1/3/4，0-16分；≥5高危（Hendrich 2003）",
    .note = L"排泄改变指失禁、尿急、尿频、夜尿或腹泻。起立-行走试验：患者坐位、双手放膝上，请其站起走几步：只用双腿一次站起且平稳0分；需用手或助行器撑起、一次成功1分；多次尝试才成功3分；无人协助不能站起4分。低于5分者每班及病情变化时复评。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
