// Time inside the launcher from a key typed in the search box to the list
// repainted with the tools that match: the real launcher code, driven by a
// second thread that types one term after another.
//     launcher_timing.exe [rounds]
#include <windows.h>

#include "bench/window/repaint_timing.h"
#include "launcher/launcher_state.h"
#include "launcher/launcher_window.h"

namespace {

LRESULT CALLBACK StampKey(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_CHAR) {
        StampKeyFor(CurrentLauncher().toolList);
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
            ResetEvent(repaintTiming.painted);
            PostMessageW(search, WM_CHAR, c, 1);
            WaitForSingleObject(repaintTiming.painted, 2000);
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
    repaintTiming.painted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetWindowsHookExW(WH_GETMESSAGE, StampKey, nullptr, GetCurrentThreadId());
    HANDLE typist = CreateThread(nullptr, 0, TypeTerms, nullptr, 0, nullptr);
    int exitCode = RunLauncherWindow(GetModuleHandleW(nullptr));
    WaitForSingleObject(typist, 5000);
    if (repaintTiming.samples.empty()) return 1;
    printf("launcher, %d tools:\n", kToolCatalogueCount);
    Report("  key to list repainted", repaintTiming.samples);
    return exitCode;
}
