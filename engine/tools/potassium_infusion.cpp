// Check of a peripheral KCl infusion against the ward limits on concentration and rate.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Number("kcl_ml", L"10%氯化钾加入量", L"ml", 15, 1, 100),
    Number("vol", L"基础液量", L"ml", 500, 50, 3000),
    Number("rate", L"输液速度", L"ml/h", 125, 1, 1000),
    Measured("urine", L"尿量（0为不详）", L"ml/h", 0, 0, 1000),
};

// In the order the check is worked by hand: amount, concentration, rate.
const OutputField kOutputs[] = {
    {"kcl_g", L"氯化钾量", L"g", "kcl_ml*0.1", "f2"},
    {"k_mmol", L"含钾量", L"mmol", "kcl_ml*0.1*13.4", "f1"},
    {"conc_pct", L"氯化钾浓度", L"%", "kcl_ml*0.1/(vol + kcl_ml)*100", "f2"},
    {"conc_mmol", L"钾离子浓度", L"mmol/L", "k_mmol/((vol + kcl_ml)/1000)", "f1"},
    {"k_rate", L"补钾速度", L"mmol/h", "conc_mmol*rate/1000", "f1"},
    {"kcl_g_h", L"氯化钾输注速度", L"g/h", "k_rate/13.4", "f2"},
};

// The limits are judged on the values as shown (0.30 %, 20.0 mmol/h).
const VerdictRule kRules[] = {
    {"kcl_ml <= 0 || vol <= 0 || rate <= 0 || urine < 0", LevelWarning, L"请填写加入量、液量和速度（>0）"},
    {"round(conc_pct*100)/100 > 0.3", LevelDanger, L"氯化钾浓度>0.3%：外周静脉输注过浓",
     L"暂停输注：稀释至≤0.3%（每500 ml最多加10%氯化钾15 ml），并核对医嘱。"},
    {"round(k_rate*10)/10 > 20", LevelDanger, L"补钾>20mmol/h：过快，可致心搏骤停",
     L"将速度降至≤20 mmol/h并核对医嘱；严禁静脉推注氯化钾。"},
    {"urine > 0 && urine < 30", LevelWarning, L"尿量<30ml/h：见尿补钾，先查肾功能",
     L"暂缓补钾并报告医生；尿量≥30-40 ml/h且血钾结果明确后再补。"},
    {"urine == 0", LevelNotice, L"未填尿量：见尿补钾，先确认≥30ml/h"},
    {"1", LevelNormal, L"浓度≤0.3%且≤20mmol/h；禁止静推"},
};

}  // namespace

extern const ToolDef kPotassiumInfusionTool = {
    .id = 440,
    .title = L"静脉补钾浓度与速度核对",
    .subtitle = L"10%氯化钾配液浓度与速度是否超限",
    .category = L"输液用药",
    .basis = L"浓度(%) = 氯化钾(g) ÷ (基础液量+加入量)(ml) × 100；补钾速度(mmol/h) = 钾浓度(mmol/L) × 输液速度(ml/h) ÷ 1000；1 g = 13.4 mmol；外科学补钾原则",
    .note = L"按10%氯化钾注射液计（每ml含0.1 g）。外周补钾：浓度≤0.3%，速度≤20 mmol/h，见尿补钾（尿量≥30-40 ml/h），每日一般≤6-8 g，严禁静脉推注。中心静脉泵入不在此核对范围。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
