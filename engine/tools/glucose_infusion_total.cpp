// Glucose infusion rate summed over up to three dextrose infusions, with
// neonatal and adult bands.
#include "engine/tool_def.h"

namespace {

const InputChoice kPopulation[] = {
    {1, L"新生儿/婴儿"},
    {0, L"成人"},
};

const InputField kInputs[] = {
    Measured("w", L"体重", L"kg", 3.5, 0.3, 350),
    Number("r1", L"液体1速度", L"ml/h", 12, 0, 500),
    Number("c1", L"液体1葡萄糖浓度", L"%", 10, 0, 50),
    Number("r2", L"液体2速度", L"ml/h", 0, 0, 500),
    Number("c2", L"液体2葡萄糖浓度", L"%", 0, 0, 50),
    Number("r3", L"液体3速度", L"ml/h", 0, 0, 500),
    Number("c3", L"液体3葡萄糖浓度", L"%", 0, 0, 50),
    Choice("neo", L"人群", nullptr, 1, kPopulation),
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

// GIR is judged as shown (two decimals): 4.996 shows 5.00 and is not "below 5".
const VerdictRule kRules[] = {
    {"w <= 0 || r1 < 0 || r2 < 0 || r3 < 0 || c1 < 0 || c2 < 0 || c3 < 0 || c1 > 50 || c2 > 50 || c3 > 50",
     LevelWarning, L"请核对：体重>0，速度≥0，浓度0-50%"},
    {"r1*c1 + r2*c2 + r3*c3 <= 0", LevelWarning, L"未输入含糖液：至少填一路速度和浓度"},
    {"neo == 1 && round(gir*100)/100 < 5", LevelWarning, L"GIR<5：不进食婴儿有低血糖风险"},
    {"neo == 1 && round(gir*100)/100 > 14", LevelNotice, L"GIR>14：监测血糖，警惕高胰岛素血症"},
    {"neo == 1 && round(gir*100)/100 > 8", LevelNotice, L"GIR高于常用5-8，营养可接受，监测血糖"},
    {"neo == 1", LevelNormal, L"GIR在新生儿常用范围5-8，适宜"},
    {"round(gir*100)/100 > 5", LevelWarning, L"成人GIR>5：超过氧化上限，警惕高血糖"},
    {"round(gir*100)/100 > 4", LevelNotice, L"成人GIR 4-5已达上限，监测血糖"},
    {"1", LevelNormal, L"成人GIR≤4，在安全范围内"},
};

}  // namespace

extern const ToolDef kGlucoseInfusionTotalTool = {
    .id = 401,
    .title = L"葡萄糖输注速率（GIR）",
    .subtitle = L"最多三路含糖液合计GIR与供能",
    .category = L"营养支持",
    .basis = L"GIR(mg/kg/min) = Σ速度(ml/h)×浓度(%)×10 ÷ (体重×60)；供能按3.4 kcal/g；阈值依据Cornell PICU及成人肠外营养文献",
    .note = L"浓度填百分数（10%填10）；未用的液体速度填0。新生儿区间仅适用于婴儿，较大儿童上限更低；按显示的两位小数判定。请核对袋上葡萄糖浓度（常用5%、10%、50%）。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
