// The main window as the user meets it: controls, keys, commands, message
// boxes, clipboard and painting.
#include "tests/driver/driver_case.h"
#include "tests/support/window_expectations.h"

namespace {

// ---- What the configured tool shows ----

const wchar_t kTitle[] = L"Peravin";
const wchar_t kCalculatedStatus[] = L"计算完成  Peravin";
const wchar_t kNote[] = L"新生儿 GIR 4-6 起始，成人不超过 5mg/kg/min。";
const wchar_t kBasisLine[] = L"参考依据：GIR(mg/kg/min)=速度(ml/h)×浓度(%)×10/(体重×60)";

const wchar_t kDefaultResult[] = L"葡萄糖输注速率：1.67 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n";
const wchar_t kNormalVerdict[] = L"GIR 在合理范围";
const wchar_t kWarningResult[] = L"葡萄糖输注速率：83.33 mg/kg/min\r\n每日葡萄糖：360.0 g\r\n";
const wchar_t kWarningVerdict[] = L"GIR 偏高，警惕高血糖与脂肪肝";
// rate 120 with the other defaults.
const wchar_t kRate120Result[] = L"葡萄糖输注速率：3.33 mg/kg/min\r\n每日葡萄糖：288.0 g\r\n";
// weight 0: the division fails and reads 0.
const wchar_t kZeroWeightResult[] =
    L"葡萄糖输注速率：0.00 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n（部分结果无法计算，请检查输入是否合理）\r\n";
const wchar_t kNegativeWeightResult[] = L"葡萄糖输注速率：-20.00 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n";
// Inputs no patient has: weight 0 or less, a negative rate or concentration,
// a concentration above 100 %.
const wchar_t kImpossibleVerdict[] = L"请核对：体重>0，速度≥0，浓度0-100%";

const wchar_t kDefaultClipboard[] =
    L"Peravin\r\n葡萄糖输注速率：1.67 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n\x2014\x2014 GIR 在合理范围";

const wchar_t kCopyFailedMessage[] = L"结果未能复制到剪贴板，请稍后重试。";
const wchar_t kAboutText[] =
    L"Peravin\r\n"
    L"\r\n"
    L"分类：营养支持\r\n"
    L"参考依据：GIR(mg/kg/min)=速度(ml/h)×浓度(%)×10/(体重×60)\r\n"
    L"\r\n"
    L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
    L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n"
    L"\r\n"
    L"版本 V1.0    官网：www.tolmmed.example";

const wchar_t* const kDefaultInputs[] = {L"60", L"10", L"60"};
const wchar_t* const kWarningInputs[] = {L"120", L"12.5", L"3"};

// ---- Colours of the layout ----


// ---- Steps ----

HWND Button(const CaseContext& c, int id) { return FindControl(c.app, id); }

void ClickAndSettle(CaseContext& c, HWND control) {
    Click(control);
    Settle(c.app);
}

void PressKeyAndSettle(CaseContext& c, UINT key) {
    PressKey(c.app, key);
    Settle(c.app);
}

void SetInputs(CaseContext& c, const wchar_t* const* texts) {
    for (int i = 0; i < 3; ++i) SetText(FindInputBox(c.app, i), texts[i]);
}

void Calculate(CaseContext& c) { ClickAndSettle(c, Button(c, kCalculateButton)); }

// The result box and the verdict label hold these texts.
void ExpectShown(CaseContext& c, const wchar_t* result, const wchar_t* verdict, const char* when) {
    std::string what = std::string("result box ") + when;
    ExpectText(c, ReadText(FindControl(c.app, kResultBox)), result, what.c_str());
    what = std::string("verdict ") + when;
    ExpectText(c, ReadText(FindVerdictLabel(c.app)), verdict, what.c_str());
}

void ExpectInputs(CaseContext& c, const wchar_t* const* texts) {
    for (int i = 0; i < 3; ++i) ExpectText(c, ReadText(FindInputBox(c.app, i)), texts[i], "input box");
}

void ExpectFocus(CaseContext& c, HWND expected, const char* what) {
    Expect(c, FocusedWindow(c.app) == expected, "focus is not on %s", what);
}

// ---- Cases ----

struct ControlRow {
    const wchar_t* className;
    DWORD exStyle;
    DWORD style;
    int x, y, width, height;
    int id;
    const wchar_t* text;
};

// In creation order; the input rows sit at y = 150, 184 and 218.
const ControlRow kControls[] = {
    {L"Static", 0, 0x50000002, 24, 151, 184, 22, 0, L"输注速度"},
    {L"Edit", WS_EX_CLIENTEDGE, 0x50000080, 216, 146, 152, 27, 2000, L"60"},
    {L"Static", 0, 0x50000000, 374, 150, 78, 22, 0, L"ml/h"},
    {L"Static", 0, 0x50000002, 24, 185, 184, 22, 0, L"葡萄糖浓度"},
    {L"Edit", WS_EX_CLIENTEDGE, 0x50000080, 216, 180, 152, 27, 2001, L"10"},
    {L"Static", 0, 0x50000000, 374, 184, 78, 22, 0, L"%"},
    {L"Static", 0, 0x50000002, 24, 219, 184, 22, 0, L"体重"},
    {L"Edit", WS_EX_CLIENTEDGE, 0x50000080, 216, 214, 152, 27, 2002, L"60"},
    {L"Static", 0, 0x50000000, 374, 218, 78, 22, 0, L"kg"},
    {L"Static", 0, 0x50000000, 492, 142, 492, 46, 0, kVerdictPrompt},
    {L"Edit", WS_EX_CLIENTEDGE, 0x50200844, 492, 196, 492, 232, 3000, L""},
    {L"Static", 0, 0x50000000, 492, 444, 492, 120, 0, kNote},
    {L"Static", 0, 0x50000000, 492, 576, 492, 56, 0, kBasisLine},
    {L"Button", 0, 0x5000000B, 20, 668, 152, 40, 1001, L"计算 (F5)"},
    {L"Button", 0, 0x5000000B, 184, 668, 132, 40, 1002, L"保存记录"},
    {L"Button", 0, 0x5000000B, 328, 668, 132, 40, 1003, L"复制结果"},
    {L"Button", 0, 0x5000000B, 472, 668, 132, 40, 1004, L"清空重填"},
    {L"Button", 0, 0x5000000B, 616, 668, 110, 40, 1005, L"关于"},
};

void CheckControl(CaseContext& c, HWND control, const ControlRow& row, int index) {
    wchar_t className[64] = L"";
    GetClassNameW(control, className, 64);
    Expect(c, _wcsicmp(className, row.className) == 0, "control %d: class %s", index,
           Utf8(className).c_str());
    DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongW(control, GWL_EXSTYLE));
    Expect(c, style == row.style, "control %d: style 0x%08lX, expected 0x%08lX", index, style, row.style);
    Expect(c, exStyle == row.exStyle, "control %d: extended style 0x%lX, expected 0x%lX", index, exStyle,
           row.exStyle);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, c.app.window, reinterpret_cast<POINT*>(&rect), 2);
    Expect(c, rect.left == row.x && rect.top == row.y && rect.right - rect.left == row.width &&
                  rect.bottom - rect.top == row.height,
           "control %d: at (%ld, %ld) size %ld x %ld", index, rect.left, rect.top, rect.right - rect.left,
           rect.bottom - rect.top);
    Expect(c, GetDlgCtrlID(control) == row.id, "control %d: id %d, expected %d", index, GetDlgCtrlID(control),
           row.id);
    ExpectText(c, ReadText(control), row.text, "control text");
}

