#include "shell/main_window.h"

#include "engine/text.h"
#include "shell/commands.h"
#include "shell/layout.h"
#include "shell/painting.h"
#include "shell/palette.h"
#include "shell/resources/resource_ids.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"

ShellState& CurrentShell() {
    static ShellState state;
    return state;
}

namespace {

const wchar_t kWindowClass[] = L"TolmMedToolWnd";

// Caption, system menu, minimize box: no maximize box, no sizing border.
constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct FontSpec {
    HFONT ShellFonts::*font;
    const wchar_t* face;
    int height;
    int weight;
};

const FontSpec kFontSpecs[] = {
    {&ShellFonts::titleFont, kInterfaceFace, -27, FW_BOLD},
    {&ShellFonts::captionFont, kInterfaceFace, -14, FW_NORMAL},
    {&ShellFonts::labelFont, kInterfaceFace, -14, FW_NORMAL},
    {&ShellFonts::inputFont, kInterfaceFace, -15, FW_NORMAL},
    {&ShellFonts::verdictFont, kInterfaceFace, -21, FW_BOLD},
    {&ShellFonts::resultFont, kFixedWidthFace, -15, FW_NORMAL},
    {&ShellFonts::buttonFont, kInterfaceFace, -15, FW_NORMAL},
    {&ShellFonts::smallFont, kInterfaceFace, -12, FW_NORMAL},
};

// One child control: class, styles, place, id and font (none for the
// owner-drawn buttons, which paint their own captions).
struct ControlSpec {
    const wchar_t* className;
    DWORD exStyle;
    DWORD style;
    Box box;
    int id;
    HFONT ShellFonts::*font;
};

constexpr DWORD kStaticStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kResultStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_READONLY | ES_AUTOVSCROLL | ES_MULTILINE;

ControlSpec InputLabelSpec(int rowY) {
    return {L"STATIC", 0, kStaticStyle | SS_RIGHT, InputLabelBox(rowY), 0, &ShellFonts::labelFont};
}

ControlSpec InputEditSpec(int rowY, int index) {
    return {L"EDIT", WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, InputEditBox(rowY),
            INPUT_EDIT_BASE + index, &ShellFonts::inputFont};
}

ControlSpec InputUnitSpec(int rowY) {
    return {L"STATIC", 0, kStaticStyle, InputUnitBox(rowY), 0, &ShellFonts::smallFont};
}

constexpr ControlSpec kVerdictSpec = {L"STATIC", 0, kStaticStyle, kVerdictBox, 0, &ShellFonts::verdictFont};
constexpr ControlSpec kResultSpec = {L"EDIT", WS_EX_CLIENTEDGE, kResultStyle, kResultBox, RESULT_EDIT_ID,
                                     &ShellFonts::resultFont};
constexpr ControlSpec kNoteSpec = {L"STATIC", 0, kStaticStyle, kNoteBox, 0, &ShellFonts::smallFont};
constexpr ControlSpec kBasisSpec = {L"STATIC", 0, kStaticStyle, kBasisBox, 0, &ShellFonts::smallFont};

struct ButtonSpec {
    ControlSpec control;
    const wchar_t* caption;
};

constexpr ButtonSpec kButtons[] = {
    {{L"BUTTON", 0, kButtonStyle, kCalculateButtonBox, CMD_CALCULATE, nullptr}, L"计算 (F5)"},
    {{L"BUTTON", 0, kButtonStyle, kSaveButtonBox, CMD_SAVE_RECORD, nullptr}, L"保存记录"},
    {{L"BUTTON", 0, kButtonStyle, kCopyButtonBox, CMD_COPY_RESULT, nullptr}, L"复制结果"},
    {{L"BUTTON", 0, kButtonStyle, kResetButtonBox, CMD_RESET, nullptr}, L"清空重填"},
    {{L"BUTTON", 0, kButtonStyle, kAboutButtonBox, CMD_ABOUT, nullptr}, L"关于"},
};

struct CommandRoute {
    int id;
    void (*handler)();
};

constexpr CommandRoute kCommandRoutes[] = {
    {CMD_CALCULATE, OnCalculate},   {CMD_SAVE_RECORD, OnSaveRecord}, {CMD_COPY_RESULT, OnCopyResult},
    {CMD_RESET, OnReset},           {CMD_ABOUT, OnAbout},
};

void CreateShellFonts(ShellFonts* fonts) {
    for (const FontSpec& row : kFontSpecs) fonts->*row.font = CreateWindowFont(row.face, row.height, row.weight);
}

HWND CreateControl(const ShellState& shell, const ControlSpec& row, const wchar_t* text) {
    HWND control = CreateWindowExW(row.exStyle, row.className, text, row.style, row.box.x, row.box.y,
                                   row.box.width, row.box.height, shell.mainWindow,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), shell.instance, nullptr);
    if (row.font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(shell.fonts.*row.font), TRUE);
    return control;
}

