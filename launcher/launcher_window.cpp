#include "launcher/launcher_window.h"

#include "engine/text.h"
#include "engine/tool_catalogue.h"
#include "launcher/launcher_commands.h"
#include "launcher/launcher_layout.h"
#include "launcher/launcher_painting.h"
#include "launcher/launcher_state.h"
#include "shell/drawing.h"
#include "shell/local_app_data.h"
#include "shell/palette.h"
#include "shell/window_frame.h"

LauncherState& CurrentLauncher() {
    static LauncherState state;
    return state;
}

namespace {

const wchar_t kLauncherWindowClass[] = L"TolmMedSuiteWnd";

struct FontRow {
    HFONT LauncherFonts::*font;
    int LauncherFontHeights::*height;
    int weight;
};

// The tools' title, caption, button and small fonts, and three for the
// search box and the list.
constexpr FontRow kFontRows[] = {
    {&LauncherFonts::titleFont, &LauncherFontHeights::title, FW_BOLD},
    {&LauncherFonts::captionFont, &LauncherFontHeights::caption, FW_NORMAL},
    {&LauncherFonts::searchFont, &LauncherFontHeights::search, FW_NORMAL},
    {&LauncherFonts::categoryFont, &LauncherFontHeights::category, FW_BOLD},
    {&LauncherFonts::rowTitleFont, &LauncherFontHeights::rowTitle, FW_NORMAL},
    {&LauncherFonts::buttonFont, &LauncherFontHeights::button, FW_NORMAL},
    {&LauncherFonts::smallFont, &LauncherFontHeights::small, FW_NORMAL},
};

struct ControlRow {
    const wchar_t* className;
    DWORD exStyle;
    DWORD style;
    Box LauncherLayout::*box;
    int id;
    HFONT LauncherFonts::*font;
    const wchar_t* text;
};

// Tab goes from the search box to the list and on to the buttons.
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
// Owner-drawn rows of two heights that keep their texts, so the list can be
// read from outside (screen readers) as it is shown.
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY |
                             LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;

const ControlRow kSearchControl = {L"EDIT",
                                   WS_EX_CLIENTEDGE,
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,
                                   &LauncherLayout::searchEdit,
                                   LAUNCHER_SEARCH_ID,
                                   &LauncherFonts::searchFont,
                                   L""};
const ControlRow kListControl = {L"LISTBOX", 0, kListStyle, &LauncherLayout::list, LAUNCHER_LIST_ID, nullptr, L""};
const ControlRow kButtonControls[] = {
    {L"BUTTON", 0, kButtonStyle | WS_GROUP, &LauncherLayout::openButton, CMD_OPEN_TOOL, nullptr, kOpenButtonCaption},
    {L"BUTTON", 0, kButtonStyle, &LauncherLayout::aboutButton, CMD_LAUNCHER_ABOUT, nullptr,
     kLauncherAboutButtonCaption},
};

// A command by control id and notification code.
struct CommandRoute {
    int id;
    int code;
    void (*handler)();
};

constexpr CommandRoute kCommandRoutes[] = {
    {LAUNCHER_SEARCH_ID, EN_CHANGE, OnSearchChanged},
    {LAUNCHER_LIST_ID, LBN_SELCHANGE, OnListSelectionChanged},
    {LAUNCHER_LIST_ID, LBN_DBLCLK, OnOpenTool},
    {CMD_OPEN_TOOL, BN_CLICKED, OnOpenTool},
    {CMD_LAUNCHER_ABOUT, BN_CLICKED, OnLauncherAbout},
};

void MoveUp() { OnMoveSelection(-1); }
void MoveDown() { OnMoveSelection(1); }
void PageUp() { OnMovePage(-1); }
void PageDown() { OnMovePage(1); }

struct KeyRoute {
    WPARAM key;
    void (*handler)();
};

// Keys that mean the same in every control of the window.
constexpr KeyRoute kKeyRoutes[] = {
    {VK_UP, MoveUp},
    {VK_DOWN, MoveDown},
    {VK_PRIOR, PageUp},
    {VK_NEXT, PageDown},
    {VK_RETURN, OnOpenTool},
    {VK_ESCAPE, OnClearSearch},
};

constexpr WPARAM kFirstTypedCharacter = 0x20;

void CreateLauncherFonts(LauncherFonts* fonts, const LauncherFontHeights& heights) {
    for (const FontRow& row : kFontRows)
        fonts->*row.font = CreateWindowFont(kInterfaceFace, -(heights.*row.height), row.weight);
}

HWND CreateControl(const LauncherState& launcher, const ControlRow& row) {
    const Box& box = launcher.layout.*row.box;
    HWND control = CreateWindowExW(row.exStyle, row.className, row.text, row.style, box.x, box.y, box.width,
                                   box.height, launcher.mainWindow,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), launcher.instance,
                                   nullptr);
    if (row.font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(launcher.fonts.*row.font), TRUE);
    return control;
}

