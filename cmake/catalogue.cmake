# The tool catalogue: program name, the ToolDef it carries, its source.
set(PERAVIN_CATALOGUE
  "Peravin|kGlucoseInfusionRateTool|glucose_infusion_rate|Peravin"
  "NurseRoster|kNurseRosterTool|nurse_roster|护士排班表"
  "DosingTimetable|kDosingTimetableTool|dosing_timetable|给药时间表"
  "BloodCollectionOrder|kBloodCollectionOrderTool|blood_collection_order|采血顺序指引"
  "CriticalValues|kCriticalValuesTool|critical_values|检验危急值速查"
  "HighAlertDrugs|kHighAlertDrugsTool|high_alert_drugs|高警示药品要点"
  "CompatibilityCheck|kCompatibilityCheckTool|compatibility_check|药物配伍禁忌查询"
  "FollowUpPlan|kFollowUpPlanTool|follow_up_plan|随访计划"
  "SurgicalChecklist|kSurgicalChecklistTool|surgical_checklist|手术安全核查表"
  "HandoverTemplate|kHandoverTemplateTool|handover_template|交接班模板"
  "InfusionCard|kInfusionCardTool|infusion_card|输液卡"
  "LabPanels|kLabPanelsTool|lab_panels|检验套餐指引"
)
