// Ideal (Devine), predicted (ARDSNet) and adjusted body weight for dosing and ventilation.
#include "engine/tool_def.h"

namespace {

// A short adult is a real patient: heights down to 50 cm are taken and the
// verdict says when the adult formulas stop applying.
const InputField kInputs[] = {
    Choice("sex", L"性别", nullptr, 1, kMaleFemaleChoices),
    Measured("h", L"身高", L"cm", 170, 50, 250),
    Measured("w", L"实际体重", L"kg", 80, 10, 350),
};

const OutputField kOutputs[] = {
    {"ibw", L"理想体重（Devine）", L"kg", "(sex == 1 ? 50 : 45.5) + 2.3*(h/2.54 - 60)", "f1"},
    {"pbw", L"预测体重（ARDSNet）", L"kg", "(sex == 1 ? 50 : 45.5) + 0.91*(h - 152.4)", "f1"},
    {"abw", L"校正体重", L"kg", "ibw + 0.4*(w - ibw)", "f1"},
    {"pct", L"实际体重占理想体重", L"%", "ibw > 0 ? w/(ibw > 0 ? ibw : 1)*100 : 0", "f0"},
};

// % of IBW and IBW are judged as shown.
const VerdictRule kRules[] = {
    {"h < 120 || w <= 0", LevelWarning, L"身高<120cm或无体重：成人公式不适用"},
    {"h < 152.4", LevelNotice, L"身高<152.4cm时Devine公式未验证"},
    {"round(pct) > 130", LevelNotice, L"实际体重>理想130%，按需用校正体重给药"},
    {"w < round(ibw*10)/10", LevelNotice, L"实际体重低于理想体重：用实际体重"},
    {"1", LevelNormal, L"按方案选用IBW/PBW（潮气量按PBW）"},
};

}  // namespace

extern const ToolDef kIdealBodyWeightTool = {
    .id = 412,
    .title = L"理想体重与校正体重",
    .subtitle = L"理想体重、预测体重（PBW）与校正体重",
    .category = L"体格测量",
    .basis = L"IBW=50（女45.5）+2.3×(身高cm/2.54-60)（Devine）；PBW=50（女45.5）+0.91×(身高cm-152.4)（ARDSNet）；校正体重=IBW+0.4×(实际-IBW)",
    .note = L"实际体重超过理想体重130%时按需用校正体重给药（0.4为常用系数，个别药物不同）；低于理想体重时用实际体重。潮气量按PBW计，如6 ml/kg。理想体重不为正时占比显示0。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
