// The nurse roster at its largest, 40 nurses by 31 days: the result box and
// the clipboard hold the whole report, down to its closing hint.
#include "shell/shell_state.h"
#include "tests/driver/driver_case.h"
#include "tests/driver/tool_window.h"

namespace {

void LargestRosterShowsAndCopiesWhole(CaseContext& c) {
    const ToolDef& tool = Tool(c);
    SetText(FindInputBox(c.app, 0), L"40");
    SetText(FindInputBox(c.app, 1), L"31");
    ClickAndSettle(c, CMD_CALCULATE);
    const double largest[kMaxInputs] = {40, 31};
    const CalculationResult& expected = CalculationOf(tool, largest);
    const std::wstring roster = expected.resultText;
    Expect(c, roster.size() > 6000, "the largest roster is only %u characters", static_cast<unsigned>(roster.size()));
    ExpectText(c, ReadText(FindControl(c.app, RESULT_EDIT_ID)), roster, "result box");
    ClickAndSettle(c, CMD_COPY_RESULT);
    std::wstring copied;
    ReadClipboard(&copied);
    Expect(c, copied.find(L"\r\n" + roster + L"\x2014\x2014 " + expected.verdictText) != std::wstring::npos,
           "the copy does not hold the whole roster and its verdict");
}

const DriverCase kRosterCases[] = {
    {"roster_largest_shows_and_copies_whole", LargestRosterShowsAndCopiesWhole},
};
const CaseRegistration registration(kRosterCases, sizeof kRosterCases / sizeof kRosterCases[0], L"NurseRoster.exe");

}  // namespace
