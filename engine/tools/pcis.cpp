// Paediatric critical illness score (Chinese 1995 form): ten items of 4, 6
// or 10 points; the lower the total, the sicker the child.
#include "engine/tool_def.h"

namespace {

// Heart rate, blood pressure and respiration band by age (infant <1 year,
// child ≥1 year); both bands do not fit one entry, so the note gives them.
const InputChoice kHeartRate[] = {
    {4, L"明显过慢或过快"}, {6, L"轻度过慢或过快"}, {10, L"其余（正常范围）"},
};
const InputChoice kSystolic[] = {
    {4, L"明显过低或过高"}, {6, L"轻度过低或过高"}, {10, L"其余（正常范围）"},
};
const InputChoice kRespiration[] = {
    {4, L"明显快慢或节律不齐"}, {6, L"轻度过慢或过快"}, {10, L"其余（正常范围）"},
};
const InputChoice kPao2[] = {
    {4, L"低于50 mmHg"}, {6, L"50至70 mmHg"}, {10, L"其余（正常范围）"},
};
// A 6-point band too long to write whole gives only its edge toward normal:
// the 4-point band, listed first, holds the values beyond it.
const InputChoice kPh[] = {
    {4, L"<7.25或>7.55"}, {6, L"≤7.30或≥7.50"}, {10, L"其余（正常范围）"},
};
const InputChoice kSodium[] = {
    {4, L"<120或>160"}, {6, L"120-130或150-160"}, {10, L"其余（正常范围）"},
};
const InputChoice kPotassium[] = {
    {4, L"<3.0或>6.5"}, {6, L"3.0-3.5或5.5-6.5"}, {10, L"其余（正常范围）"},
};
const InputChoice kRenal[] = {
    {4, L"Cr>159或BUN>14.3"}, {6, L"Cr≥106或BUN≥7.1"}, {10, L"其余（正常范围）"},
};
const InputChoice kHaemoglobin[] = {
    {4, L"低于60"}, {6, L"60至90"}, {10, L"其余（正常范围）"},
};
const InputChoice kGut[] = {
    {4, L"应激溃疡出血及肠麻痹"}, {6, L"应激性溃疡出血"}, {10, L"其余（无）"},
};

const InputField kInputs[] = {
    Choice("hr", L"心率（次/分）", L"分", 10, kHeartRate),
    Choice("sbp", L"收缩压（mmHg）", L"分", 10, kSystolic),
    Choice("rr", L"呼吸（次/分）", L"分", 10, kRespiration),
    Choice("pao2", L"动脉血氧分压（不吸氧）", L"分", 10, kPao2),
    Choice("ph", L"血pH", L"分", 10, kPh),
    Choice("na", L"血钠（mmol/L）", L"分", 10, kSodium),
    Choice("k", L"血钾（mmol/L）", L"分", 10, kPotassium),
    Choice("renal", L"肌酐或尿素氮", L"分", 10, kRenal),
    Choice("hb", L"血红蛋白（g/L）", L"分", 10, kHaemoglobin),
    Choice("gi", L"胃肠系统", L"分", 10, kGut),
};

const OutputField kOutputs[] = {
    {"score", L"PCIS总分", L"分", "hr + sbp + rr + pao2 + ph + na + k + renal + hb + gi", "int"},
    {"band", L"病情分级（1非危重 2危重 3极危重）", nullptr, "score <= 70 ? 3 : (score <= 80 ? 2 : 1)", "int"},
};

const VerdictRule kRules[] = {
    {"score <= 70", LevelDanger, L"PCIS≤70分：极危重", L"立即PICU救治；病情变化时按最异常值重新评分。"},
    {"score <= 80", LevelWarning, L"PCIS 71-80分：危重", L"收入PICU；病情变化时重新评分。"},
    {"score <= 90", LevelNotice, L"PCIS 81-90分：非危重，达PICU线",
     L"≤90分者常收入PICU（基层医院<90分宜转诊）；密切观察并重新评分。"},
    {"1", LevelNormal, L"PCIS>90分：非危重", L"病情加重时重新评分。"},
};

}  // namespace

extern const ToolDef kPcisTool = {
    .id = 469,
    .title = L"小儿危重病例评分（PCIS）",
    .subtitle = L"儿科十项危重病例评分",
    .category = L"儿科",
    .basis = L"总分 = 10项之和（每项4、6或10分），40-100分；>80非危重，71-80危重，≤70极危重（中华儿科学会急诊组、中华急诊医学会儿科组 1995）",
    .note = L"婴<1岁，儿≥1岁。心率：4分 婴<80或>180、儿<60或>160；6分 婴80-100或160-180、儿60-80或140-160。收缩压：4分 婴<55或>130、儿<65或>150；6分 婴55-65或100-130、儿65-75或130-150。呼吸：4分 婴<20或>70、儿<15或>60或节律明显不齐；6分 婴20-25或40-70、儿15-20或35-60。肌酐单位μmol/L，尿素氮mmol/L，有其一即可。取评分期最异常值；未测项目可按正常计；不用于新生儿及慢性病危重状态。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
