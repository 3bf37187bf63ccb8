// The reports whose text is fixed, chosen at most by one selector input:
// blood-collection order (kind 3), critical values (4), high-alert drugs (5),
// surgical safety checklist (8) and laboratory panels (11).
#pragma once

#include <cstdint>

#include "engine/tool_def.h"

int32_t BuildBloodCollectionOrder(const ToolDef& tool, const double* values, wchar_t* resultText,
                                  int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t BuildCriticalValues(const ToolDef& tool, const double* values, wchar_t* resultText,
                            int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t BuildHighAlertDrugs(const ToolDef& tool, const double* values, wchar_t* resultText,
                            int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t BuildSurgicalChecklist(const ToolDef& tool, const double* values, wchar_t* resultText,
                               int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t BuildLabPanels(const ToolDef& tool, const double* values, wchar_t* resultText,
                       int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);