void ControlsAsBuilt(CaseContext& c) {
    const int expected = sizeof kControls / sizeof kControls[0];
    int index = 0;
    for (HWND control = GetWindow(c.app.window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (index < expected) CheckControl(c, control, kControls[index], index);
        ++index;
    }
    Expect(c, index == expected, "%d controls, expected %d", index, expected);
}

void OpensWithDefaults(CaseContext& c) {
    ExpectInputs(c, kDefaultInputs);
    ExpectShown(c, L"", kVerdictPrompt, "at start");
    ExpectText(c, ReadText(c.app.window), kTitle, "window caption");
    ExpectFocus(c, FindInputBox(c.app, 0), "the first input box");
    ExpectStatusLine(c, kReadyStatus);
    ExpectVerdictColour(c, kNormalVerdictColour, kWarningVerdictColour);
}

void WindowCentredAndFixed(CaseContext& c) {
    RECT adjusted = {0, 0, 1020, 720};
    AdjustWindowRect(&adjusted, 0x00CA0000, FALSE);
    int width = adjusted.right - adjusted.left, height = adjusted.bottom - adjusted.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    RECT outer;
    GetWindowRect(c.app.window, &outer);
    Expect(c, outer.left == (x < 0 ? 0 : x) && outer.top == (y < 0 ? 0 : y),
           "window at (%ld, %ld), centred would be (%d, %d)", outer.left, outer.top, x, y);
    Expect(c, outer.right - outer.left == 1036 && outer.bottom - outer.top == 780, "outer size %ld x %ld",
           outer.right - outer.left, outer.bottom - outer.top);
    DWORD style = static_cast<DWORD>(GetWindowLongW(c.app.window, GWL_STYLE));
    Expect(c, (style & 0x00CA0000) == 0x00CA0000, "style 0x%08lX lacks caption, system menu or minimize box", style);
    Expect(c, !(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME), "style 0x%08lX can be maximised or sized", style);
    MINMAXINFO info = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(c.app.window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info), SMTO_NORMAL, 2000,
                        &result);
    Expect(c, info.ptMinTrackSize.x == 1036 && info.ptMinTrackSize.y == 780 && info.ptMaxTrackSize.x == 1036 &&
                  info.ptMaxTrackSize.y == 780,
           "tracking size %ld x %ld to %ld x %ld", info.ptMinTrackSize.x, info.ptMinTrackSize.y,
           info.ptMaxTrackSize.x, info.ptMaxTrackSize.y);
    Expect(c, info.ptReserved.x == 1 && info.ptMaxSize.x == 3 && info.ptMaxPosition.x == 5,
           "other members of the min-max record changed");
    SetWindowPos(c.app.window, nullptr, 0, 0, 1200, 880, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(c.app);
    GetWindowRect(c.app.window, &outer);
    Expect(c, outer.right - outer.left == 1036 && outer.bottom - outer.top == 780, "resized to %ld x %ld",
           outer.right - outer.left, outer.bottom - outer.top);
}

void CalculatesDefaults(CaseContext& c) {
    Calculate(c);
    ExpectShown(c, kDefaultResult, kNormalVerdict, "with the defaults");
    ExpectStatusLine(c, kCalculatedStatus);
    ExpectFocus(c, c.app.window, "the main window after calculating");
    ExpectVerdictColour(c, kNormalVerdictColour, kWarningVerdictColour);
}

void CalculatesWarningByF5(CaseContext& c) {
    SetInputs(c, kWarningInputs);
    PressKeyAndSettle(c, VK_F5);
    ExpectShown(c, kWarningResult, kWarningVerdict, "with 120, 12.5, 3");
    ExpectStatusLine(c, kCalculatedStatus);
    ExpectVerdictColour(c, kWarningVerdictColour, kNormalVerdictColour);
}

void CalculatesByEnter(CaseContext& c) {
    SetInputs(c, kWarningInputs);
    PressKeyAndSettle(c, VK_RETURN);
    ExpectShown(c, kWarningResult, kWarningVerdict, "after Enter");
}

// After a calculation the focus is on the main window, where keys do nothing.
void KeysRestAfterCalculation(CaseContext& c) {
    PressKeyAndSettle(c, VK_F5);
    ExpectShown(c, kDefaultResult, kNormalVerdict, "after F5");
    ExpectFocus(c, c.app.window, "the main window");
    SetInputs(c, kWarningInputs);
    PressKeyAndSettle(c, VK_F5);
    PressKeyAndSettle(c, VK_RETURN);
    ExpectShown(c, kDefaultResult, kNormalVerdict, "after F5 and Enter on the main window");
    ClickAndSettle(c, FindInputBox(c.app, 1));
    ExpectFocus(c, FindInputBox(c.app, 1), "the second input box after a click");
    PressKeyAndSettle(c, VK_RETURN);
    ExpectShown(c, kWarningResult, kWarningVerdict, "after Enter in a box");
}

// Enter on a button calculates instead of running the button's command.
void EnterOnButtonCalculates(CaseContext& c) {
    HWND reset = Button(c, kResetButton);
    ClickAndSettle(c, reset);
    ExpectFocus(c, reset, "the reset button after its click");
    SetInputs(c, kWarningInputs);
    PressKeyAndSettle(c, VK_RETURN);
    ExpectShown(c, kWarningResult, kWarningVerdict, "after Enter on the reset button");
    ExpectInputs(c, kWarningInputs);
    HWND copy = Button(c, kCopyButton);
    PressMouse(copy);
    ReleaseMouse(copy, false);  // focus on the button, command not run
    Settle(c.app);
    ExpectFocus(c, copy, "the copy button after pressing it");
    SetInputs(c, kDefaultInputs);
    PressKeyAndSettle(c, VK_F5);
    ExpectShown(c, kDefaultResult, kNormalVerdict, "after F5 on the copy button");
    Expect(c, !MessageBoxOpen(c.app), "F5 on the copy button opened a message box");
}

void ResetRestoresDefaults(CaseContext& c) {
    SetInputs(c, kWarningInputs);
    Calculate(c);
    ExpectVerdictColour(c, kWarningVerdictColour, kNormalVerdictColour);
    ClickAndSettle(c, Button(c, kResetButton));
    ExpectInputs(c, kDefaultInputs);
    ExpectShown(c, L"", kVerdictPrompt, "after reset");
    ExpectText(c, ReadText(FindChildAt(c.app, L"Static", 492, 444)), kNote, "note after reset");
    ExpectStatusLine(c, kResetStatus);
    ExpectVerdictColour(c, kNormalVerdictColour, kWarningVerdictColour);
}

void CopiesResultExactly(CaseContext& c) {
    Calculate(c);
    ClickAndSettle(c, Button(c, kCopyButton));
    ExpectClipboardHolds(c, kDefaultClipboard);
    ExpectStatusLine(c, kCopiedStatus);
}

void CopyAsksForCalculationFirst(CaseContext& c) {
    const wchar_t sentinel[] = L"left by the driver";
    WriteClipboardText(sentinel);
    ClickAndSettle(c, Button(c, kCopyButton));
    ExpectMessageBox(c, kCopyNoResultMessage, L"提示", MB_ICONINFORMATION);
    ExpectStatusLine(c, kReadyStatus);
    Calculate(c);
    ClickAndSettle(c, Button(c, kResetButton));
    ClickAndSettle(c, Button(c, kCopyButton));
    ExpectMessageBox(c, kCopyNoResultMessage, L"提示", MB_ICONINFORMATION);
    ExpectStatusLine(c, kResetStatus);
    std::wstring text;
    ReadClipboardText(&text);
    ExpectText(c, text, sentinel, "clipboard after refused copies");
}

// A copy that cannot open the clipboard says so and claims nothing.
void CopyFailureWarns(CaseContext& c) {
    const wchar_t sentinel[] = L"left by the driver";
    WriteClipboardText(sentinel);
    Calculate(c);
    if (!Expect(c, HoldClipboard(), "the driver could not hold the clipboard")) return;
    Click(Button(c, kCopyButton));
    MessageBoxSeen seen;
    bool appeared = WaitForMessageBox(c.app, &seen);
    ReleaseClipboard();
    if (!Expect(c, appeared, "no warning after a failed copy")) return;
    ExpectText(c, seen.text, kCopyFailedMessage, "copy failure text");
    ExpectText(c, seen.caption, L"复制失败", "copy failure caption");
    Expect(c, seen.icon == MB_ICONWARNING, "copy failure icon 0x%X", seen.icon);
    Expect(c, seen.owner == c.app.window && seen.buttonCount == 1 && seen.okButton,
           "copy failure box not owned by the window with OK alone");
    PressOk(c.app, seen);
    ExpectStatusLine(c, kCalculatedStatus);
    Expect(c, !StatusLineShows(c.app, kCopiedStatus, 200), "the status line claims the copy");
    std::wstring text;
    ReadClipboardText(&text);
    ExpectText(c, text, sentinel, "clipboard after the failed copy");
}

struct RejectedInput {
    int box;
    const wchar_t* text;
    const wchar_t* message;
};

const wchar_t kSecondBoxMessage[] = L"第 2 项“葡萄糖浓度”请输入数字。";
// One character more than the 127 that are read, and far more.
const std::wstring kDigits128 = L"1" + std::wstring(127, L'0');
const std::wstring kDigits200 = L"1" + std::wstring(199, L'0');

const RejectedInput kRejectedInputs[] = {
    // Not finite.
    {1, L"inf", kSecondBoxMessage},
    {1, L"nan", kSecondBoxMessage},
    {1, L"1e999", kSecondBoxMessage},
    {1, L"-infinity", kSecondBoxMessage},
    // Not a number at all, or not only one.
    {1, L"abc", kSecondBoxMessage},
    {1, L"12abc", kSecondBoxMessage},
    {1, L"1,5", kSecondBoxMessage},
    {1, L"\xFF16\xFF10", kSecondBoxMessage},  // full-width 60
    {1, L"-", kSecondBoxMessage},
    {1, L"1 2", kSecondBoxMessage},
    // Longer than what is read: never read in part.
    {1, kDigits128.c_str(), kSecondBoxMessage},
    {1, kDigits200.c_str(), kSecondBoxMessage},
    {0, L"12abc", L"第 1 项“输注速度”请输入数字。"},
    {2, L"60kg", L"第 3 项“体重”请输入数字。"},
};

// A rejected box stops the command, names itself, takes the focus and
// leaves the earlier result, verdict and status in place.
void RejectsInputThatIsNotANumber(CaseContext& c) {
    Calculate(c);
    for (const RejectedInput& row : kRejectedInputs) {
        HWND box = FindInputBox(c.app, row.box);
        SetText(box, row.text);
        ClickAndSettle(c, Button(c, kCalculateButton));
        if (!ExpectMessageBox(c, row.message, L"输入有误", MB_ICONWARNING))
            Expect(c, false, "  for \"%s\" in box %d", Utf8(row.text).c_str(), row.box + 1);
        ExpectFocus(c, box, "the rejected box");
        ExpectShown(c, kDefaultResult, kNormalVerdict, "after a rejected input");
        SetText(box, kDefaultInputs[row.box]);
    }
    ExpectStatusLine(c, kCalculatedStatus);
}

struct AcceptedInput {
    int box;
    const wchar_t* text;
    const wchar_t* result;
    const wchar_t* verdict;
};

const AcceptedInput kAcceptedInputs[] = {
    {2, L"", kZeroWeightResult, kImpossibleVerdict},
    {2, L"   ", kZeroWeightResult, kImpossibleVerdict},
    {2, L"-5", kNegativeWeightResult, kImpossibleVerdict},
    {0, L" 120 ", kRate120Result, kNormalVerdict},
    {0, L"120   ", kRate120Result, kNormalVerdict},
    {0, L"1.2e2", kRate120Result, kNormalVerdict},
    {0, L"0x78", kRate120Result, kNormalVerdict},
    {0, L"+120", kRate120Result, kNormalVerdict},
};

void AcceptsWholeNumbers(CaseContext& c) {
    for (const AcceptedInput& row : kAcceptedInputs) {
        SetInputs(c, kDefaultInputs);
        HWND box = FindInputBox(c.app, row.box);
        SetText(box, row.text);
        ClickAndSettle(c, box);
        PressKeyAndSettle(c, VK_F5);
        Expect(c, !MessageBoxOpen(c.app), "\"%s\" was rejected", Utf8(row.text).c_str());
        if (MessageBoxOpen(c.app)) return;
        std::string what = "\"" + Utf8(row.text) + "\"";
        ExpectShown(c, row.result, row.verdict, what.c_str());
    }
}

void AboutShowsToolTexts(CaseContext& c) {
    ClickAndSettle(c, Button(c, kAboutButton));
    ExpectMessageBox(c, kAboutText, L"关于本工具", MB_ICONINFORMATION);
    ExpectStatusLine(c, kReadyStatus);
}

struct PixelCheck {
    int x, y;
    COLORREF colour;
    const char* what;
};

const PixelCheck kLayoutPixels[] = {
    {10, 92, kPage, "page between header and panels"},
    {468, 400, kPage, "page between the panels"},
    {10, 654, kPage, "page above the footer"},
    {900, 60, kHeader, "header band"},
    {8, 44, kHeader, "header right of the accent strip"},
    {0, 0, kAccent, "accent strip, top"},
    {7, 87, kAccent, "accent strip, bottom"},
    {300, 400, kWhite, "input panel"},
    {20, 400, kPanelBorder, "input panel left border"},
    {459, 400, kPanelBorder, "input panel right border"},
    {240, 96, kPanelBorder, "input panel top border"},
    {240, 647, kPanelBorder, "input panel bottom border"},
    {700, 640, kWhite, "result panel"},
    {476, 400, kPanelBorder, "result panel left border"},
    {999, 400, kPanelBorder, "result panel right border"},
    {800, 96, kPanelBorder, "result panel top border"},
    {800, 647, kPanelBorder, "result panel bottom border"},
    {36, 133, kSeparator, "input caption separator, left end"},
    {443, 133, kSeparator, "input caption separator, right end"},
    {444, 133, kWhite, "past the input caption separator"},
    {492, 133, kSeparator, "result caption separator, left end"},
    {983, 133, kSeparator, "result caption separator, right end"},
    {10, 665, kFooter, "footer band"},
    {900, 690, kFooter, "footer band right of the buttons"},
    {25, 700, kCalculateFill, "calculate button"},
    {20, 668, kCalculateBorder, "calculate button border"},
    {171, 707, kCalculateBorder, "calculate button border, far corner"},
    {190, 700, kWhite, "save button"},
    {184, 668, kButtonBorder, "save button border"},
    {620, 700, kWhite, "About button"},
    {725, 707, kButtonBorder, "About button border"},
};

void PaintsTheLayout(CaseContext& c) {
    for (const PixelCheck& check : kLayoutPixels) ExpectPixel(c, check.x, check.y, check.colour, check.what);
    RECT client;
    GetClientRect(c.app.window, &client);
    int width = client.right, height = client.bottom;
    // Only the bands follow the client width; below the footer is page.
    ExpectPixel(c, width - 1, 60, kHeader, "header band at the right edge");
    ExpectPixel(c, width - 1, 690, kFooter, "footer band at the right edge");
    if (width > 1004) ExpectPixel(c, width - 2, 400, kPage, "page right of the result panel");
    if (height > 720) ExpectPixel(c, 10, height - 1, kPage, "page below the footer");
    const TextLook title = {L"Microsoft YaHei UI", -27, FW_BOLD, kWhite, kHeader, 0x8024};
    Expect(c, RegionShowsText(c.app, RECT{26, 12, 726, 50}, kTitle, title), "the header does not show the title");
    const TextLook subtitle = {L"Microsoft YaHei UI", -14, FW_NORMAL, RGB(0xD6, 0xEC, 0xF6), kHeader, 0x8024};
    Expect(c, RegionShowsText(c.app, RECT{28, 50, 748, 76}, L"营养支持  \x00B7  按输液速度与浓度计算", subtitle) ||
                  RegionShowsText(c.app, RECT{28, 48, 748, 76}, L"营养支持  \x00B7  按输液速度与浓度计算", subtitle),
           "the header does not show the subtitle line");
    const TextLook web = {L"Microsoft YaHei UI", -12, FW_NORMAL, RGB(0xBE, 0xDC, 0xEB), kHeader, 0x8026};
    Expect(c, RegionShowsText(c.app, RECT{width - 240, 8, width - 26, 34}, L"www.tolmmed.example", web),
           "the header does not show the web address at the right");
    Capture captions;
    CaptureClient(c.app, RECT{36, 104, 336, 133}, &captions);
    Expect(c, CountColour(captions, kHeader) >= 10, "no input panel caption in #006C96");
    CaptureClient(c.app, RECT{492, 104, 792, 133}, &captions);
    Expect(c, CountColour(captions, kHeader) >= 10, "no result panel caption in #006C96");
    ExpectStatusLine(c, kReadyStatus);
}

void ButtonsShowPressedColours(CaseContext& c) {
    HWND calculate = Button(c, kCalculateButton);
    PressMouse(calculate);
    ExpectPixel(c, 25, 700, kCalculatePressed, "calculate button held down");
    ExpectPixel(c, 20, 668, kCalculateBorder, "calculate button border held down");
    ReleaseMouse(calculate, true);
    Settle(c.app);
    ExpectPixel(c, 25, 700, kCalculateFill, "calculate button released");
    ExpectShown(c, kDefaultResult, kNormalVerdict, "after the calculate click");
    HWND copy = Button(c, kCopyButton);
    PressMouse(copy);
    ExpectPixel(c, 334, 700, kButtonPressed, "copy button held down");
    ExpectPixel(c, 328, 668, kButtonBorder, "copy button border held down");
    ReleaseMouse(copy, false);
    Settle(c.app);
    ExpectPixel(c, 334, 700, kWhite, "copy button released outside");
    Expect(c, !MessageBoxOpen(c.app), "releasing outside the copy button ran a command");
    ExpectStatusLine(c, kCalculatedStatus);
}

void ClosingEndsTheProcess(CaseContext& c) {
    PostMessageW(c.app.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    bool ended = WaitForSingleObject(c.app.process.hProcess, 10000) == WAIT_OBJECT_0;
    DWORD exitCode = 1;
    if (ended) GetExitCodeProcess(c.app.process.hProcess, &exitCode);
    Expect(c, ended, "the process did not end after the window closed");
    Expect(c, exitCode == 0, "exit code %lu", exitCode);
}

const DriverCase kWindowCases[] = {
    {"window_controls_as_built", ControlsAsBuilt},
    {"window_opens_with_defaults", OpensWithDefaults},
    {"window_centred_and_fixed", WindowCentredAndFixed},
    {"window_calculates_defaults", CalculatesDefaults},
    {"window_calculates_warning_by_f5", CalculatesWarningByF5},
    {"window_calculates_by_enter", CalculatesByEnter},
    {"window_keys_rest_after_calculation", KeysRestAfterCalculation},
    {"window_enter_on_button_calculates", EnterOnButtonCalculates},
    {"window_reset_restores_defaults", ResetRestoresDefaults},
    {"window_copies_result_exactly", CopiesResultExactly},
    {"window_copy_asks_for_calculation_first", CopyAsksForCalculationFirst},
    {"window_copy_failure_warns", CopyFailureWarns},
    {"window_rejects_input_that_is_not_a_number", RejectsInputThatIsNotANumber},
    {"window_accepts_whole_numbers", AcceptsWholeNumbers},
    {"window_about_shows_tool_texts", AboutShowsToolTexts},
    {"window_paints_the_layout", PaintsTheLayout},
    {"window_buttons_show_pressed_colours", ButtonsShowPressedColours},
    {"window_closing_ends_the_process", ClosingEndsTheProcess},
};

const CaseRegistration registration(kWindowCases, sizeof kWindowCases / sizeof kWindowCases[0]);

}  // namespace
