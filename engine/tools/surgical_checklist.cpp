#include "engine/tools/tools.h"

extern const ToolDef kSurgicalChecklistTool = {
    308,
    L"手术安全核查表",
    L"三步核查，三方签字",
    L"围术期安全",
    L"麻醉实施前、手术开始前、患者离室前三步核查",
    L"外科、麻醉、护理三方共同口述确认并签字，任一环节缺失不得开台。",
    0, nullptr,
    0, nullptr,
    0, nullptr,
    ReportSurgicalSafetyChecklist,
};
