// Properties every formula tool of the catalogue keeps, whatever is typed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <cwchar>
#include <random>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/format.h"
#include "engine/tool_catalogue.h"
#include "store/selftest_report.h"

namespace {

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0, end;
    while ((end = text.find(L"\r\n", start)) != std::wstring::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The value text of an output's result line: between "label：" and " unit".
std::wstring ValueOfLine(const OutputField& output, const std::wstring& line) {
    std::wstring value = line.substr(std::wcslen(output.label) + 1);
    if (output.unit && output.unit[0]) value.resize(value.size() - std::wcslen(output.unit) - 1);
    return value;
}

// Digits after the decimal point of a format code's text.
int DecimalsOf(const char* code) {
    if (!code) return 2;
    const char* codes[] = {"f0", "f1", "f2", "f3", "int", "pct"};
    const int decimals[] = {0, 1, 2, 3, 0, 1};
    for (int i = 0; i < 6; ++i)
        if (std::strcmp(code, codes[i]) == 0) return decimals[i];
    return 2;
}

// Whether text shows value: "--" for a value that cannot be shown, else a
// number that rounds to it at the code's decimals.
bool ShowsValue(const char* code, double value, const std::wstring& text) {
    if (text == L"--") return true;
    if (!std::isfinite(value)) return false;
    if (code && std::strcmp(code, "date") == 0) return true;  // a calendar day, not a magnitude
    double shown = std::wcstod(text.c_str(), nullptr);
    return std::fabs(shown - value) <= 0.5000001 * std::pow(10.0, -DecimalsOf(code)) + std::fabs(value) * 1e-15;
}

// Inputs a ward user might type, and some nobody should.
double RandomInput(std::mt19937& random, double defaultValue) {
    const double kinds[] = {0, -0.0, 1, -1, 1e-300, -1e-300, 1e300, -1e300, 1e15, 0.5, 2, 3, 100};
    switch (random() % 6) {
    case 0: return kinds[random() % (sizeof kinds / sizeof kinds[0])];
    case 1: return defaultValue;
    case 2: return defaultValue * std::uniform_real_distribution<double>(0, 3)(random);
    case 3: return std::uniform_real_distribution<double>(-1000, 1000)(random);
    case 4: return static_cast<double>(random() % 8);
    default: return std::ldexp(std::uniform_real_distribution<double>(-1, 1)(random), static_cast<int>(random() % 400) - 200);
    }
}

TEST(SuiteTools, AnyInputGivesEveryLineAHonestValueAndALevel) {
    std::mt19937 random(20261208);
    static wchar_t result[8192], last[8192];
    wchar_t verdict[512];
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        if (tool.reportKind != ReportNone) continue;
        SCOPED_TRACE(kToolCatalogue[t].program);
        for (int run = 0; run < 300; ++run) {
            double inputs[kMaxInputs] = {};
            for (int i = 0; i < tool.inputCount; ++i) inputs[i] = RandomInput(random, tool.inputs[i].defaultValue);
            int32_t level = -1;
            RunCalculation(tool, inputs, result, 8192, verdict, 512, &level, last, 8192);
            double outputs[kMaxOutputs];
            int32_t failures = EvaluateOutputs(tool, inputs, outputs, nullptr);
            std::vector<std::wstring> lines = Lines(result);
            ASSERT_EQ(lines.size(), static_cast<size_t>(tool.outputCount + (failures ? 1 : 0)));
            for (int i = 0; i < tool.outputCount; ++i) {
                std::wstring value = ValueOfLine(tool.outputs[i], lines[i]);
                EXPECT_TRUE(ShowsValue(tool.outputs[i].format, outputs[i], value))
                    << tool.outputs[i].key << " = " << outputs[i] << " shown as " << ::testing::PrintToString(value);
            }
            EXPECT_TRUE(level >= LevelNormal && level <= LevelDanger) << level;
            EXPECT_NE(verdict[0], L'\0');
        }
    }
}

// The self-test evaluates the outputs again; each OUT line must show what the
// window's result text shows for the same output.
TEST(SuiteTools, SelfTestShowsWhatTheWindowShows) {
    static wchar_t report[kSelfTestReportCapacity], result[8192], last[8192];
    wchar_t verdict[512];
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        if (tool.reportKind != ReportNone) continue;
        SCOPED_TRACE(kToolCatalogue[t].program);
        EXPECT_EQ(BuildSelfTestReport(tool, report), 0) << "an output fails with the defaults";
        double inputs[kMaxInputs] = {};
        for (int i = 0; i < tool.inputCount; ++i) inputs[i] = tool.inputs[i].defaultValue;
        int32_t level = 0;
        RunCalculation(tool, inputs, result, 8192, verdict, 512, &level, last, 8192);
        std::vector<std::wstring> lines = Lines(result), outLines;
        for (const std::wstring& line : Lines(report))
            if (line.rfind(L"OUT|", 0) == 0) outLines.push_back(line);
        ASSERT_EQ(outLines.size(), static_cast<size_t>(tool.outputCount));
        for (int i = 0; i < tool.outputCount; ++i) {
            const OutputField& output = tool.outputs[i];
            std::wstring expected = std::wstring(L"OUT|") + output.label + L"|" + ValueOfLine(output, lines[i]) + L"|" +
                                    (output.unit ? output.unit : L"");
            EXPECT_EQ(outLines[i], expected);
        }
    }
}

}  // namespace
