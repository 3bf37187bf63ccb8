// The catalogue of tools: each program is built with exactly one of them.
#pragma once

#include "engine/tool_def.h"

extern const ToolDef kGlucoseInfusionRateTool;
extern const ToolDef kNurseRosterTool;
extern const ToolDef kDosingTimetableTool;
extern const ToolDef kBloodCollectionOrderTool;
extern const ToolDef kCriticalValuesTool;
extern const ToolDef kHighAlertDrugsTool;
extern const ToolDef kCompatibilityCheckTool;
extern const ToolDef kFollowUpPlanTool;
extern const ToolDef kSurgicalChecklistTool;
extern const ToolDef kHandoverTemplateTool;
extern const ToolDef kInfusionCardTool;
extern const ToolDef kLabPanelsTool;
