// Glasgow Coma Scale: eye, verbal and motor responses, listed from the best
// response down as the Chinese nursing form does.
#include "engine/tool_def.h"

namespace {

const InputChoice kEye[] = {
    {4, L"自动睁眼"},
    {3, L"呼唤睁眼"},
    {2, L"刺痛睁眼"},
    {1, L"不睁眼"},
};

const InputChoice kVerbal[] = {
    {5, L"回答正确"},
    {4, L"回答错误"},
    {3, L"吐词不清"},
    {2, L"只能发声"},
    {1, L"不能发声"},
};

const InputChoice kMotor[] = {
    {6, L"遵嘱活动"},
    {5, L"刺痛定位"},
    {4, L"刺痛躲避"},
    {3, L"刺痛肢屈（去皮质）"},
    {2, L"刺痛肢伸（去大脑）"},
    {1, L"不能活动"},
};

const InputField kInputs[] = {
    Choice("e", L"睁眼反应", L"分", 4, kEye),
    Choice("v", L"语言反应", L"分", 5, kVerbal),
    Choice("m", L"运动反应", L"分", 6, kMotor),
};

const OutputField kOutputs[] = {
    {"gcs", L"GCS总分", L"分", "e + v + m", "int"},
};

const VerdictRule kRules[] = {
    {"e < 1 || e > 4 || v < 1 || v > 5 || m < 1 || m > 6", LevelWarning, L"单项超出范围（E1-4 V1-5 M1-6）"},
    {"gcs <= 8", LevelDanger, L"GCS≤8：重度昏迷，保护气道，紧急评估",
     L"清理气道（吸痰、置通气道，必要时插管）并给氧；每15-30分钟查瞳孔和生命体征；立即通知医生。"},
    {"gcs <= 12", LevelWarning, L"GCS 9-12：中度意识障碍",
     L"报告医生；密切观察意识、瞳孔和生命体征，每次观察均记录。"},
    {"gcs <= 14", LevelNotice, L"GCS 13-14：轻度意识障碍",
     L"观察意识和瞳孔；GCS下降或出现头痛、呕吐时立即报告。"},
    {"1", LevelNormal, L"GCS 15：意识清楚"},
};

}  // namespace

extern const ToolDef kGlasgowComaScaleTool = {
    .id = 426,
    .title = L"格拉斯哥昏迷评分（GCS）",
    .subtitle = L"睁眼、语言、运动三项评分",
    .category = L"重症评分",
    .basis = L"GCS = 睁眼E(1-4) + 语言V(1-5) + 运动M(1-6)，3-15分；≤8重度，9-12中度，13-14轻度（Teasdale & Jennett 1974）",
    .note = L"三项均按最佳反应选择。气管插管者无法评语言，应分项记录E、M；不适用于婴幼儿。部分护理教材按12-14、9-11、≤8分级意识障碍，本工具用颅脑损伤分级。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
