// Brighton Paediatric Early Warning Score: three domains plus nebuliser and vomiting points.
#include "engine/tool_def.h"

namespace {

const InputChoice kBehaviour[] = {
    {0, L"玩耍/表现恰当"}, {1, L"睡眠"}, {2, L"烦躁"}, {3, L"嗜睡/模糊/痛反应弱"},
};
const InputChoice kCardiovascular[] = {
    {0, L"肤色红润/CRT 1~2s"}, {1, L"苍白/CRT 3s"}, {2, L"灰色/CRT 4s/HR+20"}, {3, L"花斑/CRT≥5s/HR+30"},
};
const InputChoice kRespiratory[] = {
    {0, L"呼吸正常，无凹陷"}, {1, L"RR+10/辅助肌/氧30%"}, {2, L"RR+20/三凹征/氧40%"}, {3, L"RR-5凹陷呻吟/氧50%"},
};
const InputChoice kNebuliser[] = {{0, L"无"}, {2, L"有"}};
const InputChoice kVomiting[] = {{0, L"无"}, {2, L"有"}};

const InputField kInputs[] = {
    Choice("beh", L"行为/意识", L"分", 0, kBehaviour),
    Choice("cv", L"心血管", L"分", 0, kCardiovascular),
    Choice("resp", L"呼吸", L"分", 0, kRespiratory),
    Choice("neb", L"每15分钟雾化", L"分", 0, kNebuliser),
    Choice("vom", L"术后持续呕吐", L"分", 0, kVomiting),
};

const OutputField kOutputs[] = {
    {"score", L"PEWS总分", L"分", "beh + cv + resp + neb + vom", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 5", LevelDanger, L"PEWS≥5：患儿高危，紧急请医生评估"},
    {"score >= 3", LevelWarning, L"PEWS 3-4：可能病重，通知医生勤观察"},
    {"1", LevelNormal, L"PEWS 0-2：继续常规观察"},
};

}  // namespace

extern const ToolDef kPewsTool = {
    .id = 449,
    .title = L"儿童早期预警评分（PEWS）",
    .subtitle = L"Brighton患儿病情恶化预警",
    .category = L"儿科",
    .basis = L"总分 = 行为 + 心血管 + 呼吸（各0-3分）+ 每15分钟雾化2分 + 术后持续呕吐2分，0-13分；3-4通知医生，≥5高危（Brighton PEWS，Monaghan 2005）",
    .note = L"心率、呼吸频率与该年龄正常值比较；CRT为毛细血管再充盈时间。心血管3分也包括心动过缓。吸氧：1分FiO2≥30%或≥4 L/min，2分≥40%或≥6 L/min，3分≥50%或≥8 L/min。单项3分即达3分。国内截点尚无统一标准，以本院规定为准。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
