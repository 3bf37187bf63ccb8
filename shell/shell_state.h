// What lives with the main window until the process ends. One instance,
// used on the window's thread only.
#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/tool_def.h"
#include "shell/shell_texts.h"

enum CommandId {
    CMD_CALCULATE = 1001,
    CMD_SAVE_RECORD = 1002,
    CMD_COPY_RESULT = 1003,
    CMD_RESET = 1004,
    CMD_ABOUT = 1005,
};

constexpr int INPUT_EDIT_BASE = 2000;
constexpr int RESULT_EDIT_ID = 3000;

constexpr int kLastResultCapacity = kResultTextCapacity;
constexpr int kStatusTextCapacity = 256;

struct ShellFonts {
    HFONT titleFont;
    HFONT captionFont;
    HFONT labelFont;
    HFONT inputFont;
    HFONT verdictFont;
    HFONT resultFont;
    HFONT buttonFont;
    HFONT smallFont;
};

struct ShellState {
    HINSTANCE instance;
    const ToolDef* tool;
    HWND mainWindow;
    HWND inputEdits[kMaxInputs];
    HWND resultEdit;
    HWND verdictLabel;
    HWND noteLabel;
    double inputValues[kMaxInputs];
    int32_t lastLevel;
    wchar_t lastResultText[kLastResultCapacity];
    wchar_t clipText[kClipTextCapacity];
    wchar_t statusText[kStatusTextCapacity];
    ShellFonts fonts;
    HBRUSH whiteBrush;
    HBRUSH backgroundBrush;
};

// The one shell state of this process.
ShellState& CurrentShell();
