// Sodium to replace in hyponatraemia, as NaCl grams and saline volumes, with the
// expected rise per litre of 3 % saline to keep the correction slow.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Choice("sex", L"性别", nullptr, 1, kMaleFemaleChoices),
    Measured("w", L"体重", L"kg", 60, 0.3, 350),
    Measured("na", L"血钠", L"mmol/L", 125, 90, 200),
    Number("target", L"目标血钠", L"mmol/L", 142, 120, 145),
};

const OutputField kOutputs[] = {
    {"def_mmol", L"缺钠量", L"mmol", "max(target - na, 0)*w*(sex == 1 ? 0.6 : 0.5)", "f0"},
    {"nacl_g", L"折合氯化钠", L"g", "def_mmol/17", "f1"},
    {"ml10", L"折合10%氯化钠", L"ml", "nacl_g*10", "f0"},
    {"ml3", L"折合3%氯化钠", L"ml", "nacl_g/0.03", "f0"},
    {"mlns", L"折合0.9%氯化钠", L"ml", "nacl_g/0.009", "f0"},
    // Without a deficit there is no day-1 dose, not the daily need alone.
    {"day1_g", L"首日氯化钠（半量+日需4.5 g）", L"g", "def_mmol > 0 ? nacl_g/2 + 4.5 : 0", "f1"},
    {"tbw", L"总体水（TBW）", L"L", "w*(sex == 1 ? 0.6 : 0.5)", "f1"},
    {"dna3", L"每升3%氯化钠预计升钠", L"mmol/L", "(513 - na)/(tbw + 1)", "f1"},
    {"ml3_per1", L"升钠1 mmol/L需3%氯化钠", L"ml", "1000/dna3", "f0"},
    {"cap24", L"24小时血钠上限（+10）", L"mmol/L", "na + 10", "f0"},
};

const VerdictRule kRules[] = {
    {"w <= 0 || na <= 0", LevelWarning, L"请输入体重和血钠（>0）"},
    {"na < 120", LevelDanger, L"重度缺钠：首24h升钠≤10，此后每日≤8"},
    {"na < 130", LevelWarning, L"中度缺钠（120-129）：首日补半量后复查"},
    {"na < 135", LevelNotice, L"轻度缺钠（130-134）"},
    {"na > 145", LevelNotice, L"血钠>145：高钠血症，无需补钠（见补水量）"},
    {"1", LevelNormal, L"血钠135-145 mmol/L：无缺钠"},
};

}  // namespace

extern const ToolDef kSodiumDeficitTool = {
    .id = 421,
    .title = L"低渗性缺水补钠量",
    .subtitle = L"补钠量及折合各浓度氯化钠用量",
    .category = L"电解质与检验",
    .basis = L"补钠量(mmol) = (目标Na − Na) × 体重 × 0.6（女0.5）；17 mmol Na ≈ 1 g NaCl；3%盐水每升升钠 = (513 − Na)/(TBW + 1)（Adrogué-Madias）",
    .note = L"分度：轻度130-134，中度120-129，重度<120 mmol/L。首日补一半加日需量4.5 g，复查血钠后再定。慢性低钠勿一次补至142：首24小时升钠≤10 mmol/L，此后每24小时≤8 mmol/L。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
