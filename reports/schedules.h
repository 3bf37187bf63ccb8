// The schedule reports: nurse roster (kind 1), dosing timetable (kind 2) and
// dated follow-up plan (kind 7).
#pragma once

#include <cstdint>

#include "engine/format.h"
#include "engine/tool_def.h"

int32_t BuildNurseRoster(const ToolDef& tool, const double* values, wchar_t* resultText,
                         int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t BuildDosingTimetable(const ToolDef& tool, const double* values, wchar_t* resultText,
                             int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);

// The follow-up plan counted from today's local date.
int32_t BuildFollowUpPlan(const ToolDef& tool, const double* values, wchar_t* resultText,
                          int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);

// The follow-up plan counted from the given day, so that any date can be tried.
int32_t BuildFollowUpPlanOn(DayNumber today, const ToolDef& tool, const double* values, wchar_t* resultText,
                            int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);
