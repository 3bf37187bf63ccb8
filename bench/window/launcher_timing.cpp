// Time inside the launcher from a key typed in the search box to the list
// repainted with the tools that match: the real launcher code, driven by a
// second thread that types one term after another.
//     launcher_timing.exe [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "launcher/launcher_state.h"
#include "launcher/launcher_window.h"

namespace {

LARGE_INTEGER keyTaken;
bool awaitingPaint = false;
std::vector<double> toPainted;
HANDLE painted;
WNDPROC listProc = nullptr;

double MillisecondsSince(const LARGE_INTEGER& from) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - from.QuadPart) * 1000 / frequency.QuadPart;
}

LRESULT CALLBACK TimedListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallWindowProcW(listProc, window, message, wParam, lParam);
    if (message == WM_PAINT && awaitingPaint) {
        awaitingPaint = false;
        toPainted.push_back(MillisecondsSince(keyTaken));
        SetEvent(painted);
    }
    return result;
}

LRESULT CALLBACK StampKey(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_CHAR) {
        if (!listProc)
            listProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(CurrentLauncher().toolList, GWLP_WNDPROC,
                                                                   reinterpret_cast<LONG_PTR>(TimedListProc)));
        QueryPerformanceCounter(&keyTaken);
        awaitingPaint = true;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int rounds = 20;

// Each round types "b", "m", "i" (the list narrows to the BMI tools) and
// clears the search with Esc (every tool again).
DWORD WINAPI TypeTerms(void*) {
    while (!CurrentLauncher().mainWindow || !IsWindowVisible(CurrentLauncher().mainWindow)) Sleep(10);
    Sleep(300);
    HWND search = CurrentLauncher().searchEdit;
    for (int round = 0; round < rounds; ++round) {
        for (wchar_t c : {L'b', L'm', L'i'}) {
            ResetEvent(painted);
            PostMessageW(search, WM_CHAR, c, 1);
            WaitForSingleObject(painted, 2000);
        }
        PostMessageW(search, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        Sleep(50);
    }
    PostMessageW(CurrentLauncher().mainWindow, WM_CLOSE, 0, 0);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1) rounds = _wtoi(argv[1]);
    painted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetWindowsHookExW(WH_GETMESSAGE, StampKey, nullptr, GetCurrentThreadId());
    HANDLE typist = CreateThread(nullptr, 0, TypeTerms, nullptr, 0, nullptr);
    int exitCode = RunLauncherWindow(GetModuleHandleW(nullptr));
    WaitForSingleObject(typist, 5000);
    std::sort(toPainted.begin(), toPainted.end());
    if (toPainted.empty()) return 1;
    printf("launcher, %d tools: key to list repainted: median %.3f ms, 95th percentile %.3f ms, max %.3f ms (%u keys)\n",
           kToolCatalogueCount, toPainted[toPainted.size() / 2], toPainted[toPainted.size() * 95 / 100],
           toPainted.back(), static_cast<unsigned>(toPainted.size()));
    return exitCode;
}
