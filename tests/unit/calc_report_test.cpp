#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/tool_catalogue.h"
#include "store/selftest_report.h"
#include "tests/support/test_files.h"

namespace {

std::wstring CalcReportOf(const ToolDef& tool, const std::vector<double>& inputValues) {
    std::vector<wchar_t> report(kSelfTestReportCapacity);
    BuildCalcReport(tool, inputValues.data(), report.data());
    return report.data();
}

std::vector<double> Defaults(const ToolDef& tool) {
    std::vector<double> values(kMaxInputs);
    for (int i = 0; i < tool.inputCount; ++i) values[i] = tool.inputs[i].defaultValue;
    return values;
}

// "%g": six significant digits, the exponent with at least two digits, on
// Windows as on Linux.
TEST(CalcReport, InputValuesAsPercentGPrintsThem) {
    const InputField inputs[] = {{"x", L"量", L"ml", 0}};
    const ToolDef tool = {.id = 5, .title = L"t", .category = L"c", .basis = L"b", .inputCount = 1, .inputs = inputs};
    struct Row {
        double value;
        std::wstring line;
    };
    const Row rows[] = {
        {80, L"IN|x|量|80"},          {0.5, L"IN|x|量|0.5"},       {-3, L"IN|x|量|-3"},
        {0, L"IN|x|量|0"},            {123456, L"IN|x|量|123456"}, {1234567, L"IN|x|量|1.23457e+06"},
        {1e-5, L"IN|x|量|1e-05"},     {0.1 + 0.2, L"IN|x|量|0.3"}, {12.345678, L"IN|x|量|12.3457"},
        {1e300, L"IN|x|量|1e+300"},   {16, L"IN|x|量|16"},
    };
    for (const Row& row : rows) EXPECT_EQ(CrLfLines(CalcReportOf(tool, {row.value}))[1], row.line) << row.value;
}

// For every tool: with the same inputs, the report is the self-test's with
// one IN line per input, in input order, right after the TOOL line.
TEST(CalcReport, IsTheSelfTestReportWithTheInputLines) {
    std::vector<wchar_t> selfTest(kSelfTestReportCapacity);
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        SCOPED_TRACE(kToolCatalogue[t].program);
        BuildSelfTestReport(tool, selfTest.data());
        std::vector<std::wstring> lines = CrLfLines(CalcReportOf(tool, Defaults(tool)));
        std::wstring withoutInputs = lines[0] + L"\r\n";
        size_t l = 1;
        for (int i = 0; i < tool.inputCount; ++i) {
            std::wstring key(tool.inputs[i].key, tool.inputs[i].key + std::strlen(tool.inputs[i].key));
            ASSERT_LT(l + tool.inputs[i].choiceCount, lines.size());
            EXPECT_EQ(lines[l].rfind(L"IN|" + key + L"|" + tool.inputs[i].label + L"|", 0), 0u) << lines[l];
            for (int c = 1; c <= tool.inputs[i].choiceCount; ++c)
                EXPECT_EQ(lines[l + c].rfind(L"CHOICE|" + key + L"|", 0), 0u) << lines[l + c];
            l += 1 + tool.inputs[i].choiceCount;
        }
        for (; l < lines.size(); ++l) withoutInputs += lines[l] + L"\r\n";
        EXPECT_EQ(withoutInputs, std::wstring(selfTest.data()));
    }
}

TEST(CalcReport, ExitsAsTheSelfTest) {
    const InputField inputs[] = {{"x", L"x", nullptr, 4}};
    const OutputField outputs[] = {{"y", L"y", nullptr, "10/x", "f0"}};
    const ToolDef tool = {.id = 6, .title = L"t", .category = L"c", .basis = L"b", .inputCount = 1, .inputs = inputs,
                          .outputCount = 1, .outputs = outputs};
    TempFolder folder;
    struct Row {
        double x;
        std::string file;
        int exitCode;
        std::string head;  // the report up to its LEVEL line; none when not written
    };
    const Row rows[] = {
        {5, "r.txt", kSelfTestPassed, "TOOL|6|t|c\r\nIN|x|x|5\r\n"},
        {0, "r.txt", kSelfTestOutputsFailed, "TOOL|6|t|c\r\nIN|x|x|0\r\n"},
        {5, "no-such-folder/r.txt", kSelfTestNotWritten, ""},
    };
    for (const Row& row : rows) {
        double values[kMaxInputs] = {row.x};
        std::wstring path = folder.Path(row.file).wstring();
        EXPECT_EQ(RunCalcReport(tool, values, path.c_str()), row.exitCode);
        std::string bytes = FileExists(folder.Path(row.file)) ? ReadBytes(folder.Path(row.file)) : "";
        EXPECT_EQ(bytes.substr(0, bytes.find("LEVEL|")), row.head);
    }
}

}  // namespace
