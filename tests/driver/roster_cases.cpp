// The nurse roster at its largest, 40 nurses by 31 days: the result box and
// the clipboard hold the whole report, down to its closing hint.
#include "tests/driver/driver_case.h"
#include "tests/support/window_expectations.h"

namespace {

const wchar_t kTitle[] = L"护士排班表";
const wchar_t kVerdict[] = L"已生成轮转排班表，可复制到排班本或表格";

// The roster as the ward reads it: each nurse's row of "day, shift" cells,
// shifts turning D, N, R from nurse to nurse and every day by two.
std::wstring Roster(int nurses, int days) {
    std::wstring text = L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。\r\n";
    text += L"人员：" + std::to_wstring(nurses) + L" 人；周期：" + std::to_wstring(days) + L" 天\r\n\r\n";
    for (int nurse = 1; nurse <= nurses; ++nurse) {
        text += (nurse < 10 ? L"护士0" : L"护士") + std::to_wstring(nurse) + L"：\r\n  ";
        for (int day = 1; day <= days; ++day)
            text += std::to_wstring(day) + L"日" + L"DNR"[(nurse - 1 + 2 * (day - 1)) % 3] + L" ";
        text += L"\r\n";
    }
    return text + L"\r\n提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。\r\n";
}

void LargestRosterShowsAndCopiesWhole(CaseContext& c) {
    SetText(FindInputBox(c.app, 0), L"40");
    SetText(FindInputBox(c.app, 1), L"31");
    Click(FindControl(c.app, kCalculateButton));
    Settle(c.app);
    const std::wstring roster = Roster(40, 31);
    ExpectText(c, ReadText(FindControl(c.app, kResultBox)), roster, "result box");
    ExpectText(c, ReadText(FindVerdictLabel(c.app)), kVerdict, "verdict");
    Click(FindControl(c.app, kCopyButton));
    Settle(c.app);
    ExpectClipboardHolds(c, kTitle + (L"\r\n" + roster));
}

const DriverCase kRosterCases[] = {
    {"roster_largest_shows_and_copies_whole", LargestRosterShowsAndCopiesWhole},
};
const CaseRegistration registration(kRosterCases, sizeof kRosterCases / sizeof kRosterCases[0], L"NurseRoster.exe");

}  // namespace
