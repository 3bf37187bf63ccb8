// Whole-process start-up under Wine: from CreateProcess to the end of the
// first WM_PAINT of the main window, seen as its painted colour reaching the
// screen. Measures two programs in turn and prints medians and their ratio:
//     startup_timing.exe FIRST.exe SECOND.exe [runs [client row of the probe]]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/driver/driver.h"

namespace {

struct Subject {
    const wchar_t* path;
    COLORREF colour;    // of the client area's bottom-left corner after the first WM_PAINT
    std::vector<double> milliseconds;
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

struct WindowSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || GetWindow(window, GW_OWNER)) return TRUE;
    search->found = window;
    return FALSE;
}

// Where the footer is probed: this client row when given, else the
// client area's last but one.
int probeY = -1;

// One start: milliseconds until the colour shows, or a negative number.
double TimeOneStart(const Subject& subject) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<wchar_t> commandLine(subject.path, subject.path + wcslen(subject.path) + 1);
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(subject.path, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    App app = {process, nullptr};
    double result = -1;
    for (;;) {
        QueryPerformanceCounter(&now);
        if (Seconds(start, now) > 20) break;
        if (!app.window) {
            WindowSearch search = {process.dwProcessId, nullptr};
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            app.window = search.found;
        }
        RECT client = {};
        if (app.window) GetClientRect(app.window, &client);
        int y = probeY >= 0 ? probeY : client.bottom - 2;
        if (app.window && client.bottom > 4 && ReadPixel(app, 2, y) == subject.colour) {
            QueryPerformanceCounter(&now);
            result = Seconds(start, now) * 1000;
            break;
        }
        Sleep(1);
    }
    if (app.window) PostMessageW(app.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return result;
}

double Median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        printf("usage: startup_timing Peravin.exe minimal_window.exe [runs]\n");
        return 2;
    }
    int runs = argc > 3 ? _wtoi(argv[3]) : 15;
    if (argc > 4) probeY = _wtoi(argv[4]);
    // A tool's footer band is painted late in its first WM_PAINT; the
    // minimal window is blue all over.
    auto colourOf = [](const wchar_t* path) {
        return wcsstr(path, L"minimal_window") ? RGB(0x00, 0x6C, 0x96) : RGB(0xEC, 0xF1, 0xF4);
    };
    Subject subjects[] = {
        {argv[1], colourOf(argv[1]), {}},
        {argv[2], colourOf(argv[2]), {}},
    };
    // One start each first, so both find the prefix equally warm.
    for (Subject& subject : subjects) TimeOneStart(subject);
    for (int i = 0; i < runs; ++i)
        for (Subject& subject : subjects) {
            double milliseconds = TimeOneStart(subject);
            if (milliseconds >= 0) subject.milliseconds.push_back(milliseconds);
        }
    double peravin = Median(subjects[0].milliseconds), minimal = Median(subjects[1].milliseconds);
    printf("start to first paint, median of %d: first %.1f ms (%u good), second %.1f ms (%u good)\n", runs, peravin,
           static_cast<unsigned>(subjects[0].milliseconds.size()), minimal,
           static_cast<unsigned>(subjects[1].milliseconds.size()));
    if (peravin > 0 && minimal > 0) printf("ratio first / second: %.2f\n", peravin / minimal);
    return peravin > 0 && minimal > 0 ? 0 : 1;
}
