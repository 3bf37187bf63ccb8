// Glucose infusion rate summed over up to three dextrose infusions, with
// neonatal and adult bands.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"w", L"体重", L"kg", 3.5},
    {"r1", L"液体1速度", L"ml/h", 10},
    {"c1", L"液体1葡萄糖浓度", L"%", 10},
    {"r2", L"液体2速度", L"ml/h", 0},
    {"c2", L"液体2葡萄糖浓度", L"%", 0},
    {"r3", L"液体3速度", L"ml/h", 0},
    {"c3", L"液体3葡萄糖浓度", L"%", 0},
    {"neo", L"人群（婴儿1 成人0）", nullptr, 1},
};

const OutputField kOutputs[] = {
    {"gmin", L"葡萄糖输注量", L"mg/min", "(r1*c1 + r2*c2 + r3*c3)*10/60", "f1"},
    {"gir", L"葡萄糖输注速率（GIR）", L"mg/kg/min", "gmin/w", "f2"},
    {"g_day", L"每日葡萄糖量", L"g/d", "(r1*c1 + r2*c2 + r3*c3)*24/100", "f1"},
    {"g_kg_day", L"每千克每日葡萄糖量", L"g/kg/d", "g_day/w", "f2"},
    {"kcal_day", L"葡萄糖供能", L"kcal/d", "g_day*3.4", "f0"},
    {"ml_h", L"含糖液总速度", L"ml/h", "r1 + r2 + r3", "f1"},
    {"ml_kg_day", L"含糖液每日液量", L"ml/kg/d", "(r1 + r2 + r3)*24/w", "f0"},
};

const VerdictRule kRules[] = {
    {"w <= 0", LevelWarning, L"请输入大于0的体重"},
    {"neo == 1 && gir < 5", LevelWarning, L"GIR<5，不进食婴儿有低血糖风险"},
    {"neo == 1 && gir > 14", LevelNotice, L"GIR>14：监测血糖，警惕高胰岛素血症"},
    {"neo == 1 && gir > 8", LevelNotice, L"GIR高于常用5-8，营养可接受，监测血糖"},
    {"neo == 1", LevelNormal, L"GIR在新生儿常用范围5-8"},
    {"gir > 5", LevelWarning, L"成人GIR>5，警惕高血糖与脂肪合成"},
    {"gir > 4", LevelNotice, L"成人GIR 4-5已达上限，监测血糖"},
    {"1", LevelNormal, L"成人GIR≤4，在合理范围"},
};

}  // namespace

extern const ToolDef kGlucoseInfusionTotalTool = {
    .id = 401,
    .title = L"葡萄糖输注速率（GIR）",
    .subtitle = L"最多三路含糖液合计GIR与供能",
    .category = L"营养支持",
    .basis = L"GIR(mg/kg/min) = Σ速度(ml/h)×浓度(%)×10 ÷ (体重×60)；供能按3.4 kcal/g；阈值依据Cornell PICU及成人肠外营养文献",
    .note = L"浓度填百分数（10%填10）；未用的液体速度填0。人群：新生儿及婴儿填1，成人填0。新生儿区间仅适用于婴儿；请核对袋上葡萄糖浓度。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
