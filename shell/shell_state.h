// What lives with the main window until the process ends. One instance,
// used on the window's thread only.
#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/calculation.h"
#include "engine/platform.h"
#include "engine/tool_def.h"
#include "shell/shell_texts.h"
#include "shell/tool_layout.h"

enum CommandId {
    CMD_CALCULATE = 1001,
    CMD_SAVE_RECORD = 1002,
    CMD_COPY_RESULT = 1003,
    CMD_RESET = 1004,
    CMD_ABOUT = 1005,
};

// Input i's control (box, list, check box or checklist) has this id + i.
constexpr int INPUT_CONTROL_BASE = 2000;
constexpr int RESULT_EDIT_ID = 3000;

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
    ToolLayout layout;
    SIZE outerSize;
    HWND mainWindow;
    HWND inputControls[kMaxInputs];
    HWND resultEdit;
    HWND verdictLabel;
    HWND noteLabel;
    HACCEL commandKeys;
    // Where the keyboard was when the window was last deactivated (a
    // message box, another program): it comes back there.
    HWND focusBeforeDeactivation;
    // The last calculation: the values it read (and the checklist's checked
    // items), what it gave and when. No result: resultText empty.
    double inputValues[kMaxInputs];
    bool checkedItems[kMaxInputChoices];
    CalculationResult last;
    LocalTime calculatedAt;
    // An input changed after the last calculation: what is shown belongs to
    // the earlier inputs.
    bool stale;
    // The window is filling its controls itself: no change of the user's.
    bool filling;
    wchar_t statusText[kStatusTextCapacity];
    ShellFonts fonts;
    HBRUSH whiteBrush;
    HBRUSH backgroundBrush;
};

// The one shell state of this process.
ShellState& CurrentShell();

// True once a calculation gave a result that copy and save can take.
inline bool HasResult(const ShellState& shell) { return shell.last.resultText[0] != L'\0'; }
