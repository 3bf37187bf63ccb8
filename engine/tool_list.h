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
TOOL(HighAlertDrugs, kHighAlertDrugsTool, L"gjsypyd gwyp")
TOOL(CompatibilityCheck, kCompatibilityCheckTool, L"ywpwjjcx")
TOOL(FollowUpPlan, kFollowUpPlanTool, L"sfjh")
TOOL(SurgicalChecklist, kSurgicalChecklistTool, L"ssaqhcb")
TOOL(HandoverTemplate, kHandoverTemplateTool, L"jjbmb")
TOOL(InfusionCard, kInfusionCardTool, L"syk")
TOOL(LabPanels, kLabPanelsTool, L"jytczy")
TOOL(GlucoseInfusionTotal, kGlucoseInfusionTotalTool, L"GIR pttszsl ts")
TOOL(GlucoseTargetRate, kGlucoseTargetRateTool, L"GIR mbsxsysd ts")
TOOL(MaintenanceFluid, kMaintenanceFluidTool, L"421 HS wcyl wcsy Holliday")
TOOL(BurnFluid, kBurnFluidTool, L"Parkland TBSA ssby gngs")
TOOL(BasalEnergy, kBasalEnergyTool, L"BEE HB TEE jcnlxh nlxh")
TOOL(DripRate, kDripRateTool, L"gtt sydsysysj syds dsjs")
TOOL(SyringePump, kSyringePumpTool, L"wlbsdatzjl wlbsd wlb bs")
TOOL(CreatinineClearance, kCreatinineClearanceTool, L"CrCl Ccr CG jgqcl")
TOOL(EGFR, kEGFRTool, L"eGFR GFR CKD-EPI CKDEPI gssxqlgl sxqlgl")
TOOL(BodyMassIndex, kBodyMassIndexTool, L"BMI tzzs")
TOOL(BodySurfaceArea, kBodySurfaceAreaTool, L"BSA tbmj")
TOOL(IdealBodyWeight, kIdealBodyWeightTool, L"IBW ABW PBW lxtzyjztz lxtz")
TOOL(MeanArterialPressure, kMeanArterialPressureTool, L"MAP pjdmy")
TOOL(CorrectedQT, kCorrectedQTTool, L"QTc QTcB QTcF jzqtjq")
TOOL(ShockIndex, kShockIndexTool, L"SI MSI xkzs")
TOOL(AnionGap, kAnionGapTool, L"AG ylzjxbdbjz ylzjx jzag")
TOOL(CorrectedCalcium, kCorrectedCalciumTool, L"Ca bdbjzxg jzg jzxg")
TOOL(SerumOsmolality, kSerumOsmolalityTool, L"OSM sty xjstyystyjx styjx")
TOOL(CorrectedSodium, kCorrectedSodiumTool, L"Na gxtjzxn jzn")
TOOL(FreeWaterDeficit, kFreeWaterDeficitTool, L"FWD zysqslygsxqsbsl bsl")
TOOL(SodiumDeficit, kSodiumDeficitTool, L"NaCl dsxqsbnl bnl")
TOOL(LdlCholesterol, kLdlCholesterolTool, L"LDL LDL-C Friedewald ldljs ldlcjs dmdzdb")
TOOL(ChildPugh, kChildPughTool, L"CTP CP childpugh ggnfj")
TOOL(MeldScore, kMeldScoreTool, L"MELD zmqgbmxpf")
TOOL(DueDate, kDueDateTool, L"EDD EDC LMP ycqyyzjs ycq yz")
TOOL(GlasgowComaScale, kGlasgowComaScaleTool, L"GCS glsghmpf hmpf")
TOOL(BradenScale, kBradenScaleTool, L"Braden ylxssfxpg yc ycpg")
TOOL(MorseFallScale, kMorseFallScaleTool, L"Morse MFS ddfxpg dd")
TOOL(ApgarScore, kApgarScoreTool, L"Apgar pf xsepf zx")
TOOL(Cha2ds2Vasc, kCha2ds2VascTool, L"CHA2DS2VASc CHADS2 pf fc kn")
TOOL(Curb65, kCurb65Tool, L"CURB65 CURB pf fy")
TOOL(QSofa, kQSofaTool, L"qSOFA SOFA ksxgqgsjpf ndz")
TOOL(Nrs2002, kNrs2002Tool, L"NRS2002 NRS yyfxsc yysc")
TOOL(ChildWeight, kChildWeightTool, L"APLS xetzgs etzg")
TOOL(ChildDose, kChildDoseTool, L"etatzgyjl etjl aztz")
TOOL(BarthelIndex, kBarthelIndexTool, L"BI ADL bszs rcshhdnl zlnl")
TOOL(PaduaScore, kPaduaScoreTool, L"VTE Padua jmxsssfxpf xspf")
TOOL(News2, kNews2Tool, L"NEWS2 NEWS gjzqyjpf zqyj")
TOOL(PotassiumInfusion, kPotassiumInfusionTool, L"KCl jmbjndysdhd bj lhj")
