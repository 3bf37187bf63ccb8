// The frame both windows of the suite share: the class, the window sized
// from its client area and centred in the work area, its size pinned.
#pragma once

#include <windows.h>

#include "shell/tool_layout.h"

// Caption, system menu, minimize box: no maximize box, no sizing border.
// The window paints around its controls, never under them.
constexpr DWORD kSuiteWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The screen a window of the suite opens on: the system DPI, the work area
// of the primary screen and what the frame adds at that DPI.
ScreenMetrics ReadScreenMetrics();

// Registers a class with the program's icon, the arrow cursor and the
// background brush. A class that cannot be registered shows up as a window
// that cannot be created.
void RegisterSuiteWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure, HBRUSH background);

// Creates the window for a client area of this size, centred in the work
// area (never past its top-left corner); *outerSize gets the size to pin.
HWND CreateSuiteWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title, int clientWidth,
                       int clientHeight, SIZE* outerSize);

// The window cannot be sized: both tracking sizes are its outer size.
void PinTrackingSize(MINMAXINFO* info, SIZE outerSize);

// WM_ACTIVATE: remembers in *remembered the control that has the focus as
// the window loses it, and gives it back (or fallback, when there is none)
// as the window comes back.
void KeepFocusAcrossActivation(HWND window, WPARAM wParam, HWND* remembered, HWND fallback);
