// The drug compatibility check (kind 6): may two injectable drugs share one
// infusion bottle? The only report with a graded ResultLevel.
#pragma once

#include <cstdint>

#include "engine/tool_def.h"

int32_t BuildCompatibilityCheck(const ToolDef& tool, const double* values, wchar_t* resultText,
                                int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);
