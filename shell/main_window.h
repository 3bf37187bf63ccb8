// The main window: fonts, class, controls, message loop and router.
#pragma once

#include <windows.h>

#include "engine/tool_def.h"

// The class of every tool's main window; its caption is the tool's title.
extern const wchar_t kToolWindowClass[];

// Runs the window until it is closed: 0, or 1 when it cannot be created.
int RunMainWindow(HINSTANCE instance, const ToolDef& tool);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
