// Braden Q: the paediatric Braden scale, seven subscales with tissue
// perfusion added; the lower the total, the higher the risk.
#include "engine/tool_def.h"

namespace {

const InputChoice kMobility[] = {
    {1, L"完全受限"}, {2, L"严重受限"}, {3, L"轻度受限"}, {4, L"无受限"},
};
const InputChoice kActivity[] = {
    {1, L"限制卧床"}, {2, L"限制坐椅"}, {3, L"偶尔步行"}, {4, L"能自行走动/年龄过小"},
};
const InputChoice kSensory[] = {
    {1, L"完全受限"}, {2, L"严重受限"}, {3, L"轻度受限"}, {4, L"无受限"},
};
const InputChoice kMoisture[] = {
    {1, L"持续潮湿"}, {2, L"很潮湿"}, {3, L"偶尔潮湿"}, {4, L"很少潮湿"},
};
const InputChoice kFriction[] = {
    {1, L"存在严重问题"}, {2, L"存在问题"}, {3, L"存在潜在问题"}, {4, L"无明显问题"},
};
const InputChoice kNutrition[] = {
    {1, L"极度贫乏"}, {2, L"贫乏"}, {3, L"正常"}, {4, L"良好"},
};
const InputChoice kPerfusion[] = {
    {1, L"极度不足"}, {2, L"不足"}, {3, L"正常"}, {4, L"良好"},
};

const InputField kInputs[] = {
    Choice("mob", L"移动度", L"分", 4, kMobility),
    Choice("act", L"活动度", L"分", 4, kActivity),
    Choice("sens", L"感知觉", L"分", 4, kSensory),
    Choice("moist", L"潮湿", L"分", 4, kMoisture),
    Choice("fric", L"摩擦力和剪切力", L"分", 4, kFriction),
    Choice("nutr", L"营养", L"分", 4, kNutrition),
    Choice("perf", L"组织灌注与氧合", L"分", 4, kPerfusion),
};

const OutputField kOutputs[] = {
    {"score", L"Braden Q总分", L"分", "mob + act + sens + moist + fric + nutr + perf", "int"},
};

const VerdictRule kRules[] = {
    {"score <= 16", LevelWarning, L"Braden Q≤16：有压力性损伤风险",
     L"启动预防计划：减压、用气垫床，保持皮肤和床单位清洁干燥，加强营养；病情变化时复评。"},
    {"score <= 17", LevelNotice, L"Braden Q 17分：达国内表单风险线",
     L"国内表单≤17分即启动预防计划（原量表界值为≤16分）；病情变化时复评。"},
    {"1", LevelNormal, L"Braden Q≥18：压力性损伤风险低", L"常规皮肤护理；病情变化时复评。"},
};

}  // namespace

extern const ToolDef kBradenQTool = {
    .id = 467,
    .title = L"Braden Q儿童压力性损伤风险评估",
    .subtitle = L"儿童压力性损伤（压疮）风险七项评分",
    .category = L"护理评估",
    .basis = L"总分 = 移动度 + 活动度 + 感知觉 + 潮湿 + 摩擦力和剪切力 + 营养 + 组织灌注与氧合，7-28分，越低风险越高；≤16分为有风险（Quigley & Curley 1996，Curley 2003），国内儿童压疮风险评估单≤17分为高危",
    .note = L"适用于约3周至8岁的儿童，年长儿用成人Braden量表。尚不会行走的婴儿活动度计4分。不评估医疗器械相关压力性损伤。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
