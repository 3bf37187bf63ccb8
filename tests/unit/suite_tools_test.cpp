// Properties every formula tool of the catalogue keeps, whatever is typed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <random>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/format.h"
#include "engine/tool_catalogue.h"
#include "shell/input_reading.h"
#include "tests/support/test_files.h"

namespace {

// The value text of an output's result line: between "label：" and " unit".
std::wstring ValueOfLine(const OutputField& output, const std::wstring& line) {
    std::wstring value = line.substr(std::wcslen(output.label) + 1);
    if (output.unit && output.unit[0]) value.resize(value.size() - std::wcslen(output.unit) - 1);
    return value;
}

// Whether text shows value: "--" for a value that cannot be shown, a
// calendar day for a date, else a number that rounds to it at the decimals
// it shows (which decimals a code gives is FormatValue's own test).
bool ShowsValue(const char* code, double value, const std::wstring& text) {
    if (text == L"--") return true;
    if (!std::isfinite(value)) return false;
    if (code && std::strcmp(code, "date") == 0) return true;
    size_t point = text.find(L'.');
    int decimals = 0;
    if (point != std::wstring::npos)
        while (point + 1 + decimals < text.size() && std::iswdigit(text[point + 1 + decimals])) ++decimals;
    double shown = std::wcstod(text.c_str(), nullptr);
    return std::fabs(shown - value) <= 0.5000001 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-15;
}

// A value the window or the command line takes for the input: one of its
// choices, a sum of its checklist's items, or a number in its range; some
// at the edges of the range, some anywhere in it.
double RandomInput(std::mt19937& random, const InputField& input) {
    if (input.multiSelect) {
        double sum = 0;
        for (int c = 0; c < input.choiceCount; ++c)
            if (random() % 4 == 0) sum += input.choices[c].value;
        return sum;
    }
    if (input.choiceCount > 0) return input.choices[random() % input.choiceCount].value;
    double low = input.minValue, high = input.maxValue;
    if (low == 0 && high == 0) low = -1000, high = 1000;
    switch (random() % 5) {
    case 0: return low;
    case 1: return high;
    case 2: return input.defaultValue;
    case 3: return std::floor(std::uniform_real_distribution<double>(low, high)(random));
    default: return std::uniform_real_distribution<double>(low, high)(random);
    }
}

// A result text: one line per output, the note when one failed, the advice
// of the chosen rule when it has one.
TEST(SuiteTools, AnyAcceptedInputGivesEveryLineAHonestValueAndALevel) {
    std::mt19937 random(20261208);
    static CalculationResult run;
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        if (IsReportTool(tool)) continue;
        SCOPED_TRACE(kToolCatalogue[t].program);
        for (int round = 0; round < 300; ++round) {
            double inputs[kMaxInputs] = {};
            for (int i = 0; i < tool.inputCount; ++i) inputs[i] = RandomInput(random, tool.inputs[i]);
            Calculate(tool, inputs, &run);
            std::vector<std::wstring> lines = CrLfLines(run.resultText);
            size_t expected = tool.outputCount + (run.failedCount ? 1 : 0) + (run.advice ? 1 : 0);
            ASSERT_EQ(lines.size(), expected);
            for (int i = 0; i < tool.outputCount; ++i) {
                std::wstring value = ValueOfLine(tool.outputs[i], lines[i]);
                EXPECT_TRUE(ShowsValue(tool.outputs[i].format, run.outputValues[i], value))
                    << tool.outputs[i].key << " = " << run.outputValues[i] << " shown as "
                    << ::testing::PrintToString(value);
            }
            if (run.advice) {
                EXPECT_EQ(lines.back(), std::wstring(kAdvicePrefix) + run.advice);
            }
            EXPECT_TRUE(run.level >= LevelNormal && run.level <= LevelDanger) << run.level;
            EXPECT_NE(run.verdictText[0], L'\0');
        }
    }
}

// A number just outside an input's range is refused, its bounds are taken.
TEST(SuiteTools, EveryRangeRefusesWhatLiesJustOutside) {
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        SCOPED_TRACE(kToolCatalogue[t].program);
        for (int i = 0; i < tool.inputCount; ++i) {
            const InputField& input = tool.inputs[i];
            if (input.choiceCount > 0 || (input.minValue == 0 && input.maxValue == 0)) continue;
            SCOPED_TRACE(input.key);
            const double step = (input.maxValue - input.minValue) * 1e-6;
            const struct {
                double value;
                InputProblem problem;
            } rows[] = {{input.minValue, InputAccepted}, {input.maxValue, InputAccepted},
                        {input.minValue - step, InputOutOfRange}, {input.maxValue + step, InputOutOfRange}};
            for (const auto& row : rows) {
                wchar_t text[64];
                std::swprintf(text, 64, L"%.17g", row.value);
                double value = 0;
                EXPECT_EQ(ReadInputValue(input, text, false, &value), row.problem) << row.value;
            }
        }
    }
}

}  // namespace
