// Gravity drip rate from volume and time, and the time a given drip rate takes.
#include "engine/tool_def.h"

namespace {

const InputChoice kDropFactors[] = {
    {10, L"10滴/ml"},
    {15, L"15滴/ml"},
    {20, L"20滴/ml"},
    {60, L"60滴/ml（微滴）"},
};

const InputChoice kGroups[] = {
    {0, L"成人"},
    {1, L"儿童/老人/心肺疾病"},
};

const InputField kInputs[] = {
    Number("vol", L"输液总量", L"ml", 500, 1, 5000),
    Number("t_h", L"计划输液时间", L"小时", 3, 0.1, 48),
    Choice("df", L"输液器滴系数", nullptr, 20, kDropFactors),
    Number("gtt", L"实际滴速（可不填）", L"滴/分", 0, 0, 200),
    Choice("grp", L"患者人群", nullptr, 0, kGroups),
};

const OutputField kOutputs[] = {
    {"gpm", L"所需滴速", L"滴/分", "vol*df/(t_h*60)", "f1"},
    {"gpm_int", L"应调滴速（取整）", L"滴/分", "round(gpm)", "int"},
    {"ml_h", L"每小时输液量", L"ml/h", "vol/t_h", "f0"},
    {"t_from_gtt", L"按实际滴速所需时间", L"小时", "gtt > 0 ? vol*df/((gtt > 0 ? gtt : 1)*60) : 0", "f2"},
    {"mlh_from_gtt", L"实际滴速折合每小时量", L"ml/h", "gtt > 0 ? gtt*60/df : 0", "f0"},
    {"rate_used", L"用于判断的滴速", L"滴/分", "gtt > 0 ? gtt : gpm", "f0"},
};

// Judged on the whole drops a minute that are set: 40.4 is set as 40, not above 40.
const VerdictRule kRules[] = {
    {"vol <= 0 || df <= 0 || t_h <= 0 || gtt < 0", LevelWarning, L"液量、时间、滴系数须>0，实际滴速≥0"},
    {"grp == 1 && round(rate_used) > 40", LevelWarning, L"超过40滴/分：对儿童、老人及心肺病人过快",
     L"除医嘱另有要求外，减慢至不超过40滴/分；观察有无气促、咳嗽、咳泡沫痰。"},
    {"grp == 0 && round(rate_used) > 60", LevelNotice, L"超过成人常用40-60滴/分，核对医嘱与限速"},
    {"grp == 1", LevelNormal, L"不超过40滴/分：儿童、老人及心肺病人可接受"},
    {"1", LevelNormal, L"不超过60滴/分：在成人常用滴速内"},
};

}  // namespace

extern const ToolDef kDripRateTool = {
    .id = 406,
    .title = L"输液滴速与输液时间",
    .subtitle = L"按液量和时间算滴速，或按滴速算时间",
    .category = L"输液用药",
    .basis = L"滴速(滴/分) = 液量(ml)×滴系数(滴/ml) ÷ 时间(分)；时间(小时) = 液量×滴系数 ÷ (滴速×60)；常用滴速为护理经验值",
    .note = L"滴系数以输液器包装所标为准；实际滴速不用时填0。常用滴速：成人40-60滴/分，儿童20-40，老年不超过40，心肺疾病者更慢。药物自有限速（如补钾、万古霉素）优先。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
