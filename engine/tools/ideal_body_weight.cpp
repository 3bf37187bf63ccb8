// Ideal (Devine), predicted (ARDSNet) and adjusted body weight for dosing and ventilation.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"sex", L"性别（男1 女0）", nullptr, 1},
    {"h", L"身高", L"cm", 170},
    {"w", L"实际体重", L"kg", 80},
};

const OutputField kOutputs[] = {
    {"ibw", L"理想体重（Devine）", L"kg", "(sex == 1 ? 50 : 45.5) + 2.3*(h/2.54 - 60)", "f1"},
    {"pbw", L"预测体重（ARDSNet）", L"kg", "(sex == 1 ? 50 : 45.5) + 0.91*(h - 152.4)", "f1"},
    {"abw", L"校正体重", L"kg", "ibw + 0.4*(w - ibw)", "f1"},
    {"pct", L"实际体重占理想体重", L"%", "w/ibw*100", "f0"},
};

const VerdictRule kRules[] = {
    {"h <= 0 || w <= 0", LevelWarning, L"请输入身高和体重"},
    {"h < 152.4", LevelNotice, L"身高<152.4cm时Devine公式未验证"},
    {"pct > 130", LevelNotice, L"实际体重>理想130%，按需用校正体重给药"},
    {"w < ibw", LevelNotice, L"实际体重低于理想体重：用实际体重"},
    {"1", LevelNormal, L"按方案选用IBW/PBW（潮气量按PBW）"},
};

}  // namespace

extern const ToolDef kIdealBodyWeightTool = {
    .id = 412,
    .title = L"理想体重与校正体重",
    .subtitle = L"理想体重、预测体重（PBW）与校正体重",
    .category = L"体格测量",
    .basis = L"IBW=50（女45.5）+2.3×(身高cm/2.54-60)（Devine）；PBW=50（女45.5）+0.91×(身高cm-152.4)（ARDSNet）；校正体重=IBW+0.4×(实际-IBW)",
    .note = L"性别：男1，女0。实际体重超过理想体重130%时按需用校正体重给药（0.4为常用系数，个别药物不同）；低于理想体重时用实际体重。潮气量按PBW计，如6 ml/kg。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
