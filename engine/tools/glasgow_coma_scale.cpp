// Glasgow Coma Scale: eye, verbal and motor responses, each entered as its points.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"e", L"睁眼反应（1-4）", L"分", 4},
    {"v", L"语言反应（1-5）", L"分", 5},
    {"m", L"运动反应（1-6）", L"分", 6},
};

const OutputField kOutputs[] = {
    {"gcs", L"GCS总分", L"分", "e + v + m", "int"},
};

const VerdictRule kRules[] = {
    {"e < 1 || e > 4 || v < 1 || v > 5 || m < 1 || m > 6", LevelWarning, L"单项超出范围（E1-4 V1-5 M1-6）"},
    {"gcs <= 8", LevelDanger, L"GCS≤8：重度昏迷，保护气道，紧急评估"},
    {"gcs <= 12", LevelWarning, L"GCS 9-12：中度意识障碍"},
    {"gcs <= 14", LevelNotice, L"GCS 13-14：轻度意识障碍"},
    {"1", LevelNormal, L"GCS 15：意识清楚"},
};

}  // namespace

extern const ToolDef kGlasgowComaScaleTool = {
    .id = 426,
    .title = L"格拉斯哥昏迷评分（GCS）",
    .subtitle = L"睁眼、语言、运动三项评分",
    .category = L"重症评分",
    .basis = L"GCS = 睁眼E(1-4) + 语言V(1-5) + 运动M(1-6)，3-15分；≤8重度，9-12中度，13-14轻度（Teasdale & Jennett 1974）",
    .note = L"睁眼：4自动 3呼唤 2刺痛 1无。语言：5定向正确 4错乱 3用词不当 2只能发声 1无。运动：6遵嘱 5刺痛定位 4刺痛回缩 3异常屈曲 2伸直 1无。气管插管者无法评语言，应分项记录E、M；不适用于婴幼儿。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