void CreateInputRow(ShellState& shell, int index) {
    const InputField& input = shell.tool->inputs[index];
    int rowY = kFirstRowY + kRowPitch * index;
    CreateControl(shell, InputLabelSpec(rowY), input.label);
    shell.inputEdits[index] = CreateControl(shell, InputEditSpec(rowY, index), L"");
    wchar_t value[kValueTextCapacity];
    FormatInputValue(input.defaultValue, value, kValueTextCapacity);
    SetWindowTextW(shell.inputEdits[index], value);
    if (input.unit && input.unit[0]) CreateControl(shell, InputUnitSpec(rowY), input.unit);
}

LRESULT OnCreate(HWND window) {
    ShellState& shell = CurrentShell();
    shell.mainWindow = window;
    const ToolDef& tool = *shell.tool;
    int rows = tool.inputCount < kMaxInputs ? tool.inputCount : kMaxInputs;
    for (int i = 0; i < rows; ++i) CreateInputRow(shell, i);
    shell.verdictLabel = CreateControl(shell, kVerdictSpec, kVerdictPrompt);
    shell.resultEdit = CreateControl(shell, kResultSpec, L"");
    shell.noteLabel = CreateControl(shell, kNoteSpec, TextOrEmpty(tool.note));
    wchar_t basis[kBasisLineCapacity];
    FormatBasisLine(tool, basis, kBasisLineCapacity);
    CreateControl(shell, kBasisSpec, basis);
    for (const ButtonSpec& button : kButtons) CreateControl(shell, button.control, button.caption);
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

// The window cannot be sized: both tracking sizes are the same.
LRESULT OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize = POINT{kTrackWidth, kTrackHeight};
    info->ptMaxTrackSize = POINT{kTrackWidth, kTrackHeight};
    return 0;
}

LRESULT OnDrawItem(const DRAWITEMSTRUCT* item) {
    DrawOwnerButton(*item);
    return 1;
}

LRESULT OnColorControl(UINT message, WPARAM wParam, LPARAM lParam) {
    return reinterpret_cast<LRESULT>(
        ColorControl(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
}

// Routed by the control id alone; other ids get the default handling.
LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    for (const CommandRoute& route : kCommandRoutes) {
        if (route.id != LOWORD(wParam)) continue;
        route.handler();
        return 0;
    }
    return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}

void RegisterMainWindowClass(HINSTANCE instance, HBRUSH background) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TOOL_ICON));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

// Centred on the primary screen, never past its top-left corner.
int CentredOrigin(int screen, int size) {
    int origin = (screen - size) / 2;
    return origin < 0 ? 0 : origin;
}

HWND CreateMainWindow(HINSTANCE instance, const wchar_t* title) {
    RECT outer = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&outer, kMainWindowStyle, FALSE);
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    int x = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), width);
    int y = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), height);
    return CreateWindowExW(0, kWindowClass, title, kMainWindowStyle, x, y, width, height, nullptr, nullptr,
                           instance, nullptr);
}

// Enter and F5 in any child calculate, in place of the key's own meaning.
bool IsCalculateKey(const MSG& message, HWND mainWindow) {
    return message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_F5) &&
           IsChild(mainWindow, message.hwnd);
}

void RunMessageLoop(HWND mainWindow) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsCalculateKey(message, mainWindow)) {
            OnCalculate();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

int RunMainWindow(HINSTANCE instance, const ToolDef& tool) {
    ShellState& shell = CurrentShell();
    shell.instance = instance;
    shell.tool = &tool;
    shell.lastLevel = 0;
    shell.lastResultText[0] = L'\0';
    CreateShellFonts(&shell.fonts);
    shell.whiteBrush = CreateSolidBrush(kWhite);
    shell.backgroundBrush = CreateSolidBrush(kPageColour);
    RegisterMainWindowClass(instance, shell.backgroundBrush);
    HWND window = CreateMainWindow(instance, tool.title);
    if (!window) return 1;
    shell.mainWindow = window;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    if (tool.inputCount > 0) SetFocus(shell.inputEdits[0]);
    RunMessageLoop(window);
    return 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: return OnDestroy();
    case WM_PAINT: return OnPaint(window);
    case WM_ERASEBKGND: return OnEraseBackground();
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_DRAWITEM: return OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return OnColorControl(message, wParam, lParam);
    case WM_COMMAND: return OnCommand(window, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
