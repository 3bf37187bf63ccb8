// Burn resuscitation volumes by Parkland and by the Chinese textbook formula,
// with the late-start rate for the first 8 hours counted from the burn.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"w", L"体重", L"kg", 60},
    {"tbsa", L"Ⅱ+Ⅲ度烧伤面积", L"%", 30},
    {"tbsa3", L"其中Ⅲ度面积", L"%", 0},
    {"ped", L"人群（成0 儿1 婴2）", nullptr, 0},
    {"t", L"伤后时间", L"小时", 0},
    {"given", L"伤后已输液量", L"ml", 0},
};

const OutputField kOutputs[] = {
    {"pk24", L"Parkland：伤后24小时总量", L"ml", "4*w*tbsa", "f0"},
    {"pk8", L"Parkland：前8小时量（半量）", L"ml", "pk24/2", "f0"},
    {"pk_rate8", L"Parkland：前8小时余量速度", L"ml/h", "t < 8 ? max(pk8 - given, 0)/(t < 8 ? 8 - t : 1) : 0", "f0"},
    {"pk_rate16", L"Parkland：第8-24小时速度", L"ml/h", "pk24/2/16", "f0"},
    {"cn_coef", L"国内公式系数", L"ml/(kg·%)", "ped == 0 ? 1.5 : (ped == 1 ? 1.8 : 2.0)", "f1"},
    {"cn_cc", L"国内：第1个24小时胶晶体量", L"ml", "cn_coef*w*tbsa", "f0"},
    {"cn_cryst", L"其中晶体液（2:1）", L"ml", "cn_cc*2/3", "f0"},
    {"cn_colloid", L"其中胶体液（2:1）", L"ml", "cn_cc/3", "f0"},
    {"cn_water", L"成人基础水分（5%葡萄糖）", L"ml/d", "ped == 0 ? 2000 : 0", "f0"},
    {"cn_d1", L"国内：第1个24小时总量", L"ml", "cn_cc + cn_water", "f0"},
    {"cn_rate8", L"国内：前8小时速度", L"ml/h", "cn_cc/2/8 + cn_water/24", "f0"},
    {"cn_rate16", L"国内：第8-24小时速度", L"ml/h", "cn_cc/2/16 + cn_water/24", "f0"},
    {"cn_d2", L"国内：第2个24小时总量", L"ml", "cn_cc/2 + cn_water", "f0"},
};

const VerdictRule kRules[] = {
    {"w <= 0 || tbsa < 0 || tbsa > 100 || tbsa3 > tbsa", LevelWarning, L"请核对输入（Ⅲ度面积不能超过总面积）"},
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
    .basis = L"Parkland：4ml×体重×面积%，半量于伤后8小时内；国内通用公式：胶晶体1.5ml×体重×面积%（儿童1.8、婴儿2.0），晶胶比2:1，成人另加水分2000ml",
    .note = L"面积只计Ⅱ、Ⅲ度；人群：成人0、儿童1、婴儿2。时间从受伤算起，非入院时间。均为初始估算，按尿量调整（成人0.5-1ml/kg/h）；儿童基础水分按年龄另计，未计入。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
