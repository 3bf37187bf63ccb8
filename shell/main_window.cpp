#include "shell/main_window.h"

#include "engine/text.h"
#include "shell/commands.h"
#include "shell/input_controls.h"
#include "shell/painting.h"
#include "shell/palette.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"
#include "shell/window_frame.h"

ShellState& CurrentShell() {
    static ShellState state;
    return state;
}

const wchar_t kToolWindowClass[] = L"TolmMedToolWnd";

namespace {

struct FontSpec {
    HFONT ShellFonts::*font;
    const wchar_t* face;
    int ToolFonts::*height;
    int weight;
};

const FontSpec kFontSpecs[] = {
    {&ShellFonts::titleFont, kInterfaceFace, &ToolFonts::title, FW_BOLD},
    {&ShellFonts::captionFont, kInterfaceFace, &ToolFonts::caption, FW_NORMAL},
    {&ShellFonts::labelFont, kInterfaceFace, &ToolFonts::label, FW_NORMAL},
    {&ShellFonts::inputFont, kInterfaceFace, &ToolFonts::input, FW_NORMAL},
    {&ShellFonts::verdictFont, kInterfaceFace, &ToolFonts::verdict, FW_BOLD},
    {&ShellFonts::resultFont, kFixedWidthFace, &ToolFonts::result, FW_NORMAL},
    {&ShellFonts::buttonFont, kInterfaceFace, &ToolFonts::button, FW_NORMAL},
    {&ShellFonts::smallFont, kInterfaceFace, &ToolFonts::small, FW_NORMAL},
};

// One child control: class, styles, place, id and font (none for the
// owner-drawn buttons, which paint their own captions).
struct ControlSpec {
    const wchar_t* className;
    DWORD exStyle;
    DWORD style;
    Box ToolLayout::*box;
    int id;
    HFONT ShellFonts::*font;
};

constexpr DWORD kStaticStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kResultStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_READONLY | ES_AUTOVSCROLL | ES_MULTILINE;

constexpr ControlSpec kVerdictSpec = {L"STATIC", 0, kStaticStyle, &ToolLayout::verdict, 0, &ShellFonts::verdictFont};
constexpr ControlSpec kResultSpec = {L"EDIT", WS_EX_CLIENTEDGE, kResultStyle, &ToolLayout::result, RESULT_EDIT_ID,
                                     &ShellFonts::resultFont};
constexpr ControlSpec kNoteSpec = {L"STATIC", 0, kStaticStyle, &ToolLayout::note, 0, &ShellFonts::smallFont};
constexpr ControlSpec kBasisSpec = {L"STATIC", 0, kStaticStyle, &ToolLayout::basis, 0, &ShellFonts::smallFont};

// The buttons are Tab stops after the inputs; the first starts their group,
// so the arrow keys move among them.
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;

struct ButtonSpec {
    ToolButton place;
    int id;
    const wchar_t* caption;
};

constexpr ButtonSpec kButtons[] = {
    {ButtonCalculate, CMD_CALCULATE, L"计算 (F5)"}, {ButtonSave, CMD_SAVE_RECORD, L"保存记录"},
    {ButtonCopy, CMD_COPY_RESULT, L"复制结果"},     {ButtonReset, CMD_RESET, L"清空重填"},
    {ButtonAbout, CMD_ABOUT, L"关于"},
};

struct CommandRoute {
    int id;
    void (*handler)();
};

constexpr CommandRoute kCommandRoutes[] = {
    {CMD_CALCULATE, OnCalculate},   {CMD_SAVE_RECORD, OnSaveRecord}, {CMD_COPY_RESULT, OnCopyResult},
    {CMD_RESET, OnReset},           {CMD_ABOUT, OnAbout},
};

// Every command has a key; F5 calculates from anywhere in the window.
constexpr ACCEL kCommandKeys[] = {
    {FVIRTKEY, VK_F5, CMD_CALCULATE},
    {FVIRTKEY | FCONTROL, 'S', CMD_SAVE_RECORD},
    {FVIRTKEY | FCONTROL, 'D', CMD_COPY_RESULT},
    {FVIRTKEY | FCONTROL | FSHIFT, 'C', CMD_COPY_RESULT},
    {FVIRTKEY | FCONTROL, 'R', CMD_RESET},
    {FVIRTKEY, VK_F1, CMD_ABOUT},
};

void CreateShellFonts(ShellFonts* fonts, const ToolFonts& heights) {
    for (const FontSpec& row : kFontSpecs)
        fonts->*row.font = CreateWindowFont(row.face, -(heights.*row.height), row.weight);
}

HWND CreateControl(const ShellState& shell, const ControlSpec& row, const wchar_t* text) {
    const Box& box = shell.layout.*row.box;
    HWND control = CreateWindowExW(row.exStyle, row.className, text, row.style, box.x, box.y, box.width, box.height,
                                   shell.mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                   shell.instance, nullptr);
    if (row.font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(shell.fonts.*row.font), TRUE);
    return control;
}

void CreateButton(const ShellState& shell, const ButtonSpec& button, DWORD style) {
    const Box& box = shell.layout.buttons[button.place];
    CreateWindowExW(0, L"BUTTON", button.caption, style, box.x, box.y, box.width, box.height, shell.mainWindow,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), shell.instance, nullptr);
}

