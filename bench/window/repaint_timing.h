// What the window benchmarks share: the time from a key the loop takes to
// the end of one control's next WM_PAINT, and how samples are reported.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

inline double MillisecondsSince(const LARGE_INTEGER& from) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - from.QuadPart) * 1000 / frequency.QuadPart;
}

// One key at a time: taken at keyTaken, done when the watched control has
// painted (the event painted is set).
struct RepaintTiming {
    LARGE_INTEGER keyTaken;
    bool awaiting;
    std::vector<double> samples;
    HANDLE painted;
    HWND control;
    WNDPROC controlProc;
};

inline RepaintTiming repaintTiming = {};

inline LRESULT CALLBACK TimedPaintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    RepaintTiming& timing = repaintTiming;
    LRESULT result = CallWindowProcW(timing.controlProc, window, message, wParam, lParam);
    if (message == WM_PAINT && timing.awaiting) {
        timing.awaiting = false;
        timing.samples.push_back(MillisecondsSince(timing.keyTaken));
        SetEvent(timing.painted);
    }
    return result;
}

// The key is taken now; the control's next paint ends its sample. The
// control is watched from its first key on.
inline void StampKeyFor(HWND control) {
    RepaintTiming& timing = repaintTiming;
    if (!timing.controlProc) {
        timing.control = control;
        timing.controlProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TimedPaintProc)));
    }
    QueryPerformanceCounter(&timing.keyTaken);
    timing.awaiting = true;
}

inline double Median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline void Report(const char* what, std::vector<double> values) {
    if (values.empty()) {
        std::printf("%s: no samples\n", what);
        return;
    }
    std::sort(values.begin(), values.end());
    std::printf("%s: median %.3f ms, 95th percentile %.3f ms, max %.3f ms (%u keys)\n", what,
                values[values.size() / 2], values[values.size() * 95 / 100], values.back(),
                static_cast<unsigned>(values.size()));
}
