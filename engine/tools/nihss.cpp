// NIH Stroke Scale, current 15-item form, item wording as on the Chinese
// guideline's form; each item is entered as its points.
#include "engine/tool_def.h"

namespace {

const InputChoice kLoc[] = {
    {0, L"清醒，反应灵敏"}, {1, L"嗜睡，轻刺激可唤醒"}, {2, L"昏睡，需反复或痛刺激"}, {3, L"昏迷，仅反射或无反应"},
};
const InputChoice kLocQuestions[] = {{0, L"两项均回答正确"}, {1, L"一项回答正确"}, {2, L"两项均不正确"}};
const InputChoice kLocCommands[] = {{0, L"两项均完成"}, {1, L"完成一项"}, {2, L"两项均不能完成"}};
const InputChoice kGaze[] = {{0, L"正常"}, {1, L"部分凝视麻痹"}, {2, L"被动凝视或完全麻痹"}};
const InputChoice kVisual[] = {
    {0, L"无视野缺损"}, {1, L"部分偏盲"}, {2, L"完全偏盲"}, {3, L"双侧偏盲（含皮质盲）"},
};
const InputChoice kFace[] = {{0, L"正常"}, {1, L"轻微面瘫"}, {2, L"部分面瘫"}, {3, L"完全面瘫"}};
const InputChoice kArm[] = {
    {0, L"无下落，坚持10秒"}, {1, L"10秒内下落，未撞床"}, {2, L"能部分抵抗重力"}, {3, L"不能抵抗重力"}, {4, L"无运动"},
};
const InputChoice kLeg[] = {
    {0, L"无下落，坚持5秒"}, {1, L"5秒内下落，未撞床"}, {2, L"能部分抵抗重力"}, {3, L"不能抵抗重力"}, {4, L"无运动"},
};
const InputChoice kAtaxia[] = {{0, L"无共济失调"}, {1, L"一个肢体有"}, {2, L"两个肢体有"}};
const InputChoice kSensory[] = {{0, L"正常"}, {1, L"轻-中度感觉障碍"}, {2, L"重度-完全感觉缺失"}};
const InputChoice kLanguage[] = {{0, L"正常，无失语"}, {1, L"轻-中度失语"}, {2, L"严重失语"}, {3, L"哑或完全失语"}};
const InputChoice kDysarthria[] = {{0, L"正常"}, {1, L"轻-中度构音障碍"}, {2, L"严重构音障碍"}};
const InputChoice kNeglect[] = {{0, L"无忽视"}, {1, L"一种感觉模式忽视"}, {2, L"严重偏身忽视"}};

// Labels carry the form's item numbers, so the rows follow the paper form.
const InputField kInputs[] = {
    Choice("loc", L"1a 意识水平", L"分", 0, kLoc),
    Choice("locq", L"1b 意识水平提问", L"分", 0, kLocQuestions),
    Choice("locc", L"1c 意识水平指令", L"分", 0, kLocCommands),
    Choice("gaze", L"2 凝视", L"分", 0, kGaze),
    Choice("visual", L"3 视野", L"分", 0, kVisual),
    Choice("face", L"4 面瘫", L"分", 0, kFace),
    Choice("arm_l", L"5a 左上肢运动", L"分", 0, kArm),
    Choice("arm_r", L"5b 右上肢运动", L"分", 0, kArm),
    Choice("leg_l", L"6a 左下肢运动", L"分", 0, kLeg),
    Choice("leg_r", L"6b 右下肢运动", L"分", 0, kLeg),
    Choice("ataxia", L"7 肢体共济失调", L"分", 0, kAtaxia),
    Choice("sensory", L"8 感觉", L"分", 0, kSensory),
    Choice("language", L"9 语言", L"分", 0, kLanguage),
    Choice("dysarthria", L"10 构音障碍", L"分", 0, kDysarthria),
    Choice("neglect", L"11 忽视", L"分", 0, kNeglect),
};

const OutputField kOutputs[] = {
    {"motor", L"肢体运动小计（5a-6b）", L"分", "arm_l + arm_r + leg_l + leg_r", "int"},
    {"score", L"NIHSS总分", L"分",
     "loc + locq + locc + gaze + visual + face + motor + ataxia + sensory + language + dysarthria + neglect", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 21", LevelDanger, L"NIHSS 21-42分：重度卒中"},
    {"score >= 16", LevelDanger, L"NIHSS 16-20分：中重度卒中"},
    {"score >= 5", LevelWarning, L"NIHSS 5-15分：中度卒中"},
    {"score >= 1", LevelNotice, L"NIHSS 1-4分：轻型卒中，仍评估再灌注"},
    {"1", LevelNormal, L"NIHSS 0分：无可测的卒中神经缺损"},
};

}  // namespace

extern const ToolDef kNihssTool = {
    .id = 453,
    .title = L"美国国立卫生研究院卒中量表（NIHSS）",
    .subtitle = L"卒中神经功能缺损程度评分",
    .category = L"神经",
    .basis = L"现行15项（11个方面）逐项计分相加，0-42分；0分无缺损，1-4分轻型，5-15分中度，16-20分中重度，21-42分重度（NIH卒中量表，条目按国内指南附表）",
    .note = L"按各项说明依次检查，记录首次反应，不得提示或诱导。无法检查的项目（截肢、关节融合、气管插管致构音无法评定）记0分并注明原因。1a为3分（昏迷）时，其余各项按量表规定的昏迷评分填写。溶栓、取栓决策不能只看总分；国内指南另有治疗界值（如轻型非致残性卒中≤3分用双抗），本工具未采用。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
