// The tool window as a user meets it, on Peravin.exe: its controls where the
// layout puts them, the keyboard (Tab, Enter, Space, F5 and the command
// keys), the commands with their message boxes and status line, the exact
// clipboard bytes, a result dimmed once its inputs change, and the colours.
#include <string>
#include <vector>

#include "shell/main_window.h"
#include "shell/palette.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"
#include "tests/driver/driver_case.h"
#include "tests/driver/tool_window.h"

namespace {

const std::vector<std::wstring> kWarningInputs = {L"120", L"12.5", L"3"};

const ToolDef& Tool(CaseContext& c) { return *ToolOfWindow(c.app); }

void PressAndSettle(CaseContext& c, UINT key) {
    PressKey(c.app, key);
    Settle(c.app);
}

void ChordAndSettle(CaseContext& c, const std::vector<UINT>& keys) {
    PressChord(c.app, keys);
    Settle(c.app);
}

void ClickAndSettle(CaseContext& c, int id) {
    Click(FindControl(c.app, id));
    Settle(c.app);
}

void SetInputs(CaseContext& c, const std::vector<std::wstring>& texts) {
    for (size_t i = 0; i < texts.size(); ++i) SetText(FindInputBox(c.app, static_cast<int>(i)), texts[i].c_str());
}

std::vector<double> Values(const std::vector<std::wstring>& texts) {
    std::vector<double> values;
    for (const std::wstring& text : texts) values.push_back(std::wcstod(text.c_str(), nullptr));
    values.resize(kMaxInputs);
    return values;
}

// The result box and the verdict show what the calculation gives for values.
void ExpectShows(CaseContext& c, const std::vector<double>& values, const char* when) {
    const CalculationResult& expected = CalculationOf(Tool(c), values.data());
    std::string what = std::string("result box ") + when;
    ExpectText(c, ReadText(FindControl(c.app, RESULT_EDIT_ID)), expected.resultText, what.c_str());
    what = std::string("verdict ") + when;
    ExpectText(c, ReadText(FindVerdictLabel(c.app)), expected.verdictText, what.c_str());
}

void ExpectFocus(CaseContext& c, HWND expected, const char* what) {
    Expect(c, FocusedWindow(c.app) == expected, "focus is not on %s", what);
}

std::vector<double> Defaults(CaseContext& c) {
    std::vector<double> values(kMaxInputs);
    for (int i = 0; i < Tool(c).inputCount; ++i) values[i] = Tool(c).inputs[i].defaultValue;
    return values;
}

// ---- Cases ----

// Every control where the layout puts it, with the styles that give the
// keyboard its way through; the window of the layout's size, centred in the
// work area, its size pinned.
void ControlsWhereTheLayoutPutsThem(CaseContext& c) {
    const ToolLayout layout = LayoutOfWindow(c.app, Tool(c));
    struct Expected {
        int id;
        Box box;
        DWORD style;
    };
    std::vector<Expected> expected;
    for (int i = 0; i < Tool(c).inputCount; ++i)
        expected.push_back({INPUT_CONTROL_BASE + i, layout.rows[i].control, WS_TABSTOP | WS_GROUP});
    expected.push_back({RESULT_EDIT_ID, layout.result, ES_READONLY | ES_MULTILINE});
    const int buttons[] = {CMD_CALCULATE, CMD_SAVE_RECORD, CMD_COPY_RESULT, CMD_RESET, CMD_ABOUT};
    for (int b = 0; b < kToolButtonCount; ++b)
        expected.push_back({buttons[b], layout.buttons[b], WS_TABSTOP | BS_OWNERDRAW | (b == 0 ? WS_GROUP : 0u)});
    for (const Expected& row : expected) {
        HWND control = FindControl(c.app, row.id);
        if (!Expect(c, control != nullptr, "no control %d", row.id)) continue;
        RECT at = ControlRect(c.app.window, control), box = RectOf(row.box);
        Expect(c, EqualRect(&at, &box), "control %d at (%ld, %ld, %ld, %ld), the layout (%ld, %ld, %ld, %ld)", row.id,
               at.left, at.top, at.right, at.bottom, box.left, box.top, box.right, box.bottom);
        DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
        Expect(c, (style & row.style) == row.style, "control %d: style 0x%08lX lacks 0x%08lX", row.id, style,
               row.style);
    }
    RECT client;
    GetClientRect(c.app.window, &client);
    Expect(c, client.right == layout.clientWidth && client.bottom == layout.clientHeight, "client %ld x %ld",
           client.right, client.bottom);
    RECT outer, work;
    GetWindowRect(c.app.window, &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = work.left + (work.right - work.left - (outer.right - outer.left)) / 2;
    Expect(c, outer.left == (x < work.left ? work.left : x), "window at x %ld, centred %d", outer.left, x);
    Expect(c, outer.top >= work.top && outer.bottom <= work.bottom, "window %ld-%ld outside the work area", outer.top,
           outer.bottom);
    SetWindowPos(c.app.window, nullptr, 0, 0, 1400, 1000, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(c.app);
    RECT after;
    GetWindowRect(c.app.window, &after);
    Expect(c, after.right - after.left == outer.right - outer.left && after.bottom - after.top == outer.bottom - outer.top,
           "resized to %ld x %ld", after.right - after.left, after.bottom - after.top);
}

void OpensReadyInTheFirstBox(CaseContext& c) {
    for (int i = 0; i < Tool(c).inputCount; ++i) {
        wchar_t text[kValueTextCapacity];
        FormatInputValue(Tool(c).inputs[i].defaultValue, text, kValueTextCapacity);
        ExpectText(c, ReadText(FindInputBox(c.app, i)), text, "input box");
    }
    ExpectText(c, ReadText(FindVerdictLabel(c.app)), kVerdictPrompt, "verdict at start");
    ExpectFocus(c, FindInputBox(c.app, 0), "the first input box");
    ExpectStatusLine(c, kReadyStatus);
    ExpectVerdictColour(c, kNormalVerdictColour, kWarningVerdictColour);
}

// Tab goes through the inputs in order, then the buttons, and round;
// Shift+Tab goes back.
void TabGoesRoundInputsThenButtons(CaseContext& c) {
    std::vector<HWND> order;
    for (int i = 0; i < Tool(c).inputCount; ++i) order.push_back(FindInputBox(c.app, i));
    for (int id : {CMD_CALCULATE, CMD_SAVE_RECORD, CMD_COPY_RESULT, CMD_RESET, CMD_ABOUT})
        order.push_back(FindControl(c.app, id));
    for (size_t step = 1; step <= order.size(); ++step) {
        ChordAndSettle(c, {VK_TAB});
        ExpectFocus(c, order[step % order.size()], ("Tab " + std::to_string(step)).c_str());
    }
    ChordAndSettle(c, {VK_SHIFT, VK_TAB});
    ExpectFocus(c, order.back(), "the About button after Shift+Tab");
}

// F5 and Enter calculate and leave the focus where it was, so the next key
// works at once; F5 does from a button too.
void KeysCalculateAndTheFocusStays(CaseContext& c) {
    PressAndSettle(c, VK_F5);
    ExpectShows(c, Defaults(c), "after F5");
    ExpectFocus(c, FindInputBox(c.app, 0), "the first box after F5");
    ExpectStatusLine(c, (std::wstring(L"计算完成  ") + Tool(c).title).c_str());
    SetInputs(c, kWarningInputs);
    ClickAndSettle(c, INPUT_CONTROL_BASE + 2);
    PressAndSettle(c, VK_RETURN);
    ExpectShows(c, Values(kWarningInputs), "after Enter");
    ExpectFocus(c, FindInputBox(c.app, 2), "the third box after Enter");
    ExpectVerdictColour(c, kWarningVerdictColour, kNormalVerdictColour);
    SetInputs(c, {L"60", L"10", L"60"});
    ChordAndSettle(c, {VK_TAB});
    ExpectFocus(c, FindControl(c.app, CMD_CALCULATE), "the calculate button after Tab");
    PressAndSettle(c, VK_F5);
    ExpectShows(c, Defaults(c), "after F5 on a button");
    Expect(c, !MessageBoxOpen(c.app), "F5 on a button opened a message box");
}

// Enter or Space on a focused button presses that button.
void EnterOrSpacePressesTheFocusedButton(CaseContext& c) {
    for (int tabs = 0; tabs < 3 + kToolButtonCount - 1; ++tabs) ChordAndSettle(c, {VK_TAB});
    ExpectFocus(c, FindControl(c.app, CMD_ABOUT), "the About button");
    PressAndSettle(c, VK_RETURN);
    wchar_t about[kAboutTextCapacity];
    BuildAboutText(Tool(c), about, kAboutTextCapacity);
    ExpectMessageBox(c, about, L"关于本工具", MB_ICONINFORMATION);
    SetInputs(c, kWarningInputs);
    ChordAndSettle(c, {VK_SHIFT, VK_TAB});
    ExpectFocus(c, FindControl(c.app, CMD_RESET), "the reset button");
    ChordAndSettle(c, {VK_SPACE});
    ExpectText(c, ReadText(FindInputBox(c.app, 0)), L"60", "the first box after Space on reset");
    ExpectStatusLine(c, kResetStatus);
}

// Every command has its key; the copy's clipboard block holds exactly the
// title, the result and the verdict, and nothing after them.
void CommandKeysRunTheirCommands(CaseContext& c) {
    ChordAndSettle(c, {VK_CONTROL, 'D'});
    ExpectMessageBox(c, kNoResultMessage, kNoResultCaption, MB_ICONINFORMATION);
    PressAndSettle(c, VK_F5);
    const CalculationResult& shown = CalculationOf(Tool(c), Defaults(c).data());
    const std::wstring copied = std::wstring(Tool(c).title) + L"\r\n" + shown.resultText + L"\x2014\x2014 " +
                                shown.verdictText;
    for (const std::vector<UINT>& chord : {std::vector<UINT>{VK_CONTROL, 'D'}, {VK_CONTROL, VK_SHIFT, 'C'}}) {
        WriteClipboardText(L"earlier");
        ChordAndSettle(c, chord);
        ExpectClipboardHolds(c, copied);
        ExpectStatusLine(c, kCopiedStatus);
    }
    ChordAndSettle(c, {VK_CONTROL, 'S'});
    ExpectMessageBox(c, kSavedMessage, kSavedCaption, MB_ICONINFORMATION);
    SetInputs(c, kWarningInputs);
    ChordAndSettle(c, {VK_CONTROL, 'R'});
    ExpectText(c, ReadText(FindInputBox(c.app, 0)), L"60", "the first box after Ctrl+R");
    ExpectText(c, ReadText(FindVerdictLabel(c.app)), kVerdictPrompt, "verdict after Ctrl+R");
    ExpectStatusLine(c, kResetStatus);
    ChordAndSettle(c, {VK_F1});
    wchar_t about[kAboutTextCapacity];
    BuildAboutText(Tool(c), about, kAboutTextCapacity);
    ExpectMessageBox(c, about, L"关于本工具", MB_ICONINFORMATION);
}

// A result on screen whose inputs changed says so at once, dimmed, and
// neither copy nor save takes it.
void ChangedInputsDimTheResultAndStopCopyAndSave(CaseContext& c) {
    PressAndSettle(c, VK_F5);
    WriteClipboardText(L"earlier");
    TypeText(FindInputBox(c.app, 2), L"5");
    Settle(c.app);
    ExpectStatusLine(c, kStaleStatus);
    ExpectVerdictColour(c, kMutedTextColour, kNormalVerdictColour);
    ClickAndSettle(c, CMD_COPY_RESULT);
    ExpectMessageBox(c, kStaleMessage, kNoResultCaption, MB_ICONINFORMATION);
    std::wstring held;
    ReadClipboardText(&held);
    ExpectText(c, held, L"earlier", "clipboard after a refused copy");
    ClickAndSettle(c, CMD_SAVE_RECORD);
    ExpectMessageBox(c, kStaleMessage, kNoResultCaption, MB_ICONINFORMATION);
    PressAndSettle(c, VK_F5);
    ExpectShows(c, Values({L"60", L"10", ReadText(FindInputBox(c.app, 2))}), "after F5 again");
    ExpectVerdictColour(c, kNormalVerdictColour, kMutedTextColour);
}

// A box that does not hold a number stops the calculation with a message
// that names it, and the focus goes there; the earlier result stays.
void RefusedInputNamesItsBox(CaseContext& c) {
    PressAndSettle(c, VK_F5);
    SetText(FindInputBox(c.app, 1), L"12abc");
    ClickAndSettle(c, CMD_CALCULATE);
    wchar_t message[kInputMessageCapacity];
    FormatInputProblem(Tool(c), 1, InputNotANumber, message, kInputMessageCapacity);
    ExpectMessageBox(c, message, kInputRejectedCaption, MB_ICONWARNING);
    ExpectFocus(c, FindInputBox(c.app, 1), "the refused box");
    ExpectShows(c, Defaults(c), "after the refusal");
}

void CopyAsksFirstAndWarnsWhenItCannot(CaseContext& c) {
    ClickAndSettle(c, CMD_SAVE_RECORD);
    ExpectMessageBox(c, kSaveNoResultMessage, kNoResultCaption, MB_ICONINFORMATION);
    PressAndSettle(c, VK_F5);
    WriteClipboardText(L"earlier");
    HoldClipboard();
    ClickAndSettle(c, CMD_COPY_RESULT);
    ExpectMessageBox(c, kCopyFailedMessage, kCopyFailedCaption, MB_ICONWARNING);
    ReleaseClipboard();
    std::wstring held;
    ReadClipboardText(&held);
    ExpectText(c, held, L"earlier", "clipboard after a failed copy");
    ClickAndSettle(c, CMD_RESET);
    ClickAndSettle(c, CMD_COPY_RESULT);
    ExpectMessageBox(c, kNoResultMessage, kNoResultCaption, MB_ICONINFORMATION);
}

// The page, header, panels and footer in their colours; a button darker while
// held down; the focused button shows its focus.
void PaintsTheLayoutButtonsAndFocus(CaseContext& c) {
    const ToolLayout layout = LayoutOfWindow(c.app, Tool(c));
    const struct {
        int x, y;
        COLORREF colour;
        const char* what;
    } pixels[] = {
        {layout.header.accentWidth / 2, layout.header.bottom / 2, kAccentColour, "accent strip"},
        {layout.clientWidth / 2, layout.header.bottom - 2, kHeaderColour, "header band"},
        {layout.inputPanel.panel.x - 3, layout.inputPanel.panel.y + 20, kPageColour, "page"},
        {layout.inputPanel.panel.x, layout.inputPanel.panel.y + 20, kPanelBorderColour, "panel border"},
        {layout.inputPanel.panel.x + 3, BottomOf(layout.inputPanel.panel) - 3, kWhite, "input panel"},
        {layout.resultPanel.separator.x + 1, layout.resultPanel.separator.y, kSeparatorColour, "separator"},
        {layout.footer.x + 4, layout.footer.y + 2, kFooterColour, "footer"},
    };
    for (const auto& pixel : pixels) ExpectPixel(c, pixel.x, pixel.y, pixel.colour, pixel.what);
    const Box& calculate = layout.buttons[ButtonCalculate];
    const Box& save = layout.buttons[ButtonSave];
    ExpectPixel(c, calculate.x + 3, calculate.y + 3, kCalculateFill, "calculate button");
    PressMouse(FindControl(c.app, CMD_CALCULATE));
    Settle(c.app);
    ExpectPixel(c, calculate.x + 3, calculate.y + 3, kCalculatePressedFill, "calculate button held down");
    ReleaseMouse(FindControl(c.app, CMD_CALCULATE), false);
    PressMouse(FindControl(c.app, CMD_SAVE_RECORD));
    Settle(c.app);
    ExpectPixel(c, save.x + 3, save.y + 3, kButtonPressedFill, "save button held down");
    ReleaseMouse(FindControl(c.app, CMD_SAVE_RECORD), false);
    Settle(c.app);
    // The focus rectangle runs inside the border, over the face.
    Capture focused, plain;
    const RECT saveRect = RectOf(save);
    CaptureClient(c.app, saveRect, &focused);
    ClickAndSettle(c, INPUT_CONTROL_BASE);
    CaptureClient(c.app, saveRect, &plain);
    Expect(c, focused.pixels != plain.pixels, "the focused save button looks like an unfocused one");
}

const DriverCase kWindowCases[] = {
    {"window_controls_where_the_layout_puts_them", ControlsWhereTheLayoutPutsThem},
    {"window_opens_ready_in_the_first_box", OpensReadyInTheFirstBox},
    {"window_tab_goes_round_inputs_then_buttons", TabGoesRoundInputsThenButtons},
    {"window_keys_calculate_and_the_focus_stays", KeysCalculateAndTheFocusStays},
    {"window_enter_or_space_presses_the_focused_button", EnterOrSpacePressesTheFocusedButton},
    {"window_command_keys_run_their_commands", CommandKeysRunTheirCommands},
    {"window_changed_inputs_dim_the_result_and_stop_copy_and_save", ChangedInputsDimTheResultAndStopCopyAndSave},
    {"window_refused_input_names_its_box", RefusedInputNamesItsBox},
    {"window_copy_asks_first_and_warns_when_it_cannot", CopyAsksFirstAndWarnsWhenItCannot},
    {"window_paints_the_layout_buttons_and_focus", PaintsTheLayoutButtonsAndFocus},
};
const CaseRegistration registration(kWindowCases, sizeof kWindowCases / sizeof kWindowCases[0]);

}  // namespace
