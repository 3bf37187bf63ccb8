// Child-Pugh score and class; ascites and encephalopathy are chosen by grade.
#include "engine/tool_def.h"

namespace {

const InputChoice kAscites[] = {
    {1, L"无"},
    {2, L"轻度/利尿剂可控制"},
    {3, L"中重度/顽固性"},
};

const InputChoice kEncephalopathy[] = {
    {1, L"无"},
    {2, L"1-2期"},
    {3, L"3-4期"},
};

const InputField kInputs[] = {
    Measured("bili", L"总胆红素", L"μmol/L", 20, 1, 1000),
    Measured("alb", L"白蛋白", L"g/L", 38, 5, 60),
    Measured("inr", L"INR", nullptr, 1.1, 0.5, 20),
    Choice("asc", L"腹水", L"分", 1, kAscites),
    Choice("he", L"肝性脑病", L"分", 1, kEncephalopathy),
};

const OutputField kOutputs[] = {
    {"pb", L"胆红素得分", L"分", "bili < 34 ? 1 : (bili <= 51 ? 2 : 3)", "int"},
    {"pa", L"白蛋白得分", L"分", "alb > 35 ? 1 : (alb >= 28 ? 2 : 3)", "int"},
    {"pi", L"INR得分", L"分", "inr < 1.7 ? 1 : (inr <= 2.3 ? 2 : 3)", "int"},
    {"score", L"Child-Pugh总分", L"分", "pb + pa + pi + asc + he", "int"},
    {"cls", L"分级（1=A 2=B 3=C）", nullptr, "score <= 6 ? 1 : (score <= 9 ? 2 : 3)", "int"},
};

const VerdictRule kRules[] = {
    {"bili <= 0 || alb <= 0 || inr <= 0", LevelWarning, L"请输入胆红素、白蛋白和INR（>0）"},
    {"asc < 1 || asc > 3 || he < 1 || he > 3 || asc != floor(asc) || he != floor(he)", LevelWarning,
     L"腹水和肝性脑病请选三级之一"},
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
    .note = L"胆红素<34、34-51、>51 μmol/L；白蛋白>35、28-35、<28 g/L（部分教材用30）；INR<1.7、1.7-2.3、>2.3，依次计1、2、3分。PBC/PSC的胆红素分界更高，本工具未采用。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
