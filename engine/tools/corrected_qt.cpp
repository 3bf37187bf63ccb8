// QT corrected for heart rate by Bazett and Fridericia, with separate limits for men and women.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Choice("sex", L"性别", nullptr, 1, kMaleFemaleChoices),
    Measured("qt", L"QT间期", L"ms", 400, 200, 700),
    Measured("hr", L"心率", L"次/分", 75, 20, 300),
};

// Bazett over-corrects at fast rates, so above 90/min the verdict reads Fridericia.
const OutputField kOutputs[] = {
    {"rr", L"RR间期", L"s", "60/hr", "f3"},
    {"qtcb", L"QTc（Bazett）", L"ms", "qt/sqrt(rr)", "f0"},
    {"qtcf", L"QTc（Fridericia）", L"ms", "qt/cbrt(rr)", "f0"},
    {"qtc_v", L"判定用QTc", L"ms", "hr > 90 ? qtcf : qtcb", "f0"},
};

// QTc is judged as shown (whole ms): 499.6 shows 500.
const VerdictRule kRules[] = {
    {"hr <= 0 || qt <= 0", LevelWarning, L"请输入QT间期和心率"},
    {"round(qtc_v) >= 500", LevelDanger, L"QTc≥500：尖端扭转高危，查用药与电解质"},
    {"sex == 1 && round(qtc_v) >= 450", LevelWarning, L"QTc延长（男性≥450 ms）"},
    {"sex == 0 && round(qtc_v) >= 460", LevelWarning, L"QTc延长（女性≥460 ms）"},
    {"hr < 40 || hr > 120", LevelNotice, L"心率<40或>120：心率校正不可靠"},
    {"1", LevelNormal, L"QTc正常（男<450、女<460 ms）"},
};

}  // namespace

extern const ToolDef kCorrectedQTTool = {
    .id = 414,
    .title = L"校正QT间期（QTc）",
    .subtitle = L"Bazett与Fridericia校正QT间期",
    .category = L"循环",
    .basis = L"RR=60/心率；Bazett QT/√RR，Fridericia QT/RR^(1/3)；心率>90按Fridericia判定；男≥450、女≥460 ms为延长，≥500高危（AHA/ACCF/HRS 2009）",
    .note = L"两式均显示，国产心电图机多打印Bazett值。宽QRS/束支阻滞、房颤（取数个心搏平均）或心率<40、>120时校正不可靠。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
