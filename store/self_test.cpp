#include "store/self_test.h"

#include "engine/calculation.h"
#include "engine/format.h"
#include "engine/text.h"
#include "store/utf8_file.h"

namespace {

constexpr int kResultCapacity = 8192;
constexpr int kVerdictCapacity = 512;
const wchar_t kReportOutLine[] = L"OUT|报告文本|见 DETAIL|\r\n";

// The outputs evaluated once more on their own, each seeing the outputs
// before it as the run does, so every OUT line shows what the window shows.
int32_t AppendOutputLines(const ToolDef& tool, const double* inputValues, wchar_t* report) {
    double outputValues[kMaxOutputs];
    int32_t errors = EvaluateOutputs(tool, inputValues, outputValues, nullptr);
    for (int i = 0; i < tool.outputCount; ++i) {
        const OutputField& output = tool.outputs[i];
        wchar_t valueText[128];
        FormatValue(output.format, outputValues[i], valueText, 128);
        wchar_t line[512];
        FormatCut(line, 512, L"OUT|%ls|%ls|%ls\r\n", output.label, valueText, TextOrEmpty(output.unit));
        AppendCut(report, kSelfTestReportCapacity, line);
    }
    return errors;
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

    static wchar_t resultText[kResultCapacity];
    static wchar_t lastResult[kResultCapacity];
    wchar_t verdictText[kVerdictCapacity];
    int32_t level = LevelNormal;
    RunCalculation(tool, inputValues, resultText, kResultCapacity, verdictText, kVerdictCapacity, &level,
                   lastResult, kResultCapacity);

    FormatCut(report, kSelfTestReportCapacity, L"TOOL|%d|%ls|%ls\r\n", tool.id, tool.title, tool.category);
    wchar_t levelLine[256];
    FormatCut(levelLine, 256, L"LEVEL|%d\r\n", level);
    AppendCut(report, kSelfTestReportCapacity, levelLine);

    int32_t errors = 0;
    if (tool.reportKind != ReportNone)
        AppendCut(report, kSelfTestReportCapacity, kReportOutLine);
    else
        errors = AppendOutputLines(tool, inputValues, report);

    AppendCut(report, kSelfTestReportCapacity, L"VERDICT|");
    AppendCut(report, kSelfTestReportCapacity, verdictText);
    AppendCut(report, kSelfTestReportCapacity, L"\r\n");
    AppendCut(report, kSelfTestReportCapacity, L"DETAIL|");
    static wchar_t detail[kSelfTestDetailLimit + 1];
    FlattenDetail(resultText, detail);
    AppendCut(report, kSelfTestReportCapacity, detail);
    AppendCut(report, kSelfTestReportCapacity, L"\r\n");
    wchar_t errorsLine[128];
    FormatCut(errorsLine, 128, L"ERRORS|%d\r\n", errors);
    AppendCut(report, kSelfTestReportCapacity, errorsLine);
    return errors;
}

int RunSelfTestOf(const ToolDef& tool, const wchar_t* path) {
    static wchar_t report[kSelfTestReportCapacity];
    int32_t errors = BuildSelfTestReport(tool, report);
    // A report that did not reach its file is no pass, whatever it says.
    if (!WriteUtf8File(path, report)) return kSelfTestNotWritten;
    return errors != 0 ? kSelfTestOutputsFailed : kSelfTestPassed;
}

int RunSelfTest(const wchar_t* path) { return RunSelfTestOf(ConfiguredTool(), path); }
