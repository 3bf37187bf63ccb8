#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "engine/calculation.h"

namespace {

struct Outcome {
    wchar_t result[4096];
    wchar_t verdict[512];
    wchar_t last[8192];
    int32_t level = -1;
    int32_t returned = -1;
};

Outcome Calculate(const ToolDef& tool, const double* inputs, int resultCapacity = 4096) {
    Outcome run;
    std::wmemset(run.result, L'#', 4096);
    std::wmemset(run.last, L'#', 8192);
    run.returned = RunCalculation(tool, inputs, run.result, resultCapacity, run.verdict, 512, &run.level, run.last,
                                  8192);
    return run;
}

const wchar_t kFailedNote[] = L"（部分结果无法计算，请检查输入是否合理）\r\n";
const wchar_t kImpossibleInputs[] = L"请核对：体重>0，速度≥0，浓度0-100%";

TEST(RunCalculation, ConfiguredToolCases) {
    struct Case {
        double rate, conc, w;
        const wchar_t* result;
        const wchar_t* verdict;
        int32_t level;
    } cases[] = {
        {60, 10, 60, L"葡萄糖输注速率：1.67 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n", L"GIR 在合理范围", 0},
        {120, 12.5, 3, L"葡萄糖输注速率：83.33 mg/kg/min\r\n每日葡萄糖：360.0 g\r\n", L"GIR 偏高，警惕高血糖与脂肪肝", 2},
        {60, 10, 0, L"葡萄糖输注速率：0.00 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n（部分结果无法计算，请检查输入是否合理）\r\n",
         kImpossibleInputs, 2},
        {1e308, 10, 60, L"葡萄糖输注速率：-- mg/kg/min\r\n每日葡萄糖：-- g\r\n（部分结果无法计算，请检查输入是否合理）\r\n",
         L"GIR 偏高，警惕高血糖与脂肪肝", 2},
        {0, 0, 0, L"葡萄糖输注速率：0.00 mg/kg/min\r\n每日葡萄糖：0.0 g\r\n（部分结果无法计算，请检查输入是否合理）\r\n",
         kImpossibleInputs, 2},
        // Inputs no patient has are flagged before the GIR is judged.
        {60, 10, -5, L"葡萄糖输注速率：-20.00 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n", kImpossibleInputs, 2},
        {-60, 10, 60, L"葡萄糖输注速率：-1.67 mg/kg/min\r\n每日葡萄糖：-144.0 g\r\n", kImpossibleInputs, 2},
        {60, -10, 60, L"葡萄糖输注速率：-1.67 mg/kg/min\r\n每日葡萄糖：-144.0 g\r\n", kImpossibleInputs, 2},
        {60, 100.5, 60, L"葡萄糖输注速率：16.75 mg/kg/min\r\n每日葡萄糖：1447.2 g\r\n", kImpossibleInputs, 2},
        // The edges that a patient can have: no infusion, pure glucose.
        {0, 10, 60, L"葡萄糖输注速率：0.00 mg/kg/min\r\n每日葡萄糖：0.0 g\r\n", L"GIR 在合理范围", 0},
        {60, 0, 60, L"葡萄糖输注速率：0.00 mg/kg/min\r\n每日葡萄糖：0.0 g\r\n", L"GIR 在合理范围", 0},
        {6, 100, 60, L"葡萄糖输注速率：1.67 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n", L"GIR 在合理范围", 0},
    };
    for (const Case& c : cases) {
        const double inputs[] = {c.rate, c.conc, c.w};
        Outcome run = Calculate(ConfiguredTool(), inputs);
        EXPECT_EQ(std::wstring(run.result), c.result);
        EXPECT_EQ(std::wstring(run.verdict), c.verdict);
        EXPECT_EQ(run.level, c.level);
        EXPECT_EQ(run.returned, c.level);
        EXPECT_EQ(std::wstring(run.last), c.result);
    }
}

// Outputs that refer to each other, one without unit, rules that fail.
const InputField kInputs[] = {{"x", L"x", nullptr, 0}};
const OutputField kChained[] = {
    {"first", L"甲", L"", "second+1", "f0"},   // second not computed yet: reads 0
    {"second", L"乙", nullptr, "first*10", "int"},
    {"third", L"丙", L"u", "x/0", nullptr},
};
const VerdictRule kNoneApply[] = {{"x>100", 3, L"高"}, {"nosuch", 3, L"坏"}, {"1/0+1", 3, L"除零"}};
const VerdictRule kEmptyVerdict[] = {{"x>0", 1, L""}};
const ToolDef kChainedTool = {9, L"链", nullptr, L"c", L"b", nullptr, 1, kInputs, 3, kChained, 3, kNoneApply, 0};
const ToolDef kNoRules = {9, L"链", nullptr, L"c", L"b", nullptr, 1, kInputs, 0, nullptr, 0, nullptr, 0};
const ToolDef kEmptyVerdictTool = {9, L"链", nullptr, L"c", L"b", nullptr, 1, kInputs, 0, nullptr, 1, kEmptyVerdict, 0};

TEST(RunCalculation, OutputsRulesAndDefaultVerdict) {
    const double inputs[] = {5};
    Outcome chained = Calculate(kChainedTool, inputs);
    EXPECT_EQ(std::wstring(chained.result), std::wstring(L"甲：1\r\n乙：10\r\n丙：0.00 u\r\n") + kFailedNote);
    EXPECT_EQ(std::wstring(chained.verdict), L"请核对输入参数后重新计算");
    EXPECT_EQ(chained.level, 0);

    Outcome noRules = Calculate(kNoRules, inputs);
    EXPECT_EQ(std::wstring(noRules.result), L"");
    EXPECT_EQ(std::wstring(noRules.verdict), kDefaultVerdict);
    EXPECT_EQ(noRules.level, 0);

    // The chosen rule's level stays even when its verdict is empty.
    Outcome empty = Calculate(kEmptyVerdictTool, inputs);
    EXPECT_EQ(std::wstring(empty.verdict), kDefaultVerdict);
    EXPECT_EQ(empty.level, 1);
}

TEST(RunCalculation, SmallResultCapacityCutsTheFirstLine) {
    const double inputs[] = {60, 10, 60};
    Outcome run = Calculate(ConfiguredTool(), inputs, 10);
    EXPECT_EQ(std::wstring(run.result), L"葡萄糖输注速率：1");
    EXPECT_EQ(run.result[10], L'#');
    EXPECT_EQ(std::wstring(run.last), L"葡萄糖输注速率：1");
    EXPECT_EQ(std::wstring(run.verdict), L"GIR 在合理范围");
}

TEST(RunCalculation, ReportToolIgnoresOutputsAndRules) {
    const VerdictRule always[] = {{"", 3, L"不该出现"}};
    const ToolDef tools[] = {
        {1, L"r", nullptr, L"c", L"b", nullptr, 1, kInputs, 3, kChained, 1, always, 12},
        {1, L"r", nullptr, L"c", L"b", nullptr, 1, kInputs, 3, kChained, 1, always, -1},
    };
    const double inputs[] = {5};
    for (const ToolDef& tool : tools) {
        Outcome run = Calculate(tool, inputs);
        EXPECT_EQ(std::wstring(run.result), L"（该工具暂无自定义报告）");
        EXPECT_EQ(std::wstring(run.verdict), L"暂无报告内容");
        EXPECT_EQ(run.level, 0);
        EXPECT_EQ(std::wstring(run.last), run.result);
    }
}

}  // namespace
