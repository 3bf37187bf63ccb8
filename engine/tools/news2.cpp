// NEWS2: each vital sign scored on the RCP 2017 chart, then summed.
#include "engine/tool_def.h"

namespace {

const InputChoice kSpo2Scale[] = {{0, L"量表1（常规）"}, {1, L"量表2（高碳酸呼衰88-92%）"}};
const InputChoice kAirOrOxygen[] = {{0, L"空气"}, {1, L"吸氧"}};
const InputChoice kConsciousness[] = {{0, L"清醒（A）"}, {1, L"新发意识混乱/V/P/U"}};

const InputField kInputs[] = {
    Measured("rr", L"呼吸频率", L"次/分", 16, 2, 80),
    Measured("spo2", L"血氧饱和度（SpO2）", L"%", 97, 30, 100),
    Choice("scale2", L"SpO2量表", nullptr, 0, kSpo2Scale),
    Choice("o2", L"空气或吸氧", nullptr, 0, kAirOrOxygen),
    Measured("sbp", L"收缩压", L"mmHg", 125, 30, 300),
    Measured("hr", L"脉搏", L"次/分", 75, 20, 300),
    Choice("cvpu", L"意识", nullptr, 0, kConsciousness),
    Measured("temp", L"体温", L"℃", 36.8, 25, 45),
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

// The advice gives the chart's observation frequency for each band.
const VerdictRule kRules[] = {
    {"rr <= 0 || spo2 <= 0 || spo2 > 100 || sbp <= 0 || hr <= 0 || temp < 25 || temp > 45", LevelWarning,
     L"请核对：SpO2≤100%，体温25-45℃"},
    {"score >= 7", LevelDanger, L"≥7分：高危，立即呼叫快速反应/重症团队",
     L"持续监测生命体征；立即报告医生行紧急重症评估，考虑转入ICU。"},
    {"score >= 5", LevelWarning, L"5-6分：中危，需紧急临床评估",
     L"至少每小时测一次生命体征；立即报告医生紧急评估；在可监护处护理。"},
    {"maxp >= 3", LevelWarning, L"单项3分：低中危，病房内紧急评估",
     L"至少每小时测一次生命体征；报告医生，由医生决定是否升级处理。"},
    {"score >= 1", LevelNotice, L"1-4分：低危，病房评估并加强监测",
     L"至少每4-6小时测一次生命体征；由护士评估是否增加监测频次。"},
    {"1", LevelNormal, L"0分：低危，继续常规监测", L"至少每12小时测一次生命体征。"},
};

}  // namespace

extern const ToolDef kNews2Tool = {
    .id = 439,
    .title = L"国家早期预警评分2（NEWS2）",
    .subtitle = L"生命体征评分与响应分级",
    .category = L"重症评分",
    .basis = L"呼吸、SpO2、吸氧、收缩压、脉搏、意识、体温7项按NEWS2分段各计0-3分后相加；0-4低危，单项3分低中危，5-6中危，≥7高危（英国RCP 2017）",
    .note = L"量表2仅用于确诊高碳酸血症呼吸衰竭、医嘱目标SpO2 88-92%者，其余用量表1。意识异常指新发意识模糊，或仅对声音/疼痛有反应，或无反应。体温取一位小数。不适用于儿童与孕产妇。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
