// The formula language of output quantities and verdict conditions: a
// recursive-descent evaluator that computes while it parses and allocates
// nothing.
#pragma once

#include <cstdint>

#include "engine/tool_def.h"

struct EvalContext {
    const ToolDef* tool;
    const double* inputValues;
    const double* outputValues;
    const char* cursor;  // next character to read; only moves forward
    int32_t errorFlag;   // set by any failing step, never reset
    int32_t depth;       // current nesting, bounded so the stack cannot run out
    bool tooDeep;        // the bound was hit: the whole evaluation is 0
};

// Nesting bound, counted over parentheses, call arguments, conditional
// branches, runs of unary signs and chains of powers: far beyond any real
// formula, and well within the stack.
constexpr int32_t kMaxFormulaDepth = 300;

// Evaluates formula (may be null) over the tool's input and output keys.
// Sets *failed to 1 or 0 and returns the value the parse computed either way.
double EvaluateFormula(const ToolDef& tool, const char* formula, const double* inputValues,
                       const double* outputValues, int32_t* failed);
