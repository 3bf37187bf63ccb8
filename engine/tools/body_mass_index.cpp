// Body mass index with the Chinese adult cut-offs.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("w", L"体重", L"kg", 65, 10, 350),
    Measured("h", L"身高", L"cm", 170, 50, 250),
};

const OutputField kOutputs[] = {
    {"bmi", L"体质指数（BMI）", L"kg/m²", "w/((h/100)^2)", "f1"},
    {"w_lo", L"正常体重下限（BMI 18.5）", L"kg", "18.5*(h/100)^2", "f1"},
    {"w_hi", L"正常体重上限（BMI 24.0，不含）", L"kg", "24*(h/100)^2", "f1"},
};

// Banded on the BMI as displayed (one decimal), so 23.96 shown as 24.0 is overweight.
const VerdictRule kRules[] = {
    {"h <= 0 || w <= 0", LevelWarning, L"请输入体重和身高"},
    {"round(bmi*10)/10 < 18.5", LevelNotice, L"体重过低：BMI<18.5"},
    {"round(bmi*10)/10 < 24", LevelNormal, L"体重正常：BMI 18.5-23.9"},
    {"round(bmi*10)/10 < 28", LevelNotice, L"超重：BMI 24.0-27.9"},
    {"1", LevelWarning, L"肥胖：BMI≥28.0"},
};

}  // namespace

extern const ToolDef kBodyMassIndexTool = {
    .id = 410,
    .title = L"体质指数（中国成人标准）",
    .subtitle = L"按中国成人标准判定体重",
    .category = L"体格测量",
    .basis = L"BMI = 体重(kg) ÷ 身高(m)²；分级依据 WS/T 428-2013《成人体重判定》：<18.5过低，18.5-23.9正常，24.0-27.9超重，≥28.0肥胖",
    .note = L"按显示的一位小数分级。仅用于成人；不适用于孕妇、运动员和儿童（儿童用生长曲线）。中心性肥胖另看腰围（男≥90 cm，女≥85 cm）。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
