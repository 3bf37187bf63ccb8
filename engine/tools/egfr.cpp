// eGFR by the race-free CKD-EPI 2021 equation, with CKD-EPI 2009 alongside
// because many laboratories still print it.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Choice("sex", L"性别", nullptr, 1, kMaleFemaleChoices),
    Measured("age", L"年龄", L"岁", 60, 18, 120),
    Measured("scr", L"血肌酐", L"μmol/L", 90, 10, 3000),
};

const OutputField kOutputs[] = {
    {"scr_mg", L"血肌酐（换算）", L"mg/dL", "scr/88.4", "f2"},
    {"egfr21", L"eGFR（CKD-EPI 2021）", L"ml/min/1.73m²",
     "142*pow(min(scr_mg/(sex == 1 ? 0.9 : 0.7), 1), sex == 1 ? -0.302 : -0.241)*pow(max(scr_mg/(sex == 1 ? 0.9 : 0.7), 1), -1.2)*pow(0.9938, age)*(sex == 1 ? 1 : 1.012)",
     "f0"},
    {"egfr09", L"eGFR（CKD-EPI 2009）", L"ml/min/1.73m²",
     "141*pow(min(scr_mg/(sex == 1 ? 0.9 : 0.7), 1), sex == 1 ? -0.411 : -0.329)*pow(max(scr_mg/(sex == 1 ? 0.9 : 0.7), 1), -1.209)*pow(0.993, age)*(sex == 1 ? 1 : 1.018)",
     "f0"},
    {"egfr_r", L"eGFR 2021取整（分期用）", L"ml/min/1.73m²", "round(egfr21)", "int"},
};

// Staged on the whole number, as laboratories report it.
const VerdictRule kRules[] = {
    {"scr <= 0", LevelWarning, L"请输入血肌酐"},
    {"age < 18", LevelNotice, L"成人公式，<18岁请用儿童公式"},
    {"egfr_r < 15", LevelDanger, L"G5：eGFR<15，肾衰竭",
     L"立即转诊肾内科，准备肾脏替代治疗；调整经肾排泄药物的剂量。"},
    {"egfr_r < 30", LevelDanger, L"G4：eGFR 15-29，重度下降",
     L"转诊肾内科（eGFR<30）；调整经肾排泄药物的剂量。"},
    {"egfr_r < 45", LevelWarning, L"G3b：eGFR 30-44，中至重度下降"},
    {"egfr_r < 60", LevelWarning, L"G3a：eGFR 45-59，轻至中度下降"},
    {"egfr_r < 90", LevelNotice, L"G2：60-89轻度下降，伴肾损伤才属CKD"},
    {"1", LevelNormal, L"G1：≥90正常或增高，伴肾损伤才属CKD"},
};

}  // namespace

extern const ToolDef kEGFRTool = {
    .id = 409,
    .title = L"估算肾小球滤过率（CKD-EPI 2021）",
    .subtitle = L"CKD-EPI 2021无种族系数，附2009",
    .category = L"肾功能",
    .basis = L"eGFR=142×min(Scr/κ,1)^α×max(Scr/κ,1)^-1.2×0.9938^年龄×1.012[女]；κ女0.7男0.9；α女-0.241男-0.302。CKD-EPI 2021（NKF）",
    .note = L"按取整后的2021 eGFR分期（KDIGO G1-G5）。2021公式对非黑人约高估4%，接近决策阈值时宜加测胱抑素C。不适用于AKI、妊娠、肌肉量极端及<18岁。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
