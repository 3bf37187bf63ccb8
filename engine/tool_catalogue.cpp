#include "engine/tool_catalogue.h"

#include "engine/tools/tools.h"

const CatalogueEntry kToolCatalogue[] = {
    {"Peravin", &kGlucoseInfusionRateTool},
    {"NurseRoster", &kNurseRosterTool},
    {"DosingTimetable", &kDosingTimetableTool},
    {"BloodCollectionOrder", &kBloodCollectionOrderTool},
    {"CriticalValues", &kCriticalValuesTool},
    {"HighAlertDrugs", &kHighAlertDrugsTool},
    {"CompatibilityCheck", &kCompatibilityCheckTool},
    {"FollowUpPlan", &kFollowUpPlanTool},
    {"SurgicalChecklist", &kSurgicalChecklistTool},
    {"HandoverTemplate", &kHandoverTemplateTool},
    {"InfusionCard", &kInfusionCardTool},
    {"LabPanels", &kLabPanelsTool},
};

const int kToolCatalogueCount = sizeof kToolCatalogue / sizeof kToolCatalogue[0];
