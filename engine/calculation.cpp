#include "engine/calculation.h"

#include "engine/format.h"
#include "engine/formula.h"
#include "engine/text.h"
#include "reports/report.h"

const wchar_t kDefaultVerdict[] = L"请核对输入参数后重新计算";
const wchar_t kAdvicePrefix[] = L"建议：";

namespace {

const wchar_t kFailedOutputsNote[] = L"（部分结果无法计算，请检查输入是否合理）\r\n";
// "label：value unit\r\n"; longer lines are cut here.
constexpr int kLineScratchCapacity = 256;

void AppendOutputLines(const ToolDef& tool, const double* outputValues, wchar_t* resultText,
                       int32_t resultCapacity) {
    for (int i = 0; i < tool.outputCount; ++i) {
        const OutputField& output = tool.outputs[i];
        wchar_t valueText[kValueTextCapacity];
        FormatValue(output.format, outputValues[i], valueText, kValueTextCapacity);
        wchar_t line[kLineScratchCapacity];
        if (output.unit && output.unit[0])
            FormatCut(line, kLineScratchCapacity, L"%ls：%ls %ls\r\n", output.label, valueText, output.unit);
        else
            FormatCut(line, kLineScratchCapacity, L"%ls：%ls\r\n", output.label, valueText);
        AppendCut(resultText, resultCapacity, line);
    }
}

// The first rule that applies, or null. A condition that fails to evaluate
// does not apply.
const VerdictRule* ChooseRule(const ToolDef& tool, const double* inputValues, const double* outputValues) {
    for (int i = 0; i < tool.ruleCount; ++i) {
        const VerdictRule& rule = tool.rules[i];
        int32_t failed = 0;
        double value = EvaluateFormula(tool, rule.condition, inputValues, outputValues, &failed);
        if (!failed && value != 0) return &rule;
    }
    return nullptr;
}

}  // namespace

int32_t EvaluateOutputs(const ToolDef& tool, const double* inputValues, double* outputValues, int32_t* failed) {
    int32_t failures = 0;
    for (int i = 0; i < kMaxOutputs; ++i) outputValues[i] = 0;
    for (int i = 0; i < tool.outputCount && i < kMaxOutputs; ++i) {
        int32_t outputFailed = 0;
        outputValues[i] = EvaluateFormula(tool, tool.outputs[i].formula, inputValues, outputValues, &outputFailed);
        if (failed) failed[i] = outputFailed;
        failures += outputFailed;
    }
    return failures;
}

void Calculate(const ToolDef& tool, const double* inputValues, CalculationResult* result) {
    result->resultText[0] = L'\0';
    result->verdictText[0] = L'\0';
    result->level = LevelNormal;
    result->advice = nullptr;
    for (int i = 0; i < kMaxOutputs; ++i) {
        result->outputValues[i] = 0;
        result->outputFailed[i] = 0;
    }
    result->failedCount = 0;

    if (IsReportTool(tool)) {
        result->level = RunReport(tool, inputValues, result->resultText, kResultTextCapacity, result->verdictText,
                                  kVerdictTextCapacity);
        return;
    }

    result->failedCount = EvaluateOutputs(tool, inputValues, result->outputValues, result->outputFailed);
    AppendOutputLines(tool, result->outputValues, result->resultText, kResultTextCapacity);
    if (result->failedCount) AppendCut(result->resultText, kResultTextCapacity, kFailedOutputsNote);

    if (const VerdictRule* rule = ChooseRule(tool, inputValues, result->outputValues)) {
        CopyCut(result->verdictText, kVerdictTextCapacity, rule->verdict);
        result->level = rule->level;
        if (rule->advice && rule->advice[0]) result->advice = rule->advice;
    }
    if (result->verdictText[0] == L'\0') CopyCut(result->verdictText, kVerdictTextCapacity, kDefaultVerdict);
    if (result->advice)
        AppendFormatCut(result->resultText, kResultTextCapacity, L"%ls%ls\r\n", kAdvicePrefix, result->advice);
}

int32_t RunCalculation(const ToolDef& tool, const double* inputValues, wchar_t* resultText,
                       int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity,
                       int32_t* level, wchar_t* lastResult, int32_t lastResultCapacity) {
    static CalculationResult result;
    Calculate(tool, inputValues, &result);
    CopyCut(resultText, resultCapacity, result.resultText);
    CopyCut(verdictText, verdictCapacity, result.verdictText);
    CopyCut(lastResult, lastResultCapacity, resultText);
    *level = result.level;
    return result.level;
}
