// The launcher's window: fonts, class, controls, message loop and router.
#pragma once

#include <windows.h>

// Runs the window until it is closed: 0, or 1 when it cannot be created.
int RunLauncherWindow(HINSTANCE instance);

LRESULT CALLBACK LauncherWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
