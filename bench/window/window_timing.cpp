// Time inside the process from an F5 key-down to the verdict: the real
// window code, driven by a second thread that posts F5 to the first input
// box. Hooks on the window's thread stamp the moment the loop takes the key,
// the moments the result box and the verdict label hold their new texts,
// and the end of the label's next repaint.
//     window_timing.exe [presses]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/tool_def.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"

namespace {

LARGE_INTEGER keyTaken;
bool awaitingText = false;
bool awaitingPaint = false;
std::vector<double> toResult;
std::vector<double> toText;
std::vector<double> toPainted;
HANDLE painted;
WNDPROC verdictProc = nullptr;

double MillisecondsSince(const LARGE_INTEGER& from) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - from.QuadPart) * 1000 / frequency.QuadPart;
}

LRESULT CALLBACK TimedVerdictProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallWindowProcW(verdictProc, window, message, wParam, lParam);
    if (message == WM_PAINT && awaitingPaint) {
        awaitingPaint = false;
        toPainted.push_back(MillisecondsSince(keyTaken));
        SetEvent(painted);
    }
    return result;
}

LRESULT CALLBACK StampKey(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_KEYDOWN && message->wParam == VK_F5) {
        if (!verdictProc)
            verdictProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                CurrentShell().verdictLabel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TimedVerdictProc)));
        QueryPerformanceCounter(&keyTaken);
        awaitingText = awaitingPaint = true;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK StampVerdict(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && awaitingText && call->message == WM_SETTEXT && call->hwnd == CurrentShell().resultEdit)
        toResult.push_back(MillisecondsSince(keyTaken));
    if (code == HC_ACTION && awaitingText && call->message == WM_SETTEXT && call->hwnd == CurrentShell().verdictLabel) {
        awaitingText = false;
        toText.push_back(MillisecondsSince(keyTaken));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int presses = 200;

DWORD WINAPI PressF5(void*) {
    while (!CurrentShell().mainWindow || !IsWindowVisible(CurrentShell().mainWindow)) Sleep(10);
    Sleep(300);
    for (int i = 0; i < presses; ++i) {
        ResetEvent(painted);
        PostMessageW(CurrentShell().inputControls[0], WM_KEYDOWN, VK_F5, 0x003F0001);
        WaitForSingleObject(painted, 2000);
    }
    PostMessageW(CurrentShell().mainWindow, WM_CLOSE, 0, 0);
    return 0;
}

void Report(const char* what, std::vector<double> values) {
    if (values.empty()) {
        printf("%s: no samples\n", what);
        return;
    }
    std::sort(values.begin(), values.end());
    printf("%s: median %.3f ms, 95th percentile %.3f ms, max %.3f ms (%u presses)\n", what, values[values.size() / 2],
           values[values.size() * 95 / 100], values.back(), static_cast<unsigned>(values.size()));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1) presses = _wtoi(argv[1]);
    painted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD thread = GetCurrentThreadId();
    SetWindowsHookExW(WH_GETMESSAGE, StampKey, nullptr, thread);
    SetWindowsHookExW(WH_CALLWNDPROCRET, StampVerdict, nullptr, thread);
    HANDLE presser = CreateThread(nullptr, 0, PressF5, nullptr, 0, nullptr);
    int exitCode = RunMainWindow(GetModuleHandleW(nullptr), ConfiguredTool());
    WaitForSingleObject(presser, 5000);
    Report("F5 to result text set", toResult);
    Report("F5 to verdict text set (target under 16 ms)", toText);
    Report("F5 to verdict label repainted", toPainted);
    return exitCode;
}
