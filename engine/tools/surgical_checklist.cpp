#include "engine/tool_def.h"
#include "reports/fixed_reports.h"

extern const ToolDef kSurgicalChecklistTool = {
    .id = 308,
    .title = L"手术安全核查表",
    .subtitle = L"三步核查，三方签字",
    .category = L"护理管理",
    .basis = L"麻醉实施前、手术开始前、患者离室前三步核查",
    .note = L"外科、麻醉、护理三方共同口述确认并签字，任一环节缺失不得开台。",
    .reportKind = ReportSurgicalSafetyChecklist,
    .report = BuildSurgicalChecklist,
};
