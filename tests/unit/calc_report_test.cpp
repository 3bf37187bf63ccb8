#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/tool_catalogue.h"
#include "store/selftest_report.h"
#include "tests/support/catalogue_tool.h"
#include "tests/support/test_files.h"

namespace {

std::vector<std::wstring> Lines(const std::wstring& report) {
    std::vector<std::wstring> lines;
    for (size_t start = 0, end; (end = report.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(report.substr(start, end - start));
    return lines;
}

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

// The worked example w 80, h 170 of the reference: BMI 27.68, overweight.
TEST(CalcReport, WorkedExampleWithItsInputs) {
    const ToolDef& tool = CatalogueTool("BodyMassIndex");
    EXPECT_EQ(CalcReportOf(tool, {80, 170}),
              L"TOOL|410|体质指数（中国成人标准）|体格测量\r\n"
              L"IN|w|体重|80\r\n"
              L"IN|h|身高|170\r\n"
              L"LEVEL|1\r\n"
              L"OUT|体质指数（BMI）|27.7|kg/m²\r\n"
              L"OUT|正常体重下限（BMI 18.5）|53.5|kg\r\n"
              L"OUT|正常体重上限（BMI 24.0，不含）|69.4|kg\r\n"
              L"VERDICT|超重：BMI 24.0-27.9\r\n"
              L"DETAIL|体质指数（BMI）：27.7 kg/m² 正常体重下限（BMI 18.5）：53.5 kg 正常体重上限（BMI 24.0，不含）：69.4 kg \r\n"
              L"ERRORS|0\r\n");
}

// After each choice input's IN line, one CHOICE line per choice: its value
// (a checklist's items by their numbers) and its label.
TEST(CalcReport, ChoiceLinesFollowTheirInput) {
    const InputChoice sexes[] = {{1, L"男"}, {0, L"女"}};
    const InputChoice items[] = {{2, L"甲项"}, {2, L"乙项"}};
    const InputField inputs[] = {Choice("sex", L"性别", nullptr, 1, sexes), Checklist("rf", L"因素", L"分", items)};
    const ToolDef tool = {.id = 5, .title = L"t", .category = L"c", .basis = L"b", .inputCount = 2, .inputs = inputs};
    std::vector<std::wstring> lines = Lines(CalcReportOf(tool, {0, 4}));
    ASSERT_GE(lines.size(), 7u);
    const std::wstring expected[] = {L"IN|sex|性别|0", L"CHOICE|sex|1|男", L"CHOICE|sex|0|女", L"IN|rf|因素|4",
                                     L"CHOICE|rf|1|甲项", L"CHOICE|rf|2|乙项", L"LEVEL|0"};
    for (int l = 0; l < 7; ++l) EXPECT_EQ(lines[1 + l], expected[l]);
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
    for (const Row& row : rows) EXPECT_EQ(Lines(CalcReportOf(tool, {row.value}))[1], row.line) << row.value;
}

// For every tool: with the same inputs, the report is the self-test's with
// one IN line per input, in input order, right after the TOOL line.
TEST(CalcReport, IsTheSelfTestReportWithTheInputLines) {
    std::vector<wchar_t> selfTest(kSelfTestReportCapacity);
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        SCOPED_TRACE(kToolCatalogue[t].program);
        BuildSelfTestReport(tool, selfTest.data());
        std::vector<std::wstring> lines = Lines(CalcReportOf(tool, Defaults(tool)));
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
