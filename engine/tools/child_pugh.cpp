// Child-Pugh score and class; ascites and encephalopathy are entered as their points.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"bili", L"总胆红素", L"μmol/L", 20},
    {"alb", L"白蛋白", L"g/L", 38},
    {"inr", L"INR", nullptr, 1.1},
    {"asc", L"腹水（1-3）", L"分", 1},
    {"he", L"肝性脑病（1-3）", L"分", 1},
};

const OutputField kOutputs[] = {
    {"pb", L"胆红素得分", L"分", "bili < 34 ? 1 : (bili <= 51 ? 2 : 3)", "int"},
    {"pa", L"白蛋白得分", L"分", "alb > 35 ? 1 : (alb >= 28 ? 2 : 3)", "int"},
    {"pi", L"INR得分", L"分", "inr < 1.7 ? 1 : (inr <= 2.3 ? 2 : 3)", "int"},
    {"score", L"Child-Pugh总分", L"分", "pb + pa + pi + asc + he", "int"},
    {"cls", L"分级（1=A 2=B 3=C）", nullptr, "score <= 6 ? 1 : (score <= 9 ? 2 : 3)", "int"},
};

const VerdictRule kRules[] = {
    {"asc < 1 || asc > 3 || he < 1 || he > 3", LevelWarning, L"腹水和肝性脑病请填1、2或3"},
    {"score >= 10", LevelDanger, L"C级（10-15）：失代偿，肝功能严重受损"},
    {"score >= 7", LevelWarning, L"B级（7-9）：肝功能明显受损"},
    {"1", LevelNormal, L"A级（5-6）：肝功能代偿良好"},
};

}  // namespace

extern const ToolDef kChildPughTool = {
    .id = 423,
    .title = L"Child-Pugh肝功能分级",
    .subtitle = L"五项计分评估肝硬化肝功能储备",
    .category = L"肝功能",
    .basis = L"总分 = 胆红素 + 白蛋白 + INR + 腹水 + 肝性脑病（各1-3分）；A级5-6分，B级7-9分，C级10-15分（Child-Pugh，Pugh 1973）",
    .note = L"腹水：1无，2轻度或利尿剂可控，3中重度或顽固。肝性脑病：1无，2为Ⅰ-Ⅱ级，3为Ⅲ-Ⅳ级。白蛋白界值28 g/L（部分教材用30）；PBC/PSC的胆红素分界更高，本工具未采用。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
