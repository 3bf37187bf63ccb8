// First-day IV fluid plan for infant diarrhoea with dehydration: how much,
// what strength and how fast, as the Chinese paediatrics textbook teaches it.
#include "engine/tool_def.h"

namespace {

const InputChoice kDegree[] = {{1, L"轻度脱水"}, {2, L"中度脱水"}, {3, L"重度脱水"}};
const InputChoice kType[] = {{1, L"等渗性"}, {2, L"低渗性"}, {3, L"高渗性"}, {4, L"性质不明"}};

const InputField kInputs[] = {
    Measured("w", L"体重", L"kg", 10, 2, 30),
    Choice("deg", L"脱水程度", nullptr, 1, kDegree),
    Choice("typ", L"脱水性质", nullptr, 1, kType),
    Choice("shock", L"周围循环衰竭", nullptr, 0, kNoYesChoices),
};

// The volume expansion comes out of the deficit phase, not on top of the day.
const OutputField kOutputs[] = {
    {"tot_lo", L"第1天补液总量下限", L"ml", "w*(deg == 1 ? 90 : (deg == 2 ? 120 : 150))", "f0"},
    {"tot_hi", L"第1天补液总量上限", L"ml", "w*(deg == 1 ? 120 : (deg == 2 ? 150 : 180))", "f0"},
    {"def_lo", L"累积损失量下限", L"ml", "w*(deg == 1 ? 30 : (deg == 2 ? 50 : 100))", "f0"},
    {"def_hi", L"累积损失量上限", L"ml", "w*(deg == 1 ? 50 : (deg == 2 ? 100 : 120))", "f0"},
    {"ton", L"累积损失补液张力", L"张", "typ == 2 ? 2/3 : (typ == 3 ? 1/3 : 0.5)", "f2"},
    {"exp_ml", L"扩容量（2:1等张含钠液）", L"ml", "shock == 1 ? 20*w : 0", "f0"},
    {"ph1_lo", L"补累积损失阶段（8-12 h）下限", L"ml", "tot_lo/2 - exp_ml", "f0"},
    {"ph1_hi", L"补累积损失阶段（8-12 h）上限", L"ml", "tot_hi/2 - exp_ml", "f0"},
    {"r1_lo", L"补累积损失阶段速度下限", L"ml/h", "8*w", "f0"},
    {"r1_hi", L"补累积损失阶段速度上限", L"ml/h", "10*w", "f0"},
    {"ph2_lo", L"维持补液阶段（12-16 h）下限", L"ml", "tot_lo/2", "f0"},
    {"ph2_hi", L"维持补液阶段（12-16 h）上限", L"ml", "tot_hi/2", "f0"},
    {"r2", L"维持补液阶段速度", L"ml/h", "5*w", "f0"},
    {"maint_lo", L"生理需要量下限", L"ml/d", "60*w", "f0"},
    {"maint_hi", L"生理需要量上限", L"ml/d", "80*w", "f0"},
};

const VerdictRule kRules[] = {
    {"w <= 0", LevelWarning, L"请填写体重"},
    {"shock == 1 && deg < 3", LevelWarning, L"有周围循环衰竭即属重度脱水，请改选重度"},
    {"shock == 1", LevelDanger, L"重度脱水伴休克：先2:1液20ml/kg扩容"},
    {"deg == 3", LevelDanger, L"重度脱水：立即静脉补液，见尿补钾"},
    {"deg == 2", LevelWarning, L"中度脱水：口服ORS（6h内）或按静脉方案"},
    {"1", LevelNotice, L"轻度脱水：先口服ORS，无效再静脉补液"},
};

}  // namespace

extern const ToolDef kDehydrationFluidTool = {
    .id = 452,
    .title = L"小儿腹泻脱水补液",
    .subtitle = L"婴幼儿腹泻首日补液：定量、定性、定速",
    .category = L"儿科",
    .basis = L"首日总量轻度90-120、中度120-150、重度150-180 ml/kg；等渗1/2张、低渗2/3张、高渗1/3张；休克先2:1液20 ml/kg扩容；前8-12 h补半量，余下12-16 h补完（儿科学“三定”）",
    .note = L"轻度失水约体重5%，中度5-10%，重度>10%；有周围循环衰竭（四肢厥冷、脉弱、无尿）即属重度。扩容液于30-60分钟内输入。轻度先口服ORS 50-60 ml/kg，4 h内服完；中度ORS 70-100 ml/kg，6 h内服完。见尿补钾（浓度≤0.3%）；纠正酸中毒、补钙另行处理，本工具不计算。体重上限30 kg（每公斤量为婴幼儿数值）。为首日起始方案，每数小时按尿量和电解质复评调整；重度脱水或心、肾衰竭不宜口服ORS，新生儿慎用。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
