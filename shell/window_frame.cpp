#include "shell/window_frame.h"

#include "shell/resources/resource_ids.h"

namespace {

RECT WorkArea() {
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

int CentredIn(LONG low, LONG high, int size) {
    int origin = static_cast<int>(low) + (static_cast<int>(high - low) - size) / 2;
    return origin < low ? static_cast<int>(low) : origin;
}

SIZE OuterSize(int clientWidth, int clientHeight) {
    RECT outer = {0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&outer, kSuiteWindowStyle, FALSE);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace

ScreenMetrics ReadScreenMetrics() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    RECT work = WorkArea();
    SIZE frame = OuterSize(0, 0);
    return ScreenMetrics{dpi, BoxFromEdges(work.left, work.top, work.right, work.bottom), frame.cx, frame.cy};
}

void RegisterSuiteWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TOOL_ICON));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
}

HWND CreateSuiteWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title, int clientWidth,
                       int clientHeight, SIZE* outerSize) {
    *outerSize = OuterSize(clientWidth, clientHeight);
    RECT work = WorkArea();
    int x = CentredIn(work.left, work.right, outerSize->cx);
    int y = CentredIn(work.top, work.bottom, outerSize->cy);
    return CreateWindowExW(0, className, title, kSuiteWindowStyle, x, y, outerSize->cx, outerSize->cy, nullptr,
                           nullptr, instance, nullptr);
}

void PinTrackingSize(MINMAXINFO* info, SIZE outerSize) {
    info->ptMinTrackSize = POINT{outerSize.cx, outerSize.cy};
    info->ptMaxTrackSize = POINT{outerSize.cx, outerSize.cy};
}

void KeepFocusAcrossActivation(HWND window, WPARAM wParam, HWND* remembered, HWND fallback) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        *remembered = IsChild(window, focus) ? focus : nullptr;
        return;
    }
    HWND focus = *remembered && IsWindow(*remembered) ? *remembered : fallback;
    if (focus) SetFocus(focus);
}
