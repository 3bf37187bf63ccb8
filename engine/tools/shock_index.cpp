// Shock index, graded as Chinese teaching grades it, and the modified index on MAP.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("hr", L"心率", L"次/分", 80, 20, 300),
    Measured("sbp", L"收缩压", L"mmHg", 120, 30, 300),
    Measured("dbp", L"舒张压（未测填0）", L"mmHg", 80, 0, 200),
};

const OutputField kOutputs[] = {
    {"si", L"休克指数（SI）", nullptr, "hr/sbp", "f2"},
    {"msi", L"改良休克指数（MSI）", nullptr, "dbp > 0 ? hr/(dbp > 0 ? dbp + (sbp - dbp)/3 : 1) : 0", "f2"},
};

// SI is judged as shown (two decimals): 0.996 shows 1.00.
const VerdictRule kRules[] = {
    {"hr <= 0 || sbp <= 0 || dbp < 0 || (dbp > 0 && dbp >= sbp)", LevelWarning,
     L"请输入心率和收缩压，舒张压应低于收缩压"},
    {"round(si*100)/100 >= 2", LevelDanger, L"SI≥2.0：重度休克（失血50-70%）"},
    {"round(si*100)/100 >= 1.5", LevelDanger, L"SI≥1.5：中度休克（失血30-50%）"},
    {"round(si*100)/100 >= 1.0", LevelWarning, L"SI≥1.0：提示休克（失血约10-30%）"},
    {"round(si*100)/100 > 0.7", LevelNotice, L"SI高于正常0.5-0.7：请复评"},
    {"round(si*100)/100 < 0.5", LevelNormal, L"SI<0.5：无休克征象（心率慢或血压高）"},
    {"1", LevelNormal, L"SI正常（0.5-0.7）：无休克征象"},
};

}  // namespace

extern const ToolDef kShockIndexTool = {
    .id = 415,
    .title = L"休克指数",
    .subtitle = L"心率/收缩压评估休克程度，附改良SI",
    .category = L"循环",
    .basis = L"SI = 心率 ÷ 收缩压；改良SI = 心率 ÷ MAP，MAP = 舒张压 + (收缩压-舒张压)/3。SI≥1.0/≥1.5/≥2.0为轻/中/重度休克（国内教材）",
    .note = L"未测舒张压时填0，此时改良休克指数显示0。β受体阻滞剂、起搏器、心律失常、慢性高血压及妊娠时可致误判（产科界值不同）。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
