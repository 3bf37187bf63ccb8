#include <gtest/gtest.h>

#include <string>

#include "engine/calculation.h"
#include "engine/text.h"

namespace {

// Outputs that refer to each other, one without unit, rules that fail.
const InputField kInputs[] = {{"x", L"x", nullptr, 0}};
const OutputField kChained[] = {
    {"first", L"甲", L"", "second+1", "f0"},  // second not computed yet: reads 0
    {"second", L"乙", nullptr, "first*10", "int"},
    {"third", L"丙", L"u", "x/0", nullptr},
};
const VerdictRule kNoneApply[] = {{"x>100", 3, L"高"}, {"nosuch", 3, L"坏"}, {"1/0+1", 3, L"除零"}, {"", 3, L"空"}};
const VerdictRule kEmptyVerdict[] = {{"x>0", 1, L""}};
const VerdictRule kAlways[] = {{"1", 3, L"不该出现"}};

constexpr ToolDef Tool(const OutputField* outputs, int32_t outputCount, const VerdictRule* rules, int32_t ruleCount,
                       int32_t reportKind = ReportNone) {
    return {.id = 9, .title = L"链", .category = L"c", .basis = L"b", .inputCount = 1, .inputs = kInputs,
            .outputCount = outputCount, .outputs = outputs, .ruleCount = ruleCount, .rules = rules,
            .reportKind = reportKind};
}

TEST(Calculate, OutputsRulesAndDefaultVerdict) {
    const struct {
        const char* name;
        ToolDef tool;
        const wchar_t* result;
        const wchar_t* verdict;
        int32_t level;
        int32_t failed;
    } rows[] = {
        {"chained outputs, no rule applies", Tool(kChained, 3, kNoneApply, 4),
         L"甲：1\r\n乙：10\r\n丙：0.00 u\r\n（部分结果无法计算，请检查输入是否合理）\r\n", kDefaultVerdict, LevelNormal, 1},
        {"no outputs, no rules", Tool(nullptr, 0, nullptr, 0), L"", kDefaultVerdict, LevelNormal, 0},
        {"the chosen rule's level stays when its verdict is empty", Tool(nullptr, 0, kEmptyVerdict, 1), L"",
         kDefaultVerdict, LevelNotice, 0},
        // A report kind without a generator: the no-report text; outputs and rules are not read.
        {"kind 12", Tool(kChained, 3, kAlways, 1, 12), L"（该工具暂无自定义报告）", L"暂无报告内容", LevelNormal, 0},
        {"kind -1", Tool(kChained, 3, kAlways, 1, -1), L"（该工具暂无自定义报告）", L"暂无报告内容", LevelNormal, 0},
    };
    static CalculationResult result;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const double inputs[] = {5};
        CopyCut(result.resultText, kResultTextCapacity, L"上一次的结果");
        Calculate(row.tool, inputs, &result);
        EXPECT_EQ(std::wstring(result.resultText), row.result);
        EXPECT_EQ(std::wstring(result.verdictText), row.verdict);
        EXPECT_EQ(result.level, row.level);
        EXPECT_EQ(result.failedCount, row.failed);
    }
}

}  // namespace
