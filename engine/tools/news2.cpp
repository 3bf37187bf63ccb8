// NEWS2: each vital sign scored on the RCP 2017 chart, then summed.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"rr", L"呼吸频率", L"次/分", 16},
    {"spo2", L"血氧饱和度（SpO2）", L"%", 97},
    {"scale2", L"氧饱量表2（是1 否0）", nullptr, 0},
    {"o2", L"吸氧（是1 否0）", nullptr, 0},
    {"sbp", L"收缩压", L"mmHg", 125},
    {"hr", L"脉搏", L"次/分", 75},
    {"cvpu", L"意识（清醒0 异常1）", nullptr, 0},
    {"temp", L"体温", L"℃", 36.8},
};

// In the chart's order, so the lines read as the nurse works down it.
const OutputField kOutputs[] = {
    {"p_rr", L"呼吸频率得分", L"分", "(rr <= 8 ? 3 : (rr <= 11 ? 1 : (rr <= 20 ? 0 : (rr <= 24 ? 2 : 3))))", "int"},
    {"p_spo2", L"血氧饱和度得分", L"分",
     "scale2 == 1 ? (spo2 <= 83 ? 3 : (spo2 <= 85 ? 2 : (spo2 <= 87 ? 1 : (spo2 <= 92 ? 0 : (o2 == 0 ? 0 : (spo2 <= 94 ? 1 : (spo2 <= 96 ? 2 : 3))))))) : (spo2 <= 91 ? 3 : (spo2 <= 93 ? 2 : (spo2 <= 95 ? 1 : 0)))",
     "int"},
    {"p_o2", L"吸氧得分", L"分", "o2 == 1 ? 2 : 0", "int"},
    {"p_sbp", L"收缩压得分", L"分", "(sbp <= 90 ? 3 : (sbp <= 100 ? 2 : (sbp <= 110 ? 1 : (sbp <= 219 ? 0 : 3))))", "int"},
    {"p_hr", L"脉搏得分", L"分", "(hr <= 40 ? 3 : (hr <= 50 ? 1 : (hr <= 90 ? 0 : (hr <= 110 ? 1 : (hr <= 130 ? 2 : 3)))))", "int"},
    {"p_cvpu", L"意识得分", L"分", "cvpu == 1 ? 3 : 0", "int"},
    {"p_temp", L"体温得分", L"分", "(temp <= 35.0 ? 3 : (temp <= 36.0 ? 1 : (temp <= 38.0 ? 0 : (temp <= 39.0 ? 1 : 2))))", "int"},
    {"score", L"NEWS2总分", L"分", "p_rr + p_spo2 + p_o2 + p_sbp + p_hr + p_cvpu + p_temp", "int"},
    {"maxp", L"单项最高分", L"分", "max(max(max(p_rr, p_spo2), max(p_sbp, p_hr)), max(p_cvpu, p_temp))", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 7", LevelDanger, L"≥7分：高危，立即呼叫快速反应/重症团队"},
    {"score >= 5", LevelWarning, L"5-6分：中危，需紧急临床评估"},
    {"maxp >= 3", LevelWarning, L"单项3分：低中危，病房内紧急评估"},
    {"score >= 1", LevelNotice, L"1-4分：低危，病房评估并加强监测"},
    {"1", LevelNormal, L"0分：继续常规监测"},
};

}  // namespace

extern const ToolDef kNews2Tool = {
    .id = 439,
    .title = L"国家早期预警评分2（NEWS2）",
    .subtitle = L"生命体征评分与响应分级",
    .category = L"重症评分",
    .basis = L"呼吸、SpO2、吸氧、收缩压、脉搏、意识、体温7项按NEWS2分段各计0-3分后相加；0-4低危，单项3分低中危，5-6中危，≥7高危（英国RCP 2017）",
    .note = L"量表2仅用于确诊高碳酸血症呼吸衰竭、目标SpO2 88-92%者，否则填0。意识异常指新发意识模糊，或仅对声音/疼痛有反应，或无反应。体温取一位小数。不适用于儿童与孕产妇。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
