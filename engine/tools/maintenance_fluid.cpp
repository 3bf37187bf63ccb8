// Maintenance fluid by Holliday-Segar, hourly (4-2-1) and daily (100-50-20).
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("w", L"体重", L"kg", 20, 0.3, 350),
};

const OutputField kOutputs[] = {
    {"ml_h", L"每小时维持量（4-2-1）", L"ml/h", "w <= 10 ? 4*w : (w <= 20 ? 40 + 2*(w - 10) : 60 + (w - 20))", "f1"},
    {"ml_day", L"每日维持量（100-50-20）", L"ml/d",
     "w <= 10 ? 100*w : (w <= 20 ? 1000 + 50*(w - 10) : 1500 + 20*(w - 20))", "f0"},
    {"ml_h_day", L"日量折合每小时", L"ml/h", "ml_day/24", "f1"},
    {"ml_h_cap", L"每小时量（上限100）", L"ml/h", "min(ml_h, 100)", "f1"},
};

const VerdictRule kRules[] = {
    {"w <= 0", LevelWarning, L"请输入大于0的体重"},
    {"w >= 50", LevelNotice, L"4-2-1偏高：成人25-30ml/kg/d"},
    {"w < 3", LevelNotice, L"新生儿体重：不适用，按新生儿补液方案"},
    {"1", LevelNormal, L"仅维持量：另加累积损失与继续丢失"},
};

}  // namespace

extern const ToolDef kMaintenanceFluidTool = {
    .id = 403,
    .title = L"维持液量（4-2-1法则）",
    .subtitle = L"按体重计算每小时及每日维持液量",
    .category = L"输液用药",
    .basis = L"每小时：前10kg 4ml/kg，次10kg 2ml/kg，以上1ml/kg；每日：100-50-20 ml/kg（Holliday-Segar）；成人25-30 ml/kg/d（NICE CG174）",
    .note = L"仅为维持量，不含累积损失、继续丢失及发热增加量；不用于新生儿（<28天）。两种算法在20kg以上略有差异；成人多限每小时100ml。患儿病重时宜用等渗液。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
