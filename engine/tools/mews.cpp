// Modified Early Warning Score with Subbe's bands and a four-step ward response.
#include "engine/tool_def.h"

namespace {

const InputChoice kAvpu[] = {
    {0, L"清醒"}, {1, L"对声音有反应"}, {2, L"对疼痛有反应"}, {3, L"无反应"},
};

const InputField kInputs[] = {
    Measured("sbp", L"收缩压", L"mmHg", 120, 30, 300),
    Measured("hr", L"心率", L"次/分", 75, 20, 300),
    Measured("rr", L"呼吸频率", L"次/分", 16, 2, 80),
    Measured("temp", L"体温", L"℃", 36.8, 25, 45),
    Choice("avpu", L"意识（AVPU）", L"分", 0, kAvpu),
};

// Temperature is banded at one decimal, as charted.
const OutputField kOutputs[] = {
    {"p_sbp", L"收缩压得分", L"分", "sbp <= 70 ? 3 : (sbp <= 80 ? 2 : (sbp <= 100 ? 1 : (sbp <= 199 ? 0 : 2)))", "int"},
    {"p_hr", L"心率得分", L"分",
     "hr <= 40 ? 2 : (hr <= 50 ? 1 : (hr <= 100 ? 0 : (hr <= 110 ? 1 : (hr < 130 ? 2 : 3))))", "int"},
    {"p_rr", L"呼吸频率得分", L"分", "rr < 9 ? 2 : (rr <= 14 ? 0 : (rr <= 20 ? 1 : (rr <= 29 ? 2 : 3)))", "int"},
    {"p_t", L"体温得分", L"分", "round(temp*10)/10 < 35 ? 2 : (round(temp*10)/10 < 38.5 ? 0 : 2)", "int"},
    {"score", L"MEWS总分", L"分", "p_sbp + p_hr + p_rr + p_t + avpu", "int"},
};

const VerdictRule kRules[] = {
    {"sbp <= 0 || hr <= 0 || rr <= 0", LevelWarning, L"请填写实测血压、心率和呼吸频率"},
    {"score >= 9", LevelDanger, L"MEWS≥9：死亡风险高，抢救并呼叫ICU",
     L"立即抢救并呼叫ICU团队；特级护理，持续监护。"},
    {"score >= 5", LevelWarning, L"MEWS 5-8：潜在危重，立即报告医生",
     L"立即报告医生；一级护理，增加生命体征监测频次。"},
    {"score >= 4", LevelNotice, L"MEWS 4：密切观察，复测体征，报告组长"},
    {"1", LevelNormal, L"MEWS 0-3：常规护理与观察"},
};

}  // namespace

extern const ToolDef kMewsTool = {
    .id = 448,
    .title = L"改良早期预警评分（MEWS）",
    .subtitle = L"五项生命体征病情预警",
    .category = L"重症评分",
    .basis = L"收缩压、心率、呼吸、体温按Subbe分段各计0-3分，加意识（AVPU 0-3分），0-14分；4分密切观察，5-8潜在危重，≥9死亡风险高（Subbe 2001）",
    .note = L"分段：收缩压≤70/71-80/81-100/101-199/≥200；心率≤40/41-50/51-100/101-110/111-129/≥130；呼吸<9/9-14/15-20/21-29/≥30；体温<35/35-38.4/≥38.5℃（取一位小数）。各院响应分级不一，以本院规定为准；NEWS2为更新的标准化评分。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
