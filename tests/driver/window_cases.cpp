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

void SetInputs(CaseContext& c, const std::vector<std::wstring>& texts) {
    for (size_t i = 0; i < texts.size(); ++i) SetText(FindInputBox(c.app, static_cast<int>(i)), texts[i].c_str());
}

std::vector<double> Values(const std::vector<std::wstring>& texts) {
    std::vector<double> values;
    for (const std::wstring& text : texts) values.push_back(std::wcstod(text.c_str(), nullptr));
    values.resize(kMaxInputs);
    return values;
}

// ---- Cases ----

// Every control where the layout puts it, with the styles that give the
// keyboard its way through; the window of the layout's size, centred in the
// work area, its size pinned.
void ControlsWhereTheLayoutPutsThem(CaseContext& c) {
    const ToolLayout layout = LayoutOf(Tool(c));
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
    ExpectFramed(c, layout.clientWidth, layout.clientHeight);
}

// The window opens with the prompt, in the colour of a normal verdict, and
// the focus in the first box; Tab goes through the inputs in order, then
// the buttons, and round; Shift+Tab goes back.
void OpensReadyAndTabGoesRound(CaseContext& c) {
    ExpectText(c, ReadText(FindVerdictLabel(c.app)), kVerdictPrompt, "verdict at start");
    ExpectVerdictColour(c, kNormalVerdictColour, kWarningVerdictColour);
    ExpectFocus(c, FindInputBox(c.app, 0), "the first input box");
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
    ExpectShows(c, Defaults(Tool(c)), "after F5");
    ExpectFocus(c, FindInputBox(c.app, 0), "the first box after F5");
    ExpectStatusLine(c, (std::wstring(L"计算完成  ") + Tool(c).title).c_str());
    SetInputs(c, kWarningInputs);
    ClickAndSettle(c, INPUT_CONTROL_BASE + 2);
    PressAndSettle(c, VK_RETURN);
    ExpectShows(c, Values(kWarningInputs), "after Enter");
    ExpectFocus(c, FindInputBox(c.app, 2), "the third box after Enter");
    SetInputs(c, {L"60", L"10", L"60"});
    ChordAndSettle(c, {VK_TAB});
    ExpectFocus(c, FindControl(c.app, CMD_CALCULATE), "the calculate button after Tab");
    PressAndSettle(c, VK_F5);
    ExpectShows(c, Defaults(Tool(c)), "after F5 on a button");
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
    const CalculationResult& shown = CalculationOf(Tool(c), Defaults(Tool(c)).data());
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
    ReadClipboard(&held);
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
    ExpectShows(c, Defaults(Tool(c)), "after the refusal", true);
}

// A copy while another program holds the clipboard warns and leaves it as it
// was; after reset there is nothing to copy.
void CopyWarnsWhenItCannotAndAsksAfterReset(CaseContext& c) {
    PressAndSettle(c, VK_F5);
    WriteClipboardText(L"earlier");
    HoldClipboard();
    ClickAndSettle(c, CMD_COPY_RESULT);
    ExpectMessageBox(c, kCopyFailedMessage, kCopyFailedCaption, MB_ICONWARNING);
    ReleaseClipboard();
    std::wstring held;
    ReadClipboard(&held);
    ExpectText(c, held, L"earlier", "clipboard after a failed copy");
    ClickAndSettle(c, CMD_RESET);
    ClickAndSettle(c, CMD_COPY_RESULT);
    ExpectMessageBox(c, kNoResultMessage, kNoResultCaption, MB_ICONINFORMATION);
}

// The page, header, panels and footer in their colours; a button darker while
// held down; the focused button shows its focus.
void PaintsTheLayoutButtonsAndFocus(CaseContext& c) {
    const ToolLayout layout = LayoutOf(Tool(c));
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
    {"window_opens_ready_and_tab_goes_round", OpensReadyAndTabGoesRound},
    {"window_keys_calculate_and_the_focus_stays", KeysCalculateAndTheFocusStays},
    {"window_enter_or_space_presses_the_focused_button", EnterOrSpacePressesTheFocusedButton},
    {"window_command_keys_run_their_commands", CommandKeysRunTheirCommands},
    {"window_changed_inputs_dim_the_result_and_stop_copy_and_save", ChangedInputsDimTheResultAndStopCopyAndSave},
    {"window_refused_input_names_its_box", RefusedInputNamesItsBox},
    {"window_copy_warns_when_it_cannot_and_asks_after_reset", CopyWarnsWhenItCannotAndAsksAfterReset},
    {"window_paints_the_layout_buttons_and_focus", PaintsTheLayoutButtonsAndFocus},
};
const CaseRegistration registration(kWindowCases, sizeof kWindowCases / sizeof kWindowCases[0]);

}  // namespace