LRESULT OnCreate(HWND window) {
    ShellState& shell = CurrentShell();
    shell.mainWindow = window;
    const ToolDef& tool = *shell.tool;
    shell.filling = true;
    for (int i = 0; i < InputRowCount(tool); ++i) {
        CreateInputRow(shell, i);
        ShowStartingValue(shell, i);
    }
    shell.filling = false;
    shell.verdictLabel = CreateControl(shell, kVerdictSpec, kVerdictPrompt);
    shell.resultEdit = CreateControl(shell, kResultSpec, L"");
    shell.noteLabel = CreateControl(shell, kNoteSpec, TextOrEmpty(tool.note));
    wchar_t basis[kBasisLineCapacity];
    FormatBasisLine(tool, basis, kBasisLineCapacity);
    CreateControl(shell, kBasisSpec, basis);
    for (const ButtonSpec& button : kButtons)
        CreateButton(shell, button, button.id == kButtons[0].id ? kButtonStyle | WS_GROUP : kButtonStyle);
    CopyCut(shell.statusText, kStatusTextCapacity, kReadyStatus);
    return 0;
}

LRESULT OnDestroy() {
    PostQuitMessage(0);
    return 0;
}

LRESULT OnPaint(HWND window) {
    PaintMainWindow(window);
    return 0;
}

// The paint covers the whole client area; erasing first would only flicker.
LRESULT OnEraseBackground() { return 1; }

LRESULT OnGetMinMaxInfo(MINMAXINFO* info) {
    PinTrackingSize(info, CurrentShell().outerSize);
    return 0;
}

LRESULT OnMeasureItem(MEASUREITEMSTRUCT* item) {
    MeasureChecklistItem(CurrentShell(), item);
    return TRUE;
}

LRESULT OnDrawItem(const DRAWITEMSTRUCT* item) {
    DrawOwnerItem(*item);
    return TRUE;
}

LRESULT OnColorControl(UINT message, WPARAM wParam, LPARAM lParam) {
    return reinterpret_cast<LRESULT>(
        ColorControl(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
}

// The five commands by their id, from a button or a key; a change the user
// makes to an input; other ids get the default handling.
LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    for (const CommandRoute& route : kCommandRoutes) {
        if (route.id != LOWORD(wParam)) continue;
        route.handler();
        return 0;
    }
    if (IsInputChange(CurrentShell(), LOWORD(wParam), HIWORD(wParam))) {
        OnInputChanged();
        return 0;
    }
    return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}

// After a message box or another program, the keyboard is back where it was.
LRESULT OnActivate(HWND window, WPARAM wParam) {
    KeepFocusAcrossActivation(window, wParam, &CurrentShell().focusBeforeDeactivation, nullptr);
    return 0;
}

bool IsOwnButton(HWND control) {
    for (const ButtonSpec& button : kButtons)
        if (GetDlgCtrlID(control) == button.id) return true;
    return false;
}

// Enter presses a focused button; in any input it calculates, except in an
// open list, where it takes the entry.
bool RouteEnter(const MSG& message, HWND mainWindow) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN || !IsChild(mainWindow, message.hwnd))
        return false;
    HWND control = message.hwnd;
    // A drop-down list gets its keys through its own child windows.
    HWND parent = GetParent(control);
    if (parent != mainWindow && IsChild(mainWindow, parent)) control = parent;
    if (IsOwnButton(control)) {
        SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
        return true;
    }
    if (SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0)) return false;
    OnCalculate();
    return true;
}

void RunMessageLoop(const ShellState& shell) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(shell.mainWindow, shell.commandKeys, &message)) continue;
        if (RouteEnter(message, shell.mainWindow)) continue;
        // Tab, Shift+Tab, the arrows in a group and Space on a button, as
        // in every Windows form.
        if (IsDialogMessageW(shell.mainWindow, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The first input, or the calculate button of a tool without inputs.
void FocusFirstControl(const ShellState& shell) {
    if (shell.tool->inputCount > 0)
        SetFocus(shell.inputControls[0]);
    else
        SetFocus(GetDlgItem(shell.mainWindow, CMD_CALCULATE));
}

}  // namespace

int RunMainWindow(HINSTANCE instance, const ToolDef& tool) {
    ShellState& shell = CurrentShell();
    shell.instance = instance;
    shell.tool = &tool;
    shell.layout = ComputeToolLayout(tool, ReadScreenMetrics());
    shell.last.resultText[0] = L'\0';
    shell.last.level = LevelNormal;
    CreateShellFonts(&shell.fonts, shell.layout.fonts);
    shell.whiteBrush = CreateSolidBrush(kWhite);
    shell.backgroundBrush = CreateSolidBrush(kPageColour);
    shell.commandKeys = CreateAcceleratorTableW(const_cast<ACCEL*>(kCommandKeys), CountOf(kCommandKeys));
    RegisterSuiteWindowClass(instance, kToolWindowClass, MainWindowProc, shell.backgroundBrush);
    HWND window = CreateSuiteWindow(instance, kToolWindowClass, tool.title, shell.layout.clientWidth,
                                    shell.layout.clientHeight, &shell.outerSize);
    if (!window) return 1;
    shell.mainWindow = window;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    FocusFirstControl(shell);
    RunMessageLoop(shell);
    return 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: return OnDestroy();
    case WM_PAINT: return OnPaint(window);
    case WM_ERASEBKGND: return OnEraseBackground();
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_MEASUREITEM: return OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM: return OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: return OnColorControl(message, wParam, lParam);
    case WM_COMMAND: return OnCommand(window, wParam, lParam);
    case WM_ACTIVATE: return OnActivate(window, wParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
