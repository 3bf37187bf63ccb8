// CHA2DS2-VASc stroke risk in non-valvular atrial fibrillation; the advice
// follows the score without the female-sex point.
#include "engine/tool_def.h"

namespace {

// Opens on a man of 60 with no risk factor: score 0.
const InputField kInputs[] = {
    Choice("chf", L"心衰/左室功能不全", nullptr, 0, kNoYesChoices),
    Choice("htn", L"高血压", nullptr, 0, kNoYesChoices),
    Measured("age", L"年龄", L"岁", 60, 18, 120),
    Choice("dm", L"糖尿病", nullptr, 0, kNoYesChoices),
    Choice("stroke", L"卒中/TIA/血栓栓塞史", nullptr, 0, kNoYesChoices),
    Choice("vasc", L"血管疾病", nullptr, 0, kNoYesChoices),
    Choice("sex", L"性别", nullptr, 1, kMaleFemaleChoices),
};

const OutputField kOutputs[] = {
    {"score", L"CHA2DS2-VASc评分", L"分",
     "chf + htn + (age >= 75 ? 2 : (age >= 65 ? 1 : 0)) + dm + 2*stroke + vasc + (sex == 0 ? 1 : 0)", "int"},
    {"nonsex", L"不计女性分的评分", L"分", "score - (sex == 0 ? 1 : 0)", "int"},
};

const VerdictRule kRules[] = {
    {"age < 0", LevelWarning, L"年龄有误：请填写年龄（岁）"},
    {"nonsex >= 2", LevelDanger, L"男≥2/女≥3分：推荐口服抗凝（评估出血）",
     L"无禁忌即启用口服抗凝药（NOAC，或华法林控制INR 2.0-3.0）；用HAS-BLED评估出血风险。"},
    {"nonsex == 1", LevelWarning, L"男1/女2分：应考虑口服抗凝",
     L"与患者商讨是否抗凝，权衡出血风险；如启用，首选NOAC。"},
    {"1", LevelNormal, L"低危（男0/女1分）：无需抗栓治疗",
     L"不用阿司匹林或抗凝药；年龄增长或出现新的危险因素时重新评分。"},
};

}  // namespace

extern const ToolDef kCha2ds2VascTool = {
    .id = 430,
    .title = L"CHA2DS2-VASc评分",
    .subtitle = L"房颤卒中风险与抗凝决策",
    .category = L"循环",
    .basis = L"心衰1 + 高血压1 + 年龄(65-74岁1，≥75岁2) + 糖尿病1 + 卒中/TIA/血栓栓塞2 + 血管疾病1 + 女性1，0-9分（Lip 2010）",
    .note = L"女性计1分。血管疾病含心肌梗死、外周动脉疾病、主动脉斑块。抗凝建议按不计女性分的评分判断。仅用于非瓣膜性房颤（中重度二尖瓣狭窄、机械瓣除外）。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
