// What every report keeps whatever its text says (the golden file holds the
// texts), and the line rules the reports share.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/text.h"
#include "reports/report.h"
#include "tests/support/catalogue_tool.h"

namespace {

constexpr int kGuard = 16;
constexpr wchar_t kUnwritten = L'\x7f';

// A buffer of exactly capacity characters, then a guard that must stay
// untouched; what it holds before is unterminated, as no writer may expect.
struct GuardedText {
    explicit GuardedText(int32_t capacity) : capacity(capacity), data(capacity + kGuard, kUnwritten) {}
    bool Overrun() const {
        for (int i = 0; i < kGuard; ++i)
            if (data[capacity + i] != kUnwritten) return true;
        return false;
    }
    int32_t capacity;
    std::vector<wchar_t> data;
};

struct ReportRun {
    std::wstring text, verdict;
    int32_t level;
};

ReportRun RunGuarded(const ToolDef& tool, const std::vector<double>& values, int32_t capacity,
                     int32_t verdictCapacity) {
    GuardedText text(capacity), verdict(verdictCapacity);
    int32_t level = RunReport(tool, values.data(), text.data.data(), capacity, verdict.data.data(), verdictCapacity);
    EXPECT_FALSE(text.Overrun()) << "result text overrun at capacity " << capacity;
    EXPECT_FALSE(verdict.Overrun()) << "verdict overrun at capacity " << verdictCapacity;
    return {text.data.data(), verdict.data.data(), level};
}

// From no room to the whole: a text is cut, never overrun, and the verdict and
// level stay those of the whole report; the same for the verdict.
TEST(Reports, EveryReportIsCutAtItsCapacities) {
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        if (!IsReportTool(tool)) continue;
        SCOPED_TRACE(kToolCatalogue[t].program);
        const std::vector<double> values = InputValues(tool);
        const ReportRun whole = RunGuarded(tool, values, kResultTextCapacity, kVerdictTextCapacity);
        int32_t wrongAt = 0;
        for (int32_t capacity = 1; capacity <= static_cast<int32_t>(whole.text.size()) + 1 && !wrongAt; ++capacity) {
            ReportRun cut = RunGuarded(tool, values, capacity, kVerdictTextCapacity);
            if (cut.text != whole.text.substr(0, capacity - 1) || cut.verdict != whole.verdict ||
                cut.level != whole.level)
                wrongAt = capacity;
        }
        for (int32_t capacity = 1; capacity <= static_cast<int32_t>(whole.verdict.size()) + 1 && !wrongAt; ++capacity) {
            ReportRun cut = RunGuarded(tool, values, kResultTextCapacity, capacity);
            if (cut.verdict != whole.verdict.substr(0, capacity - 1) || cut.text != whole.text)
                wrongAt = -capacity;
        }
        EXPECT_EQ(wrongAt, 0) << "wrong at result (or, negative, verdict) capacity " << wrongAt;
    }
}

TEST(FindInput, FirstExactKeyWinsAndMissingIsZero) {
    const struct {
        const char* name;
        std::vector<InputField> inputs;
        const char* key;
        double expected;
    } rows[] = {
        {"no inputs", {}, "kind", 0},
        {"present", {{"beds", L"b", nullptr, 4}, {"kind", L"k", nullptr, 2.5}}, "kind", 2.5},
        {"first of two", {{"kind", L"k", nullptr, 3}, {"kind", L"k", nullptr, 1}}, "kind", 3},
        {"case-sensitive", {{"Kind", L"k", nullptr, 3}}, "kind", 0},
        {"no prefix match", {{"kinds", L"k", nullptr, 3}, {"kin", L"k", nullptr, 4}}, "kind", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ToolDef tool = {.id = 1, .title = L"t", .category = L"c", .basis = L"b",
                              .inputCount = static_cast<int32_t>(row.inputs.size()), .inputs = row.inputs.data()};
        std::vector<double> values;
        for (const InputField& input : row.inputs) values.push_back(input.defaultValue);
        EXPECT_EQ(FindInput(tool, values.data(), row.key), row.expected);
    }
}

TEST(ToInt32, TruncatesTowardZeroAndMarksEverythingOutOfRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double x;
        int32_t expected;
    } rows[] = {
        {0, 0},
        {1.9, 1},
        {-0.7, 0},
        {-1.9, -1},
        {2147483647.9, 2147483647},
        {2147483648.0, INT32_MIN},
        {-2147483648.9, INT32_MIN},
        {-2147483647.5, -2147483647},
        {inf, INT32_MIN},
        {-inf, INT32_MIN},
        {std::nan(""), INT32_MIN},
    };
    for (const auto& row : rows) EXPECT_EQ(ToInt32(row.x), row.expected) << row.x;
}

// Appended as AppendLine(text, capacity, L"第%d行%ls", 1, line) after before.
TEST(AppendLine, CutsTheLineAndItsEndAtTheCapacity) {
    const std::wstring longLine(600, L'床');
    const struct {
        const char* name;
        int32_t capacity;
        const wchar_t* before;
        std::wstring line;
        std::wstring expected;
    } rows[] = {
        {"fits exactly", 8, L"ab", L"", L"ab第1行\r\n"},
        {"one character of room gets \\r alone", 7, L"ab", L"", L"ab第1行\r"},
        {"line fills the text", 6, L"ab", L"", L"ab第1行"},
        {"line cut", 5, L"ab", L"", L"ab第1"},
        {"full text stays unchanged", 3, L"ab", L"", L"ab"},
        {"capacity 1", 1, L"", L"", L""},
        {"argument text", 32, L"", L"：10%", L"第1行：10%\r\n"},
        {"a line is cut to its first 511 characters", 2048, L"", longLine,
         L"第1行" + longLine.substr(0, 508) + L"\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GuardedText text(row.capacity);
        CopyCut(text.data.data(), row.capacity, row.before);
        AppendLine(text.data.data(), row.capacity, L"第%d行%ls", 1, row.line.c_str());
        EXPECT_EQ(std::wstring(text.data.data()), row.expected);
        EXPECT_FALSE(text.Overrun());
    }
}

}  // namespace