LRESULT OnCreate(HWND window) {
    LauncherState& launcher = CurrentLauncher();
    launcher.mainWindow = window;
    launcher.searchEdit = CreateControl(launcher, kSearchControl);
    SendMessageW(launcher.searchEdit, EM_SETLIMITTEXT, kSearchTextCapacity - 1, 0);
    launcher.toolList = CreateControl(launcher, kListControl);
    for (const ControlRow& button : kButtonControls) CreateControl(launcher, button);
    FormatLauncherSubtitle(kToolCatalogueCount, launcher.subtitle, kLauncherSubtitleCapacity);
    wchar_t base[kLocalAppDataCapacity];
    ReadLocalAppDataFolder(base);
    FormatRecentFile(launcher.recentFile, base);
    launcher.recent = LoadRecentTools(launcher.recentFile, kToolCatalogue, kToolCatalogueCount);
    OnSearchChanged();
    return 0;
}

LRESULT OnDestroy() {
    PostQuitMessage(0);
    return 0;
}

LRESULT OnPaint(HWND window) {
    PaintLauncherWindow(window);
    return 0;
}

// The paint covers the whole client area; erasing first would only flicker.
LRESULT OnEraseBackground() { return 1; }

LRESULT OnGetMinMaxInfo(MINMAXINFO* info) {
    PinTrackingSize(info, CurrentLauncher().outerSize);
    return 0;
}

LRESULT OnMeasureItem(MEASUREITEMSTRUCT* item) {
    MeasureLauncherRow(item);
    return TRUE;
}

LRESULT OnDrawItem(const DRAWITEMSTRUCT* item) {
    DrawLauncherItem(*item);
    return TRUE;
}

LRESULT OnColorControl(WPARAM wParam) {
    return reinterpret_cast<LRESULT>(ColorLauncherControl(reinterpret_cast<HDC>(wParam)));
}

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    for (const CommandRoute& route : kCommandRoutes) {
        if (route.id != LOWORD(wParam) || route.code != HIWORD(wParam)) continue;
        route.handler();
        return 0;
    }
    return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}

// Coming back to the launcher, the keyboard is where it was when the user
// left, at first in the search box.
LRESULT OnActivate(HWND window, WPARAM wParam) {
    LauncherState& launcher = CurrentLauncher();
    KeepFocusAcrossActivation(window, wParam, &launcher.focusBeforeDeactivation, launcher.searchEdit);
    return 0;
}

bool IsHeadingAt(const LauncherState& launcher, LPARAM point) {
    LRESULT hit = SendMessageW(launcher.toolList, LB_ITEMFROMPOINT, 0, point);
    int index = LOWORD(hit);
    return HIWORD(hit) == 0 && index < launcher.rowCount && !IsToolRow(launcher.rows[index]);
}

// What the window takes before its controls see it: the keys of the whole
// window, typing in the list (it goes to the search box) and clicks on a
// heading (nothing to select there). True when the message is handled.
bool RouteLauncherInput(const MSG& message) {
    const LauncherState& launcher = CurrentLauncher();
    if (!IsChild(launcher.mainWindow, message.hwnd)) return false;
    switch (message.message) {
    case WM_KEYDOWN:
        // Enter on a focused button presses it; anywhere else it opens the tool.
        if (message.wParam == VK_RETURN && GetDlgCtrlID(message.hwnd) == CMD_LAUNCHER_ABOUT) {
            OnLauncherAbout();
            return true;
        }
        for (const KeyRoute& route : kKeyRoutes) {
            if (route.key != message.wParam) continue;
            route.handler();
            return true;
        }
        return false;
    case WM_CHAR:
        if (message.hwnd != launcher.toolList || message.wParam < kFirstTypedCharacter) return false;
        ForwardCharToSearch(message.wParam, message.lParam);
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return message.hwnd == launcher.toolList && IsHeadingAt(launcher, message.lParam);
    }
    return false;
}

void RunMessageLoop(HWND window) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (RouteLauncherInput(message)) continue;
        // Tab and Shift+Tab between the search box, the list and the buttons.
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

int RunLauncherWindow(HINSTANCE instance) {
    LauncherState& launcher = CurrentLauncher();
    launcher.instance = instance;
    launcher.layout = ComputeLauncherLayout(ReadScreenMetrics());
    CreateLauncherFonts(&launcher.fonts, launcher.layout.fonts);
    launcher.whiteBrush = CreateSolidBrush(kWhite);
    launcher.backgroundBrush = CreateSolidBrush(kPageColour);
    RegisterSuiteWindowClass(instance, kLauncherWindowClass, LauncherWindowProc, launcher.backgroundBrush);
    HWND window = CreateSuiteWindow(instance, kLauncherWindowClass, kLauncherTitle, launcher.layout.clientWidth,
                                    launcher.layout.clientHeight, &launcher.outerSize);
    if (!window) return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetFocus(launcher.searchEdit);
    RunMessageLoop(window);
    return 0;
}

LRESULT CALLBACK LauncherWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: return OnDestroy();
    case WM_PAINT: return OnPaint(window);
    case WM_ERASEBKGND: return OnEraseBackground();
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_MEASUREITEM: return OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM: return OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: return OnColorControl(wParam);
    case WM_COMMAND: return OnCommand(window, wParam, lParam);
    case WM_ACTIVATE: return OnActivate(window, wParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
