// What lives with the launcher's window until the process ends. One
// instance, used on the window's thread only.
#pragma once

#include <windows.h>

#include "launcher/launcher_layout.h"
#include "launcher/launcher_texts.h"
#include "launcher/recent_tools.h"
#include "launcher/tool_search.h"

enum LauncherControlId {
    LAUNCHER_SEARCH_ID = 100,
    LAUNCHER_LIST_ID = 101,
    CMD_OPEN_TOOL = 1101,
    CMD_LAUNCHER_ABOUT = 1102,
};

struct LauncherFonts {
    HFONT titleFont;
    HFONT captionFont;
    HFONT searchFont;
    HFONT categoryFont;
    HFONT rowTitleFont;
    HFONT buttonFont;
    HFONT smallFont;
};

struct LauncherState {
    HINSTANCE instance;
    LauncherLayout layout;
    HWND mainWindow;
    HWND searchEdit;
    HWND toolList;
    // Where the keyboard focus was when the window was last deactivated.
    HWND focusBeforeDeactivation;
    SIZE outerSize;
    // The list box's items, one per row, in the same order.
    ToolRow rows[kMaxToolRows];
    int rowCount;
    // The tools this user opened last, and the file that keeps them.
    RecentTools recent;
    wchar_t recentFile[kRecentFileCapacity];
    wchar_t subtitle[kLauncherSubtitleCapacity];
    wchar_t statusText[kLauncherStatusCapacity];
    LauncherFonts fonts;
    HBRUSH whiteBrush;
    HBRUSH backgroundBrush;
};

// A heading row's text: a category, or the tools opened last.
inline const wchar_t* HeadingText(const ToolRow& row) {
    return row.category == kRecentRows ? kRecentHeading : kToolCategories[row.category];
}

// The one launcher state of this process.
LauncherState& CurrentLauncher();
