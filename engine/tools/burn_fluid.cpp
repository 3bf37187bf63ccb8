// Burn resuscitation volumes by Parkland and by the Chinese textbook formula,
// with late-start rates counted from the burn.
#include "engine/tool_def.h"

namespace {

const InputChoice kAgeGroup[] = {
    {0, L"成人"},
    {1, L"儿童"},
    {2, L"婴儿"},
};

const InputField kInputs[] = {
    Measured("w", L"体重", L"kg", 60, 1, 350),
    Measured("tbsa", L"Ⅱ+Ⅲ度烧伤面积", L"%", 20, 1, 100),
    Measured("tbsa3", L"其中Ⅲ度面积", L"%", 0, 0, 100),
    Choice("ped", L"年龄组", nullptr, 0, kAgeGroup),
    Measured("t", L"伤后时间", L"小时", 0, 0, 24),
    Number("given", L"伤后已输液量", L"ml", 0, 0, 50000),
};

// Parkland from hour 8 carries any shortfall over the hours left to hour 24;
// the Chinese rates stay the plan from the burn. Children's basal water
// follows the 100-50-20 ml/kg/day rule.
const OutputField kOutputs[] = {
    {"pk24", L"Parkland：伤后24小时总量", L"ml", "4*w*tbsa", "f0"},
    {"pk8", L"Parkland：前8小时量（半量）", L"ml", "pk24/2", "f0"},
    {"pk_rate8", L"Parkland：前8小时余量速度", L"ml/h", "t < 8 ? max(pk8 - given, 0)/(t < 8 ? 8 - t : 1) : 0", "f0"},
    {"pk_rate16", L"Parkland：第8-24小时速度", L"ml/h",
     "t < 8 ? pk24/2/16 : (t < 24 ? max(pk24 - given, 0)/(t < 24 ? 24 - t : 1) : 0)", "f0"},
    {"cn_coef", L"国内公式系数", L"ml/(kg·%)", "ped == 0 ? 1.5 : (ped == 1 ? 1.8 : 2.0)", "f1"},
    {"cn_cc", L"国内：第1个24小时胶晶体量", L"ml", "cn_coef*w*tbsa", "f0"},
    {"cn_cryst", L"其中晶体液（2:1）", L"ml", "cn_cc*2/3", "f0"},
    {"cn_colloid", L"其中胶体液（2:1）", L"ml", "cn_cc/3", "f0"},
    {"cn_water", L"基础水分（5%葡萄糖）", L"ml/d",
     "ped == 0 ? 2000 : (w <= 10 ? 100*w : (w <= 20 ? 1000 + 50*(w - 10) : 1500 + 20*(w - 20)))", "f0"},
    {"cn_d1", L"国内：第1个24小时总量", L"ml", "cn_cc + cn_water", "f0"},
    {"cn_rate8", L"国内：前8小时速度", L"ml/h", "cn_cc/2/8 + cn_water/24", "f0"},
    {"cn_rate16", L"国内：第8-24小时速度", L"ml/h", "cn_cc/2/16 + cn_water/24", "f0"},
    {"cn_d2", L"国内：第2个24小时总量", L"ml", "cn_cc/2 + cn_water", "f0"},
    {"pk_left", L"Parkland：24小时内尚需输液量", L"ml", "max(pk24 - given, 0)", "f0"},
};

// Children are graded on the paediatric bands, adults on the adult ones.
const VerdictRule kRules[] = {
    {"w <= 0 || tbsa <= 0 || tbsa > 100 || tbsa3 < 0 || tbsa3 > tbsa || t < 0 || t > 24 || given < 0",
     LevelWarning, L"核对：面积>0、Ⅲ度≤总面积、伤后0-24h"},
    {"ped >= 1 && (tbsa > 25 || tbsa3 > 10)", LevelDanger, L"儿童特重度烧伤：按公式补液，据尿量调整"},
    {"ped >= 1 && (tbsa > 15 || tbsa3 > 5)", LevelDanger, L"儿童重度烧伤：按公式补液，据尿量调整"},
    {"ped >= 1 && (tbsa > 5 || tbsa3 > 0)", LevelWarning, L"儿童中度烧伤（Ⅱ度6-15%或Ⅲ度≤5%）"},
    {"ped >= 1", LevelNotice, L"儿童轻度烧伤（Ⅱ度≤5%）"},
    {"tbsa >= 50 || tbsa3 >= 20", LevelDanger, L"特重度烧伤：按公式补液，据尿量调整"},
    {"tbsa >= 30 || tbsa3 >= 10", LevelDanger, L"重度烧伤：按公式补液，据尿量调整"},
    {"tbsa >= 10 || tbsa3 > 0", LevelWarning, L"中度烧伤（Ⅱ度10-29%或Ⅲ度<10%）"},
    {"1", LevelNotice, L"轻度烧伤（Ⅱ度<10%）：一般无需公式补液"},
};

}  // namespace

extern const ToolDef kBurnFluidTool = {
    .id = 404,
    .title = L"烧伤补液（Parkland与国内公式）",
    .subtitle = L"伤后第1、2个24小时补液量与速度",
    .category = L"输液用药",
    .basis = L"Parkland：4ml×体重×面积%，半量于伤后8小时内；国内通用公式：胶晶体1.5ml×体重×面积%（儿童1.8、婴儿2.0），晶胶比2:1，另加基础水分（成人2000ml）",
    .note = L"面积只计Ⅱ、Ⅲ度；时间从受伤算起，非入院时间。儿童基础水分按体重100-50-20 ml/kg/d计。儿童分级：中度6-15%（Ⅲ度≤5%），重度16-25%（Ⅲ度6-10%），特重度>25%（Ⅲ度>10%）；吸入性损伤、休克或合并伤应升级。均为初始估算，按尿量调整（成人0.5-1、儿童约1 ml/kg/h）。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
