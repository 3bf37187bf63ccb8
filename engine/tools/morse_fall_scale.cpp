// Morse Fall Scale with Morse's item weights and the Chinese >=45 high-risk
// cut-off; each choice is worth its points and the score is their sum.
#include "engine/tool_def.h"

namespace {

const InputChoice kFall[] = {
    {0, L"无"},
    {25, L"有"},
};

const InputChoice kSecondDiagnosis[] = {
    {0, L"无"},
    {15, L"有"},
};

// The form's "none / bed rest / wheelchair / nurse assists", shortened to fit.
const InputChoice kAid[] = {
    {0, L"无/卧床/轮椅/护士扶"},
    {15, L"拐杖/手杖/助行器"},
    {30, L"依扶家具行走"},
};

const InputChoice kInfusion[] = {
    {0, L"否"},
    {20, L"是"},
};

const InputChoice kGait[] = {
    {0, L"正常/卧床/轮椅"},
    {10, L"虚弱"},
    {20, L"受损"},
};

const InputChoice kMentalStatus[] = {
    {0, L"正确评估自身能力"},
    {15, L"高估/忘记自身限制"},
};

const InputField kInputs[] = {
    Choice("fall", L"跌倒史", L"分", 0, kFall),
    Choice("dx2", L"超过一个疾病诊断", L"分", 0, kSecondDiagnosis),
    Choice("aid", L"行走辅助", L"分", 0, kAid),
    Choice("iv", L"静脉输液/留置针", L"分", 0, kInfusion),
    Choice("gait", L"步态", L"分", 0, kGait),
    Choice("ment", L"精神状态", L"分", 0, kMentalStatus),
};

const OutputField kOutputs[] = {
    {"score", L"Morse评分", L"分", "fall + dx2 + aid + iv + gait + ment", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 45", LevelDanger, L"Morse≥45：高危，落实高危防跌倒措施",
     L"挂防跌倒标识，拉起双侧床栏，呼叫器放手边，专人陪护，安排近护士站，夜间巡视；告知医生；病情变化时复评。"},
    {"score >= 25", LevelWarning, L"Morse 25-44：中危，常规防跌倒措施",
     L"光线充足，地面干燥无障碍，呼叫器和用物放手边，起身宜慢，行走有人陪；病情变化时复评。"},
    {"1", LevelNormal, L"Morse 0-24：低危，基础护理", L"一般安全措施；病情变化时复评。"},
};

}  // namespace

extern const ToolDef kMorseFallScaleTool = {
    .id = 428,
    .title = L"Morse跌倒风险评估",
    .subtitle = L"住院患者跌倒风险六项评分",
    .category = L"护理评估",
    .basis = L"跌倒史25 + 多项诊断15 + 行走辅助0/15/30 + 静脉输液20 + 步态0/10/20 + 精神状态0/15，0-125分；≥45高危，25-44中危（Morse 1989）",
    .note = L"跌倒史指近3个月内或本次住院期间跌倒；行走辅助“护士扶”即由护士扶助行走。入院1小时内首评，病情变化时复评。界值各院不一（Morse建议各院自定），以本院规定为准。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
