// The compatibility tool of the family as the user meets it: a report in the
// result box, the verdict in the colour of its danger, the copy without it.
#include "tests/driver/driver_case.h"
#include "tests/support/window_expectations.h"

namespace {

const wchar_t kTitle[] = L"药物配伍禁忌查询";
const wchar_t kDrugList[] =
    L"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索\r\n"
    L"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺\r\n";
const std::wstring kDangerReport = std::wstring(L"待查：1 号 头孢曲松  +  2 号 葡萄糖酸钙\r\n\r\n") + kDrugList +
                                   L"\r\n结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。\r\n";
const wchar_t kDangerVerdict[] = L"禁忌：不可同瓶输注，需间隔冲管";
const std::wstring kUnlistedReport = std::wstring(L"待查：3 号 万古霉素  +  8 号 胰岛素\r\n\r\n") + kDrugList +
                                     L"\r\n结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。\r\n";
const wchar_t kUnlistedVerdict[] = L"未收录明确禁忌，仍需核对院内配伍表";


void Calculate(CaseContext& c) {
    Click(FindControl(c.app, kCalculateButton));
    Settle(c.app);
}

void ExpectShown(CaseContext& c, const std::wstring& report, const wchar_t* verdict) {
    ExpectText(c, ReadText(FindControl(c.app, kResultBox)), report, "result box");
    ExpectText(c, ReadText(FindVerdictLabel(c.app)), verdict, "verdict");
}

void OpensWithItsOwnTool(CaseContext& c) {
    ExpectText(c, ReadText(c.app.window), kTitle, "window caption");
    ExpectText(c, ReadText(FindInputBox(c.app, 0)), L"1", "drug A box");
    ExpectText(c, ReadText(FindInputBox(c.app, 1)), L"2", "drug B box");
}

void DangerousPairInDangerColour(CaseContext& c) {
    Calculate(c);
    ExpectShown(c, kDangerReport, kDangerVerdict);
    ExpectVerdictColour(c, kDangerVerdictColour, kNormalVerdictColour);
}

void UnlistedPairInNormalColour(CaseContext& c) {
    Calculate(c);
    SetText(FindInputBox(c.app, 0), L"3");
    SetText(FindInputBox(c.app, 1), L"8");
    Calculate(c);
    ExpectShown(c, kUnlistedReport, kUnlistedVerdict);
    ExpectVerdictColour(c, kNormalVerdictColour, kDangerVerdictColour);
}

// The title, a line break and the whole report; no verdict.
void CopiesTheReportWithoutVerdict(CaseContext& c) {
    Calculate(c);
    Click(FindControl(c.app, kCopyButton));
    Settle(c.app);
    ExpectClipboardHolds(c, kTitle + (L"\r\n" + kDangerReport));
    ExpectStatusLine(c, L"结果已复制到剪贴板");
}

const DriverCase kCompatibilityCases[] = {
    {"compatibility_opens_with_its_own_tool", OpensWithItsOwnTool},
    {"compatibility_dangerous_pair_in_danger_colour", DangerousPairInDangerColour},
    {"compatibility_unlisted_pair_in_normal_colour", UnlistedPairInNormalColour},
    {"compatibility_copies_the_report_without_verdict", CopiesTheReportWithoutVerdict},
};
const CaseRegistration registration(kCompatibilityCases, sizeof kCompatibilityCases / sizeof kCompatibilityCases[0],
                                    L"CompatibilityCheck.exe");

}  // namespace
