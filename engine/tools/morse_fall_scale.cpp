// Morse Fall Scale with Morse's item weights and the Chinese >=45 high-risk cut-off.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"fall", L"跌倒史（是1 否0）", nullptr, 0},
    {"dx2", L"多项诊断（是1 否0）", nullptr, 0},
    {"aid", L"行走辅助（0-2）", nullptr, 0},
    {"iv", L"静脉输液（是1 否0）", nullptr, 0},
    {"gait", L"步态（0-2）", nullptr, 0},
    {"ment", L"精神状态（0-1）", nullptr, 0},
};

const OutputField kOutputs[] = {
    {"score", L"Morse评分", L"分",
     "25*fall + 15*dx2 + (aid == 1 ? 15 : (aid == 2 ? 30 : 0)) + 20*iv + (gait == 1 ? 10 : (gait == 2 ? 20 : 0)) + "
     "15*ment",
     "int"},
};

const VerdictRule kRules[] = {
    {"score >= 45", LevelDanger, L"Morse≥45：高危，落实高危防跌倒措施"},
    {"score >= 25", LevelWarning, L"Morse 25-44：中危，常规防跌倒措施"},
    {"1", LevelNormal, L"Morse 0-24：低危，基础护理"},
};

}  // namespace

extern const ToolDef kMorseFallScaleTool = {
    .id = 428,
    .title = L"Morse跌倒风险评估",
    .subtitle = L"住院患者跌倒风险六项评分",
    .category = L"护理评估",
    .basis = L"跌倒史25 + 多项诊断15 + 行走辅助0/15/30 + 静脉输液20 + 步态0/10/20 + 精神状态0/15，0-125分；≥45高危，25-44中危（Morse 1989）",
    .note = L"跌倒史指近3个月或本次住院内跌倒。行走辅助：0无/卧床/护士扶助/轮椅，1拐杖/手杖/助行器，2扶家具行走。步态：0正常/卧床/轮椅，1虚弱，2受损。精神状态：0能正确评估自身能力，1高估或忘记自身限制。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
