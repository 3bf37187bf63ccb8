// Humpty Dumpty Falls Scale for children in hospital: seven parameters, high risk from 12.
#include "engine/tool_def.h"

namespace {

const InputChoice kAge[] = {
    {4, L"<3岁"}, {3, L"3~<7岁"}, {2, L"7~<13岁"}, {1, L"≥13岁"},
};
const InputChoice kSex[] = {
    {2, L"男"}, {1, L"女"},
};
const InputChoice kDiagnosis[] = {
    {4, L"神经系统疾病"}, {3, L"氧合改变(呼吸等)"}, {2, L"心理/行为障碍"}, {1, L"其他诊断"},
};
const InputChoice kCognition[] = {
    {3, L"不能认识自身局限"}, {2, L"遗忘自身局限"}, {1, L"能正确认识自身能力"},
};
const InputChoice kEnvironment[] = {
    {4, L"跌倒史/婴幼儿睡大床"}, {3, L"用辅助器具/睡婴儿床"}, {2, L"患儿卧床"}, {1, L"门诊区域"},
};
const InputChoice kSurgery[] = {
    {3, L"24小时内"}, {2, L"48小时内"}, {1, L"超过48小时或无"},
};
const InputChoice kMedication[] = {
    {3, L"多种高风险药物"}, {2, L"使用其中一种"}, {1, L"其他药物或无"},
};

const InputField kInputs[] = {
    Choice("age", L"年龄", L"分", 2, kAge),
    Choice("sex", L"性别", L"分", 1, kSex),
    Choice("dx", L"诊断", L"分", 1, kDiagnosis),
    Choice("cog", L"认知障碍", L"分", 1, kCognition),
    Choice("env", L"环境因素", L"分", 2, kEnvironment),
    Choice("surg", L"手术/镇静/麻醉后", L"分", 1, kSurgery),
    Choice("med", L"用药", L"分", 1, kMedication),
};

const OutputField kOutputs[] = {
    {"score", L"Humpty Dumpty总分", L"分", "age + sex + dx + cog + env + surg + med", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 12", LevelDanger, L"HDFS≥12：跌倒高危，执行高危防范",
     L"戴标识腕带、床头警示，拉起床栏，床降至最低，教育家长，行走有人陪，每小时巡视；每班复评。"},
    {"1", LevelNormal, L"HDFS 7-11：跌倒低危，标准预防",
     L"向患儿及家长介绍环境，床放低，穿防滑鞋，呼叫器放手边；每班及病情变化时复评。"},
};

}  // namespace

extern const ToolDef kHumptyDumptyTool = {
    .id = 442,
    .title = L"Humpty Dumpty儿童跌倒风险评估",
    .subtitle = L"住院患儿跌倒风险七项评分（HDFS）",
    .category = L"护理评估",
    .basis = L"总分 = 年龄 + 性别 + 诊断 + 认知障碍 + 环境因素 + 手术/镇静/麻醉后 + 用药，7-23分；7-11低危，≥12高危（Hill-Rodriguez 2009）",
    .note = L"一项符合多个类别时取最高分。诊断3分指氧合改变：呼吸系统疾病、脱水、贫血、厌食、晕厥/头晕。环境4分：有跌倒史或婴幼儿睡成人床；3分：用辅助器具、婴幼儿睡婴儿床或家具、照明因素。高风险药物：镇静催眠药、巴比妥类、吩噻嗪类、抗抑郁药、泻药/利尿剂、阿片类。本量表易高估风险；入院、每班及病情变化时评估。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
