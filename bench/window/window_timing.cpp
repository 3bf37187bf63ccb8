// Time inside the process from an F5 key-down to the verdict: the real
// window code, driven by a second thread that posts F5 to the first input
// box; or, as the yardstick, a minimal window that on F5 only sets the texts
// of a multi-line edit and a label and repaints them. Hooks on the window's
// thread stamp the moment the loop takes the key, the moments the result box
// and the verdict label hold their new texts, and the end of the label's
// next repaint.
//     window_timing.exe [presses] [minimal]
#include <windows.h>

#include <cwchar>
#include <vector>

#include "bench/window/repaint_timing.h"
#include "engine/tool_def.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"

namespace {

bool awaitingText = false;
std::vector<double> toResult;
std::vector<double> toText;

// The window measured: its main window, the box F5 goes to, the result box
// and the verdict label.
struct Timed {
    HWND window, keyTarget, result, label;
};
Timed timed = {};

LRESULT CALLBACK StampKey(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_KEYDOWN && message->wParam == VK_F5) {
        StampKeyFor(timed.label);
        awaitingText = true;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK StampTexts(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && awaitingText && call->message == WM_SETTEXT && call->hwnd == timed.result)
        toResult.push_back(MillisecondsSince(repaintTiming.keyTaken));
    if (code == HC_ACTION && awaitingText && call->message == WM_SETTEXT && call->hwnd == timed.label) {
        awaitingText = false;
        toText.push_back(MillisecondsSince(repaintTiming.keyTaken));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int presses = 200;

DWORD WINAPI PressF5(void*) {
    while (!timed.window || !IsWindowVisible(timed.window)) Sleep(10);
    Sleep(300);
    for (int i = 0; i < presses; ++i) {
        ResetEvent(repaintTiming.painted);
        PostMessageW(timed.keyTarget, WM_KEYDOWN, VK_F5, 0x003F0001);
        WaitForSingleObject(repaintTiming.painted, 2000);
    }
    PostMessageW(timed.window, WM_CLOSE, 0, 0);
    return 0;
}

// ---- The yardstick ----

LRESULT CALLBACK MinimalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The result box as the tool window makes it: its scroll bar alone costs
// Wine a few milliseconds on every text set.
constexpr DWORD kResultStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_READONLY | ES_AUTOVSCROLL | ES_MULTILINE;

// A window with an edit box, a multi-line result box and a label in the
// tool window's fonts and styles; F5 in the box sets the two texts and asks for the
// label's repaint.
int RunMinimalTextWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MinimalProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"MinimalTextWnd";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, L"MinimalTextWnd", L"Minimal", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 1036,
                                  760, nullptr, nullptr, instance, nullptr);
    HWND box = CreateWindowExW(0, L"EDIT", L"60", WS_CHILD | WS_VISIBLE, 216, 146, 152, 27, window, nullptr, instance,
                               nullptr);
    HWND result = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", kResultStyle, 492, 196, 492,
                                  232, window, nullptr, instance, nullptr);
    HWND label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 492, 142, 492, 46, window, nullptr,
                                 instance, nullptr);
    HFONT resultFont = CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Consolas");
    HFONT labelFont = CreateFontW(-21, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  L"Microsoft YaHei UI");
    SendMessageW(result, WM_SETFONT, reinterpret_cast<WPARAM>(resultFont), TRUE);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont), TRUE);
    timed = {window, box, result, label};
    MSG message;
    wchar_t text[64];
    int count = 0;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_F5) {
            swprintf(text, 64, L"葡萄糖输注速率：%d.67 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n", ++count % 10);
            SetWindowTextW(result, text);
            SetWindowTextW(label, count % 2 ? L"GIR 在合理范围" : L"GIR 偏高，警惕高血糖与脂肪肝");
            InvalidateRect(label, nullptr, TRUE);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

// The tool window; its handles are known once it shows.
DWORD WINAPI WatchToolWindow(void*) {
    while (!CurrentShell().mainWindow || !IsWindowVisible(CurrentShell().mainWindow)) Sleep(10);
    const ShellState& shell = CurrentShell();
    timed = {shell.mainWindow, shell.inputControls[0], shell.resultEdit, shell.verdictLabel};
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1) presses = _wtoi(argv[1]);
    bool minimal = argc > 2 && wcscmp(argv[2], L"minimal") == 0;
    repaintTiming.painted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD thread = GetCurrentThreadId();
    SetWindowsHookExW(WH_GETMESSAGE, StampKey, nullptr, thread);
    SetWindowsHookExW(WH_CALLWNDPROCRET, StampTexts, nullptr, thread);
    if (!minimal) CreateThread(nullptr, 0, WatchToolWindow, nullptr, 0, nullptr);
    HANDLE presser = CreateThread(nullptr, 0, PressF5, nullptr, 0, nullptr);
    int exitCode = minimal ? RunMinimalTextWindow(GetModuleHandleW(nullptr))
                           : RunMainWindow(GetModuleHandleW(nullptr), ConfiguredTool());
    WaitForSingleObject(presser, 5000);
    const char* who = minimal ? "minimal text window" : "tool window";
    printf("%s:\n", who);
    Report("  F5 to result text set", toResult);
    Report("  F5 to verdict text set", toText);
    Report("  F5 to verdict label repainted", repaintTiming.samples);
    printf("MEDIAN %.3f\n", Median(repaintTiming.samples));
    return exitCode;
}
