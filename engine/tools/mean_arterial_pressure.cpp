// Mean arterial pressure and pulse pressure from a cuff reading.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("sbp", L"收缩压", L"mmHg", 120, 30, 300),
    Measured("dbp", L"舒张压", L"mmHg", 80, 10, 200),
};

const OutputField kOutputs[] = {
    {"map", L"平均动脉压（MAP）", L"mmHg", "dbp + (sbp - dbp)/3", "f0"},
    {"pp", L"脉压", L"mmHg", "sbp - dbp", "f0"},
};

// MAP is judged as shown (whole mmHg): 59.7 shows 60 and is not "below 60".
const VerdictRule kRules[] = {
    {"dbp <= 0 || sbp <= dbp", LevelWarning, L"请输入两个血压，收缩压须高于舒张压"},
    {"round(map) < 60", LevelDanger, L"MAP<60：低于器官灌注所需水平"},
    {"round(map) < 65", LevelWarning, L"MAP<65：低于脓毒性休克初始目标"},
    {"round(map) < 70", LevelNotice, L"MAP 65-69：低于常用范围70-110"},
    {"round(map) > 110", LevelNotice, L"MAP>110：高于常用范围70-110"},
    {"1", LevelNormal, L"MAP在常用范围70-110 mmHg内"},
};

}  // namespace

extern const ToolDef kMeanArterialPressureTool = {
    .id = 413,
    .title = L"平均动脉压",
    .subtitle = L"由收缩压、舒张压计算MAP与脉压",
    .category = L"循环",
    .basis = L"MAP = 舒张压 + (收缩压-舒张压)/3 = (SBP + 2×DBP)/3；脉压 = SBP - DBP。脓毒性休克初始目标MAP≥65 mmHg（SSC 2021）",
    .note = L"1/3公式假定舒张期占心动周期2/3，心率快时偏低；有动脉置管或监护仪MAP时以实测为准。目标值因病情而异（如颅脑损伤、慢性高血压者更高）。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
