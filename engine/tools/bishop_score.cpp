// Bishop cervical score with the Chinese textbook bands for induction.
#include "engine/tool_def.h"

namespace {

const InputChoice kDilation[] = {
    {0, L"宫口未开(0 cm)"}, {1, L"开大1~2 cm"}, {2, L"开大3~4 cm"}, {3, L"开大≥5 cm"},
};
const InputChoice kEffacement[] = {
    {0, L"消退0~30%"}, {1, L"消退40~50%"}, {2, L"消退60~70%"}, {3, L"消退≥80%"},
};
const InputChoice kStation[] = {
    {0, L"先露-3"}, {1, L"先露-2"}, {2, L"先露-1或0"}, {3, L"先露+1或+2"},
};
const InputChoice kConsistency[] = {
    {0, L"硬"}, {1, L"中"}, {2, L"软"},
};
const InputChoice kPosition[] = {
    {0, L"朝后"}, {1, L"居中"}, {2, L"朝前"},
};

const InputField kInputs[] = {
    Choice("dil", L"宫口开大", L"分", 0, kDilation),
    Choice("eff", L"宫颈管消退", L"分", 0, kEffacement),
    Choice("sta", L"先露位置", L"分", 0, kStation),
    Choice("cons", L"宫颈硬度", L"分", 0, kConsistency),
    Choice("pos", L"宫口位置", L"分", 0, kPosition),
};

const OutputField kOutputs[] = {
    {"score", L"Bishop评分", L"分", "dil + eff + sta + cons + pos", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 10", LevelNormal, L"Bishop>9：宫颈成熟，引产几乎均成功"},
    {"score >= 7", LevelNormal, L"Bishop 7-9：成熟，引产成功约80%"},
    {"score >= 6", LevelNotice, L"Bishop 6：达成熟线，但成功率约50%"},
    {"score >= 4", LevelNotice, L"Bishop 4-5：未成熟，先促宫颈成熟",
     L"先促宫颈成熟（前列腺素E2或宫颈球囊），缩宫素引产前再次评分。"},
    {"1", LevelWarning, L"Bishop≤3：未成熟，引产多失败，先促熟",
     L"先促宫颈成熟（前列腺素E2或宫颈球囊），缩宫素引产前再次评分。"},
};

}  // namespace

extern const ToolDef kBishopScoreTool = {
    .id = 450,
    .title = L"Bishop宫颈成熟度评分",
    .subtitle = L"引产前宫颈条件评估",
    .category = L"产科",
    .basis = L"总分 = 宫口开大 + 宫颈管消退 + 先露位置（各0-3分）+ 宫颈硬度 + 宫口位置（各0-2分），0-13分；≥6提示宫颈成熟，7-9引产成功约80%，>9几乎均成功，≤3多失败（Bishop 1964，国内教材）",
    .note = L"阴道检查后逐项选择；各项默认为最低分，须按检查结果改选。宫颈管未消退时长2-3 cm；先露位置以坐骨棘平面为0。国外多以≥8为宫颈条件良好。改良Bishop评分（以宫颈长度代替消退）未采用。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
