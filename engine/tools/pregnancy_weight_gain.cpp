// Gestational weight gain judged against the Chinese singleton standard by
// pre-pregnancy BMI group; the week-by-week range is interpolated from the
// standard's first-trimester and weekly figures, so the whole-pregnancy total
// is checked as well.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("pre", L"孕前体重", L"kg", 55, 30, 250),
    Measured("h", L"身高", L"cm", 160, 100, 200),
    Measured("cur", L"当前体重", L"kg", 60, 30, 270),
    Measured("gw", L"孕周", L"周", 24, 4, 44),
    Choice("single", L"单胎妊娠", nullptr, 1, kNoYesChoices),
};

// The group is read from the BMI as shown (one decimal), as the form does.
const OutputField kOutputs[] = {
    {"bmi", L"孕前BMI", L"kg/m²", "pre/((h/100)^2)", "f1"},
    {"cat", L"BMI分组（1低体重 2正常 3超重 4肥胖）", nullptr,
     "(round(bmi*10)/10 < 18.5 ? 1 : (round(bmi*10)/10 < 24 ? 2 : (round(bmi*10)/10 < 28 ? 3 : 4)))", "int"},
    {"tot_lo", L"孕期总增重推荐下限", L"kg", "cat == 1 ? 11 : (cat == 2 ? 8 : (cat == 3 ? 7 : 5))", "f1"},
    {"tot_hi", L"孕期总增重推荐上限", L"kg", "cat == 1 ? 16 : (cat == 2 ? 14 : (cat == 3 ? 11 : 9))", "f1"},
    {"r_lo", L"孕中晚期每周增重下限", L"kg/周", "cat == 1 ? 0.37 : (cat == 2 ? 0.26 : (cat == 3 ? 0.22 : 0.15))", "f2"},
    {"r_hi", L"孕中晚期每周增重上限", L"kg/周", "cat == 1 ? 0.56 : (cat == 2 ? 0.48 : (cat == 3 ? 0.37 : 0.30))", "f2"},
    {"gain", L"目前已增重", L"kg", "cur - pre", "f1"},
    {"exp_lo", L"至本孕周应增重下限", L"kg", "gw < 14 ? 0 : r_lo*(gw - 14)", "f1"},
    {"exp_hi", L"至本孕周应增重上限", L"kg", "gw < 14 ? 2 : 2 + r_hi*(gw - 14)", "f1"},
    {"rem_lo", L"距总增重下限尚需增重", L"kg", "tot_lo - gain", "f1"},
    {"rem_hi", L"距总增重上限尚可增重", L"kg", "tot_hi - gain", "f1"},
    {"r_rec", L"孕中晚期每周增重推荐值", L"kg/周", "cat == 1 ? 0.46 : (cat == 2 ? 0.37 : (cat == 3 ? 0.30 : 0.22))", "f2"},
};

const wchar_t kAboveAdvice[] = L"饮食与运动指导；查血糖（妊娠期糖尿病）和血压；每周称重。";

const VerdictRule kRules[] = {
    {"pre <= 0 || h <= 0 || cur <= 0", LevelWarning, L"请填写大于0的体重和身高"},
    {"single == 0", LevelNotice, L"双胎不适用（IOM：16.8-24.5kg）"},
    {"gw < 14 && round(gain*10)/10 > 2", LevelNotice, L"孕早期增重超过2.0 kg：调整饮食与活动",
     L"给予饮食与运动指导；每周称重，下次产检时复核增重。"},
    {"gw < 14 && round(gain*10)/10 < 0", LevelNotice, L"孕早期体重下降：了解呕吐与进食",
     L"询问呕吐及进食情况；每周称重；呕吐严重时请医生诊治。"},
    {"gw < 14", LevelNormal, L"孕早期增重在0-2.0 kg范围内"},
    {"round(gain*10)/10 > tot_hi", LevelWarning, L"增重已超过整个孕期的总推荐范围", kAboveAdvice},
    {"round(gain*10)/10 > round(exp_hi*10)/10", LevelWarning, L"增重高于本孕周范围：营养指导，筛查GDM", kAboveAdvice},
    {"round(gain*10)/10 < round(exp_lo*10)/10", LevelWarning, L"增重低于本孕周范围：查摄入与胎儿生长",
     L"评估饮食与摄入；查胎儿生长（宫高、B超）；每周称重。"},
    {"1", LevelNormal, L"增重在本孕周的推荐范围内"},
};

}  // namespace

extern const ToolDef kPregnancyWeightGainTool = {
    .id = 451,
    .title = L"孕期体重增长评估",
    .subtitle = L"按孕前体重指数分组评估孕期增重",
    .category = L"产科",
    .basis = L"孕前BMI按一位小数分组<18.5、18.5-23.9、24.0-27.9、≥28.0，全孕期推荐增重11.0-16.0、8.0-14.0、7.0-11.0、5.0-9.0 kg，孕中晚期每周0.46、0.37、0.30、0.22 kg（WS/T 801-2022）",
    .note = L"仅适用于单胎妊娠。孕早期指不足14周（至13+6周）。本孕周范围：孕早期0-2.0 kg；14周起下限为每周下限×(孕周−14)，上限为2.0 kg+每周上限×(孕周−14)，系按标准推算而非标准原表，故另以全孕期总范围复核。增重与范围均按一位小数判断。“尚需/尚可增重”为负值表示已超过。双胎无国内标准，IOM暂定双胎总增重16.8-24.5 kg仅供参考。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
