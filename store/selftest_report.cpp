#include "store/selftest_report.h"

#include "engine/calculation.h"
#include "engine/format.h"
#include "engine/platform.h"
#include "engine/text.h"
#include "store/utf8_file.h"

namespace {

constexpr int kOutLineCapacity = 512;
constexpr int kInLineCapacity = 512;
constexpr int kLevelLineCapacity = 256;
constexpr int kErrorsLineCapacity = 128;
// Room for the UTF-8 form of the largest report: at most three bytes for
// each UTF-16 unit (four for a surrogate pair), so every report fits.
constexpr int kStagingBytes = 4 * kSelfTestReportCapacity;
const wchar_t kReportOutLine[] = L"OUT|报告文本|见 DETAIL|\r\n";

// One OUT line per output, showing what the window shows.
void AppendOutputLines(const ToolDef& tool, const CalculationResult& result, wchar_t* report) {
    for (int i = 0; i < tool.outputCount; ++i) {
        const OutputField& output = tool.outputs[i];
        wchar_t valueText[kValueTextCapacity];
        FormatValue(output.format, result.outputValues[i], valueText, kValueTextCapacity);
        wchar_t line[kOutLineCapacity];
        FormatCut(line, kOutLineCapacity, L"OUT|%ls|%ls|%ls\r\n", output.label, valueText, TextOrEmpty(output.unit));
        AppendCut(report, kSelfTestReportCapacity, line);
    }
}

// "CHOICE|key|value|label" for each choice the input offers; a checklist's
// items by their numbers in its list, as --calc names them.
void AppendChoiceLines(const InputField& input, const wchar_t* key, wchar_t* report) {
    for (int c = 0; c < input.choiceCount; ++c) {
        wchar_t line[kInLineCapacity];
        if (input.multiSelect)
            FormatCut(line, kInLineCapacity, L"CHOICE|%ls|%d|%ls\r\n", key, c + 1, input.choices[c].label);
        else
            FormatCut(line, kInLineCapacity, L"CHOICE|%ls|%g|%ls\r\n", key, input.choices[c].value,
                      input.choices[c].label);
        AppendCut(report, kSelfTestReportCapacity, line);
    }
}

void AppendInputLines(const ToolDef& tool, const double* inputValues, wchar_t* report) {
    for (int i = 0; i < tool.inputCount && i < kMaxInputs; ++i) {
        const InputField& input = tool.inputs[i];
        wchar_t key[kMaxKeyLength + 1];
        if (!WidenAscii(input.key, key, kMaxKeyLength + 1)) key[0] = L'\0';
        wchar_t line[kInLineCapacity];
        FormatCut(line, kInLineCapacity, L"IN|%ls|%ls|%g\r\n", key, input.label, inputValues[i]);
        AppendCut(report, kSelfTestReportCapacity, line);
        AppendChoiceLines(input, key, report);
    }
}

void AppendField(wchar_t* report, const wchar_t* name, const wchar_t* text) {
    AppendCut(report, kSelfTestReportCapacity, name);
    AppendCut(report, kSelfTestReportCapacity, text);
    AppendCut(report, kSelfTestReportCapacity, L"\r\n");
}

// The one report of a calculation; the IN lines tell which inputs a
// calculation from the command line used.
int32_t BuildReport(const ToolDef& tool, const double* inputValues, bool withInputLines, wchar_t* report) {
    static CalculationResult result;
    Calculate(tool, inputValues, &result);

    FormatCut(report, kSelfTestReportCapacity, L"TOOL|%d|%ls|%ls\r\n", tool.id, tool.title, tool.category);
    if (withInputLines) AppendInputLines(tool, inputValues, report);
    wchar_t levelLine[kLevelLineCapacity];
    FormatCut(levelLine, kLevelLineCapacity, L"LEVEL|%d\r\n", result.level);
    AppendCut(report, kSelfTestReportCapacity, levelLine);

    if (IsReportTool(tool))
        AppendCut(report, kSelfTestReportCapacity, kReportOutLine);
    else
        AppendOutputLines(tool, result, report);

    AppendField(report, L"VERDICT|", result.verdictText);
    if (result.advice) AppendField(report, L"ADVICE|", result.advice);
    static wchar_t detail[kSelfTestDetailLimit + 1];
    FlattenDetail(result.resultText, detail);
    AppendField(report, L"DETAIL|", detail);
    wchar_t errorsLine[kErrorsLineCapacity];
    FormatCut(errorsLine, kErrorsLineCapacity, L"ERRORS|%d\r\n", result.failedCount);
    AppendCut(report, kSelfTestReportCapacity, errorsLine);
    return result.failedCount;
}

// The report of this run, written by WriteReport.
wchar_t reportText[kSelfTestReportCapacity];

// A report that did not reach its file is no pass, whatever it says.
int WriteReport(int32_t errors, const wchar_t* path) {
    static char staging[kStagingBytes];
    if (!WriteUtf8File(path, reportText, staging, kStagingBytes)) return kSelfTestNotWritten;
    return errors != 0 ? kSelfTestOutputsFailed : kSelfTestPassed;
}

}  // namespace

void FlattenDetail(const wchar_t* resultText, wchar_t* detail) {
    int count = 0;
    for (const wchar_t* c = resultText; *c && count < kSelfTestDetailLimit; ++c)
        if (*c != L'\r') detail[count++] = *c == L'\n' ? L' ' : *c;
    detail[count] = L'\0';
}

int32_t BuildSelfTestReport(const ToolDef& tool, wchar_t* report) {
    double inputValues[kMaxInputs] = {};
    for (int i = 0; i < tool.inputCount && i < kMaxInputs; ++i) inputValues[i] = tool.inputs[i].defaultValue;
    return BuildReport(tool, inputValues, false, report);
}

int32_t BuildCalcReport(const ToolDef& tool, const double* inputValues, wchar_t* report) {
    return BuildReport(tool, inputValues, true, report);
}

int RunSelfTestOf(const ToolDef& tool, const wchar_t* path) {
    int32_t errors = BuildSelfTestReport(tool, reportText);
    return WriteReport(errors, path);
}

int RunSelfTest(const wchar_t* path) { return RunSelfTestOf(ConfiguredTool(), path); }

int RunCalcReport(const ToolDef& tool, const double* inputValues, const wchar_t* path) {
    int32_t errors = BuildCalcReport(tool, inputValues, reportText);
    return WriteReport(errors, path);
}
