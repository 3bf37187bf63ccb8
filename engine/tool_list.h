// The suite's one list of tools. A tool is one file in engine/tools/ that
// holds its ToolDef, and one line here:
//
//     TOOL(program name, ToolDef symbol, L"search keywords")
//
// The build makes a program of each line (cmake/tool_list.cmake reads them),
// the catalogue is this list (engine/tool_catalogue.cpp), and the package
// list and the README's tool table follow from it; tests check both. The
// keywords are what the launcher's search matches besides the texts of the
// ToolDef: the usual abbreviations and the pinyin initials of the title,
// separated by spaces.
//
// No include guard: each includer defines TOOL for what it needs.
TOOL(Peravin, kGlucoseInfusionRateTool, L"GIR pttszsl")
TOOL(NurseRoster, kNurseRosterTool, L"hspbb")
TOOL(DosingTimetable, kDosingTimetableTool, L"gysjb")
TOOL(BloodCollectionOrder, kBloodCollectionOrderTool, L"cxsxzy")
TOOL(CriticalValues, kCriticalValuesTool, L"jywjzsc wjz")
TOOL(HighAlertDrugs, kHighAlertDrugsTool, L"gjsypyd")
TOOL(CompatibilityCheck, kCompatibilityCheckTool, L"ywpwjjcx")
TOOL(FollowUpPlan, kFollowUpPlanTool, L"sfjh")
TOOL(SurgicalChecklist, kSurgicalChecklistTool, L"ssaqhcb")
TOOL(HandoverTemplate, kHandoverTemplateTool, L"jjbmb")
TOOL(InfusionCard, kInfusionCardTool, L"syk")
TOOL(LabPanels, kLabPanelsTool, L"jytczy")
TOOL(Nrs2002, kNrs2002Tool, L"NRS2002 NRS yyfxsc yysc")
TOOL(ChildWeight, kChildWeightTool, L"APLS xetzgs etzg")
TOOL(ChildDose, kChildDoseTool, L"etatzgyjl etjl aztz")
TOOL(BarthelIndex, kBarthelIndexTool, L"BI ADL bszs rcshhdnl zlnl")
TOOL(PaduaScore, kPaduaScoreTool, L"VTE Padua jmxsssfxpf xspf")
TOOL(News2, kNews2Tool, L"NEWS2 NEWS gjzqyjpf zqyj")
TOOL(PotassiumInfusion, kPotassiumInfusionTool, L"KCl jmbjndysdhd bj lhj")
