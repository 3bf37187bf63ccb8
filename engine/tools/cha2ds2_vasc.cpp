// CHA2DS2-VASc stroke risk in non-valvular atrial fibrillation; the advice
// follows the score without the female-sex point.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"chf", L"心衰（是1 否0）", nullptr, 0},
    {"htn", L"高血压（是1 否0）", nullptr, 1},
    {"age", L"年龄", L"岁", 70},
    {"dm", L"糖尿病（是1 否0）", nullptr, 0},
    {"stroke", L"既往卒中（是1 否0）", nullptr, 0},
    {"vasc", L"血管疾病（是1 否0）", nullptr, 0},
    {"sex", L"性别（男1 女0）", nullptr, 1},
};

const OutputField kOutputs[] = {
    {"score", L"CHA2DS2-VASc评分", L"分",
     "chf + htn + (age >= 75 ? 2 : (age >= 65 ? 1 : 0)) + dm + 2*stroke + vasc + (sex == 0 ? 1 : 0)", "int"},
    {"nonsex", L"不计女性分的评分", L"分", "score - (sex == 0 ? 1 : 0)", "int"},
};

const VerdictRule kRules[] = {
    {"nonsex >= 2", LevelDanger, L"男≥2/女≥3分：推荐口服抗凝（评估出血）"},
    {"nonsex == 1", LevelWarning, L"男1/女2分：应考虑口服抗凝"},
    {"1", LevelNormal, L"低危（男0/女1分）：无需抗栓治疗"},
};

}  // namespace

extern const ToolDef kCha2ds2VascTool = {
    .id = 430,
    .title = L"CHA2DS2-VASc评分",
    .subtitle = L"房颤卒中风险与抗凝决策",
    .category = L"循环",
    .basis = L"心衰1 + 高血压1 + 年龄(65-74岁1，≥75岁2) + 糖尿病1 + 卒中/TIA/血栓栓塞2 + 血管疾病1 + 女性1，0-9分（Lip 2010）",
    .note = L"是填1，否填0；性别男1女0，女性计1分。卒中含TIA及血栓栓塞史；血管疾病含心肌梗死、外周动脉疾病、主动脉斑块。抗凝建议按不计女性分的评分判断。仅用于非瓣膜性房颤（中重度二尖瓣狭窄、机械瓣除外）。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
