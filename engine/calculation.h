// One calculation run: input values in, result text, verdict and level out,
// all in buffers owned by the caller.
#pragma once

#include <cstdint>

#include "engine/tool_def.h"

// Used when no rule applies or the chosen rule has no verdict.
extern const wchar_t kDefaultVerdict[];

// The texts the window and the self-test give a run. The result text holds
// the largest result any tool writes (the roster at 40 nurses x 31 days is
// about 6,300 characters), so no report is ever cut.
constexpr int32_t kResultTextCapacity = 8192;
constexpr int32_t kVerdictTextCapacity = 512;

// Evaluates every output in order into outputValues (kMaxOutputs doubles):
// a formula sees the values of the outputs before it, as computed here, and
// reads 0 for those after it. failed (kMaxOutputs entries, may be null) gets
// 1 for each output whose evaluation failed. Returns how many failed.
int32_t EvaluateOutputs(const ToolDef& tool, const double* inputValues, double* outputValues, int32_t* failed);

// Everything one calculation gives: what the window shows, what the
// clipboard, the record file, the self-test and --calc take.
struct CalculationResult {
    wchar_t resultText[kResultTextCapacity];    // one line per output, the note, the advice
    wchar_t verdictText[kVerdictTextCapacity];
    int32_t level;
    const wchar_t* advice;                      // the chosen rule's; null when it has none
    double outputValues[kMaxOutputs];
    int32_t outputFailed[kMaxOutputs];          // 1 for each output that could not be computed
    int32_t failedCount;
};

// The advice line that closes a result text: "建议：" and the advice.
extern const wchar_t kAdvicePrefix[];

// Runs tool on inputValues (one per input) into result.
void Calculate(const ToolDef& tool, const double* inputValues, CalculationResult* result);

// Calculate, with the texts copied into the caller's buffers (lastResult a
// second copy of the result text) and the level returned as well: for the
// callers that still keep buffers of their own; the window, the clipboard,
// the self-test and --calc read the CalculationResult itself.
int32_t RunCalculation(const ToolDef& tool, const double* inputValues, wchar_t* resultText,
                       int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity,
                       int32_t* level, wchar_t* lastResult, int32_t lastResultCapacity);
