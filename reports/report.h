// The entry to every generated report, and what all generators share.
#pragma once

#include <cstdint>

#include "engine/tool_def.h"

// Fills resultText and verdictText with the report of the report tool and
// returns its ResultLevel: its generator's (engine/tool_def.h), or the fixed
// no-report text for a tool that names none.
int32_t RunReport(const ToolDef& tool, const double* values, wchar_t* resultText, int32_t resultCapacity,
                  wchar_t* verdictText, int32_t verdictCapacity);

// Value of the first input whose key equals key exactly; 0 when none does.
double FindInput(const ToolDef& tool, const double* values, const char* key);

// Truncation toward zero; -2147483648 outside the 32-bit range or when not finite.
int32_t ToInt32(double x);

// Formats one line into a 512-character scratch (cut at 511), appends what
// fits, then as much of "\r\n" as fits. A full text stays unchanged.
void AppendLine(wchar_t* text, int32_t capacity, const wchar_t* format, ...);

// The same for a line of fixed text: its percent signs are ordinary characters.
void AppendFixedLine(wchar_t* text, int32_t capacity, const wchar_t* line);
