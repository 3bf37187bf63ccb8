// Total iron deficit for intravenous iron (Ganzoni), stores by body weight.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("w", L"体重", L"kg", 60, 1, 350),
    Number("hb_t", L"目标血红蛋白", L"g/L", 150, 90, 160),
    Measured("hb", L"实际血红蛋白", L"g/L", 100, 20, 250),
};

const OutputField kOutputs[] = {
    {"stores", L"储存铁", L"mg", "w < 35 ? 15*w : 500", "f0"},
    {"hb_part", L"纠正血红蛋白需铁", L"mg", "w*max(hb_t - hb, 0)*0.24", "f0"},
    {"total", L"总缺铁量", L"mg", "hb_part + stores", "f0"},
    {"total_kg", L"每公斤缺铁量", L"mg/kg", "w > 0 ? total/(w > 0 ? w : 1) : 0", "f1"},
};

const VerdictRule kRules[] = {
    {"w <= 0 || hb <= 0", LevelWarning, L"请输入大于0的体重和血红蛋白"},
    {"hb < 70", LevelWarning, L"Hb<70 g/L：公式低估需要量，评估输血"},
    {"hb >= hb_t", LevelNormal, L"Hb已达目标：仅为储存铁，请确认缺铁"},
    {"w < 35", LevelNotice, L"<35kg：储存铁15mg/kg，分次给药"},
    {"1", LevelNotice, L"静脉补铁累计需要量：请分次给药"},
};

}  // namespace

extern const ToolDef kIronDeficitTool = {
    .id = 464,
    .title = L"缺铁量计算（Ganzoni公式）",
    .subtitle = L"静脉补铁总需要量",
    .category = L"输液用药",
    .basis = L"总缺铁量(mg) = 体重 × (目标Hb − 实际Hb, g/L) × 0.24 + 储存铁；储存铁：体重≥35 kg为500 mg，<35 kg为15 mg/kg（Ganzoni 1970）",
    .note = L"肥胖者用理想体重。成人目标Hb按公式取150 g/L，<35 kg常用130 g/L，也有按WHO女120、男130 g/L。所得为累计总量，单次最大剂量、试验剂量及目标Hb以所用铁剂（蔗糖铁、右旋糖酐铁等）说明书为准。仅用于已证实缺铁的贫血。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
