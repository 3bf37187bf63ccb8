// HAS-BLED bleeding risk for anticoagulated atrial fibrillation; it points
// at the risks that can be corrected, it does not decide on anticoagulation.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Choice("htn", L"高血压（收缩压>160）", L"分", 0, kNoYesChoices),
    Choice("renal", L"肾功能异常", L"分", 0, kNoYesChoices),
    Choice("liver", L"肝功能异常", L"分", 0, kNoYesChoices),
    Choice("stroke", L"卒中史", L"分", 0, kNoYesChoices),
    Choice("bleed", L"出血史或出血倾向", L"分", 0, kNoYesChoices),
    Choice("inr", L"INR值易波动", L"分", 0, kNoYesChoices),
    Measured("age", L"年龄", L"岁", 60, 18, 120),
    Choice("drugs", L"抗血小板药或NSAID", L"分", 0, kNoYesChoices),
    Choice("alcohol", L"嗜酒（≥8杯/周）", L"分", 0, kNoYesChoices),
};

const OutputField kOutputs[] = {
    {"elderly", L"老年得分（>65岁）", L"分", "age > 65 ? 1 : 0", "int"},
    {"score", L"HAS-BLED评分", L"分", "htn + renal + liver + stroke + bleed + inr + elderly + drugs + alcohol", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 3", LevelWarning, L"≥3分：出血高危，纠正可控因素并密切随访",
     L"高危本身不是停用抗凝的理由：控制血压，尽量停用阿司匹林/NSAID，限酒；增加复查频次。"},
    {"score == 2", LevelNotice, L"2分：中度出血风险，处理可控因素"},
    {"1", LevelNormal, L"0-1分：出血风险低"},
};

}  // namespace

extern const ToolDef kHasBledTool = {
    .id = 456,
    .title = L"HAS-BLED出血风险评分",
    .subtitle = L"房颤抗凝患者出血风险评估",
    .category = L"循环",
    .basis = L"H高血压（收缩压>160 mmHg）、A肾功能异常与肝功能异常各1分、S卒中史、B出血史或出血倾向、L INR易波动、E年龄>65岁、D抗血小板药/NSAID与嗜酒各1分，0-9分；≥3分为出血高危（Pisters 2010；中国房颤指南沿用）",
    .note = L"肾功能异常：透析、肾移植或肌酐≥200 μmol/L；肝功能异常：肝硬化，或胆红素>2倍正常上限伴AST/ALT/ALP>3倍正常上限。出血倾向含贫血。INR易波动指TTR<60%，仅适用于华法林。嗜酒指每周≥8个标准饮酒单位。评分用于发现可纠正的出血危险因素，不决定是否抗凝。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
