// Creatinine clearance by Cockcroft-Gault from creatinine in μmol/L, for renal dose adjustment.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Choice("sex", L"性别", nullptr, 1, kMaleFemaleChoices),
    Measured("age", L"年龄", L"岁", 65, 18, 120),
    Measured("w", L"体重", L"kg", 60, 10, 350),
    Measured("scr", L"血肌酐", L"μmol/L", 100, 10, 3000),
};

const OutputField kOutputs[] = {
    {"scr_mg", L"血肌酐（换算）", L"mg/dL", "scr/88.4", "f2"},
    {"crcl", L"肌酐清除率", L"ml/min", "(140 - age)*w/(72*scr_mg)*(sex == 1 ? 1 : 0.85)", "f1"},
    {"crcl_si", L"肌酐清除率（SI简式）", L"ml/min", "(140 - age)*w*(sex == 1 ? 1.23 : 1.04)/scr", "f1"},
};

// Bands reuse the KDIGO GFR cut-offs, applied to CrCl as shown (one
// decimal); a drug's label may set its own.
const VerdictRule kRules[] = {
    {"scr <= 0 || w <= 0 || age < 0 || age > 120", LevelWarning, L"血肌酐和体重须>0，年龄0-120岁"},
    {"age < 18", LevelNotice, L"成人公式，不适用于儿童"},
    {"round(crcl*10)/10 < 15", LevelDanger, L"CrCl<15：肾衰竭范围，需专科定剂量"},
    {"round(crcl*10)/10 < 30", LevelDanger, L"CrCl 15-29：重度受损，查减量/禁忌"},
    {"round(crcl*10)/10 < 60", LevelWarning, L"CrCl 30-59：中度受损，核对减量"},
    {"round(crcl*10)/10 < 90", LevelNotice, L"CrCl 60-89：轻度下降"},
    {"1", LevelNormal, L"CrCl≥90：按肾功能正常给药"},
};

}  // namespace

extern const ToolDef kCreatinineClearanceTool = {
    .id = 408,
    .title = L"肌酐清除率（Cockcroft-Gault公式）",
    .subtitle = L"按年龄、体重、血肌酐估算CrCl",
    .category = L"肾功能",
    .basis = L"CrCl=(140-年龄)×体重÷(72×Scr mg/dL)，女×0.85（Cockcroft-Gault 1976）；mg/dL=μmol/L÷88.4；SI简式：×1.23（女1.04）÷μmol/L",
    .note = L"用实际体重；肥胖或腹水者宜改用理想/校正体重。未按1.73 m²标化。肌酐不稳定（AKI）、截肢、肌肉量极端及妊娠时估算不可靠；具体药物以说明书的CrCl分档为准。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
