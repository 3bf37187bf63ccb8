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

int32_t RunCalculation(const ToolDef& tool, const double* inputValues, wchar_t* resultText,
                       int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity,
                       int32_t* level, wchar_t* lastResult, int32_t lastResultCapacity);
