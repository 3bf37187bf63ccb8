// Critical-Care Pain Observation Tool: four behaviours, significant pain from 3.
#include "engine/tool_def.h"

namespace {

const InputChoice kFace[] = {
    {0, L"放松、自然"}, {1, L"紧张(皱眉/眉毛下垂)"}, {2, L"面部扭曲(眼睑紧闭)"},
};
const InputChoice kBody[] = {
    {0, L"无体动或正常体位"}, {1, L"防卫(缓慢/触摸痛处)"}, {2, L"躁动(扯管/欲坐起)"},
};
const InputChoice kMuscle[] = {
    {0, L"放松(被动无阻力)"}, {1, L"紧张、僵硬"}, {2, L"非常紧张或僵硬"},
};
// Intubated and extubated descriptors share one list: their points are the same.
const InputChoice kVentilator[] = {
    {0, L"耐受/言语正常或无声"}, {1, L"咳嗽但耐受/叹气呻吟"}, {2, L"人机对抗/喊叫、啜泣"},
};

const InputField kInputs[] = {
    Choice("face", L"面部表情", L"分", 0, kFace),
    Choice("body", L"身体活动", L"分", 0, kBody),
    Choice("musc", L"肌肉紧张度", L"分", 0, kMuscle),
    Choice("vent", L"人机协调/发声", L"分", 0, kVentilator),
};

const OutputField kOutputs[] = {
    {"score", L"CPOT总分", L"分", "face + body + musc + vent", "int"},
};

const VerdictRule kRules[] = {
    {"score >= 3", LevelWarning, L"CPOT≥3：可能存在明显疼痛，先镇痛",
     L"遵医嘱先镇痛，再考虑镇静；药物起效后及翻身、吸痰时复评CPOT。"},
    {"1", LevelNormal, L"CPOT 0-2：无明显疼痛，操作时复评"},
};

}  // namespace

extern const ToolDef kCpotPainTool = {
    .id = 445,
    .title = L"CPOT重症疼痛观察",
    .subtitle = L"不能自述的重症患者疼痛行为评估",
    .category = L"重症评分",
    .basis = L"总分 = 面部表情 + 身体活动 + 肌肉紧张度 + 人机协调（插管）或发声（未插管），各0-2分，0-8分；≥3提示明显疼痛（Gélinas 2006）",
    .note = L"静息时及翻身、吸痰等操作时各评一次；肌肉紧张度通过被动屈伸上肢判断。第四项插管者看人机协调（耐受、咳嗽但耐受、对抗），未插管者看发声（正常或无声、叹气呻吟、喊叫啜泣），分值相同。CPOT不分轻中重度。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
