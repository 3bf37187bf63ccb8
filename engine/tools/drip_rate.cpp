// Gravity drip rate from volume and time, and the time a given drip rate takes.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"vol", L"输液总量", L"ml", 500},
    {"t_h", L"计划输液时间", L"小时", 2},
    {"df", L"输液器滴系数", L"滴/ml", 20},
    {"gtt", L"实际滴速（可不填）", L"滴/分", 0},
    {"grp", L"特殊人群（是1 否0）", nullptr, 0},
};

const OutputField kOutputs[] = {
    {"gpm", L"所需滴速", L"滴/分", "vol*df/(t_h*60)", "f1"},
    {"gpm_int", L"应调滴速（取整）", L"滴/分", "round(gpm)", "int"},
    {"ml_h", L"每小时输液量", L"ml/h", "vol/t_h", "f0"},
    {"t_from_gtt", L"按实际滴速所需时间", L"小时", "gtt > 0 ? vol*df/((gtt > 0 ? gtt : 1)*60) : 0", "f2"},
    {"mlh_from_gtt", L"实际滴速折合每小时量", L"ml/h", "gtt > 0 ? gtt*60/df : 0", "f0"},
    {"rate_used", L"用于判断的滴速", L"滴/分", "gtt > 0 ? gtt : gpm", "f0"},
};

const VerdictRule kRules[] = {
    {"vol <= 0 || df <= 0 || t_h <= 0", LevelWarning, L"请输入大于0的液量、时间和滴系数"},
    {"grp == 1 && rate_used > 40", LevelWarning, L"快于儿童、老人及心肺病人20-40滴/分"},
    {"grp == 0 && rate_used > 60", LevelNotice, L"快于成人40-60滴/分，核对医嘱及药物限速"},
    {"1", LevelNormal, L"滴速在常用范围内"},
};

}  // namespace

extern const ToolDef kDripRateTool = {
    .id = 406,
    .title = L"输液滴速与输液时间",
    .subtitle = L"按液量和时间算滴速，或按滴速算时间",
    .category = L"输液用药",
    .basis = L"滴速(滴/分) = 液量(ml)×滴系数(滴/ml) ÷ 时间(分)；时间(小时) = 液量×滴系数 ÷ (滴速×60)；常用滴速为护理经验值",
    .note = L"滴系数见输液器包装（常用10、15、20，小儿微量60）；实际滴速不用时填0。儿童、老年及心肺疾病患者填1。药物自有限速（如补钾、万古霉素）优先。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
