// Body surface area by Mosteller, DuBois and the two formulas taught in China.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("h", L"身高", L"cm", 170, 20, 250),
    Measured("w", L"体重", L"kg", 65, 0.3, 350),
    Choice("sex", L"性别", nullptr, 1, kMaleFemaleChoices),
};

// The paediatric rule has no age to go by, so it is shown for any weight.
const OutputField kOutputs[] = {
    {"mosteller", L"体表面积（Mosteller）", L"m²", "sqrt(h*w/3600)", "f2"},
    {"dubois", L"体表面积（DuBois）", L"m²", "0.007184*h^0.725*w^0.425", "f2"},
    {"cn_male", L"国内成年男性公式（女性为0）", L"m²", "sex == 1 ? 0.00607*h + 0.0127*w - 0.0698 : 0", "f2"},
    {"cn_child", L"国内儿童体重公式（仅儿童）", L"m²",
     "w <= 30 ? 0.035*w + 0.1 : (w <= 50 ? 1.05 + (w - 30)*0.02 : 1.45 + (w - 50)*0.01)", "f2"},
};

// The two are compared as shown (two decimals).
const VerdictRule kRules[] = {
    {"h <= 0 || w <= 0", LevelWarning, L"请输入身高和体重"},
    {"abs(round(mosteller*100) - round(dubois*100)) > 10", LevelNotice, L"两式相差>0.1m²：按本院化疗方案选用"},
    {"1", LevelNormal, L"两式相差≤0.1m²：按方案指定的公式选用"},
};

}  // namespace

extern const ToolDef kBodySurfaceAreaTool = {
    .id = 411,
    .title = L"体表面积",
    .subtitle = L"Mosteller等多种公式计算BSA",
    .category = L"体格测量",
    .basis = L"Mosteller √(cm×kg/3600)；DuBois 0.007184×cm^0.725×kg^0.425；国内男性0.00607×cm+0.0127×kg-0.0698；国内儿童按体重（见说明）",
    .note = L"国内男性公式仅用于男性。儿童公式只用于儿童：≤30 kg为0.035×kg+0.1；30-50 kg每增5 kg加0.1 m²（1.05+0.02×(kg-30)）；>50 kg每增10 kg加0.1 m²（1.45+0.01×(kg-50)）。体型极端时各公式相差较大，以本院化疗/用药方案指定的公式为准。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
