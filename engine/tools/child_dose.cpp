// Weight-based dose for a child, capped at the maximum (adult) dose.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("w", L"实测体重", L"kg", 15, 0.3, 150),
    Number("dpk", L"每公斤剂量", L"mg/kg", 10, 0.001, 1000),
    Number("maxd", L"最大剂量（0为不限）", L"mg", 0, 0, 100000),
    Number("freq", L"每日给药次数", L"次/日", 1, 1, 24),
};

const OutputField kOutputs[] = {
    {"raw", L"按体重计算剂量", L"mg", "w*dpk", "f1"},
    {"dose", L"实给剂量（限量后）", L"mg", "maxd > 0 ? min(w*dpk, maxd) : w*dpk", "f1"},
    {"daily", L"每日总量", L"mg/日", "dose*freq", "f1"},
};

// The cap is judged on the dose as shown, to one decimal.
const VerdictRule kRules[] = {
    {"w <= 0 || dpk <= 0 || maxd < 0 || freq < 1 || freq != floor(freq)", LevelWarning,
     L"请核对：体重、剂量>0，每日次数为整数"},
    {"maxd > 0 && round(raw*10)/10 > maxd", LevelWarning, L"超过最大/成人剂量，已按最大剂量计"},
    {"maxd > 0", LevelNormal, L"未超过最大剂量；请核对药典范围"},
    {"1", LevelNormal, L"未设最大剂量：请对照药典和成人剂量"},
};

}  // namespace

extern const ToolDef kChildDoseTool = {
    .id = 436,
    .title = L"儿童按体重给药剂量",
    .subtitle = L"按mg/kg计算剂量，不超过成人量",
    .category = L"儿科",
    .basis = L"剂量 = 体重(kg) × 每公斤剂量(mg/kg)，不超过最大（成人）剂量；每日总量 = 剂量 × 每日次数。儿科：按体重计算超过成人量时以成人量为限",
    .note = L"每公斤剂量与最大剂量按同一时段填写：都按每次，或都按每日（此时次数填1）。体重用实测值。不含药品数据，剂量范围按说明书或医嘱。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
