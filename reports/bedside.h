// Forms for the bedside: the shift handover template (kind 9) and the
// intravenous infusion card (kind 10).
#pragma once

#include <cstdint>

#include "engine/tool_def.h"

int32_t BuildHandoverTemplate(const ToolDef& tool, const double* values, wchar_t* resultText,
                              int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t BuildInfusionCard(const ToolDef& tool, const double* values, wchar_t* resultText,
                          int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);
