// Where everything sits in the launcher's client area, in pixels and never
// scaled, as in the tools' window. The window must fit a 1366 x 768 screen
// above a 40-pixel taskbar: its client height leaves its outer height well
// under 700 pixels with any caption and frame.
#pragma once

#include "shell/layout.h"

constexpr int kLauncherClientWidth = 760;
constexpr int kLauncherClientHeight = 640;

// ---- Header band: the title, the number of tools, the web address ----

constexpr HeaderBandLayout kLauncherHeaderBand = {BoxFromEdges(26, 12, 496, 50), BoxFromEdges(28, 48, 734, 76)};

// ---- The search row ----

constexpr Box kSearchCaptionBox = BoxFromEdges(20, 102, 68, 132);
constexpr Box kSearchEditBox = BoxFromEdges(72, 102, 740, 132);

// ---- The list: a white panel with a border, the list box inside it ----

constexpr Box kListPanelBox = BoxFromEdges(20, 146, 740, 568);
constexpr Box kToolListBox = BoxFromEdges(21, 147, 739, 567);
// Where the panel says that nothing matched, with the list box hidden.
constexpr Box kNoMatchBox = BoxFromEdges(21, 147, 739, 267);

// ---- Rows of the list, relative to the row's own rectangle ----

constexpr int kCategoryRowHeight = 30;
constexpr int kToolRowHeight = 48;
constexpr int kRowTextInset = 16;
constexpr int kToolTextIndent = 28;
constexpr int kProgramNameWidth = 190;

struct RowLayout {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr Box CategoryTextBox(const RowLayout& row) {
    return BoxFromEdges(row.left + kRowTextInset, row.top, row.right - kRowTextInset, row.bottom);
}
constexpr Box ToolTitleBox(const RowLayout& row) {
    return BoxFromEdges(row.left + kToolTextIndent, row.top + 5, row.right - kRowTextInset - kProgramNameWidth,
                        row.top + 27);
}
constexpr Box ToolSubtitleBox(const RowLayout& row) {
    return BoxFromEdges(row.left + kToolTextIndent, row.top + 27, row.right - kRowTextInset, row.top + 44);
}
constexpr Box ProgramNameBox(const RowLayout& row) {
    return BoxFromEdges(row.right - kRowTextInset - kProgramNameWidth, row.top + 5, row.right - kRowTextInset,
                        row.top + 27);
}
// The line under a row, within its text insets.
constexpr Box RowRuleBox(const RowLayout& row) {
    return BoxFromEdges(row.left + kRowTextInset, row.bottom - 1, row.right - kRowTextInset, row.bottom);
}

// ---- Footer band: the buttons and the status line ----

constexpr int kLauncherFooterTop = 580;
constexpr int kLauncherButtonTop = 590;
constexpr Box kOpenButtonBox = {20, kLauncherButtonTop, 152, kButtonHeight};
constexpr Box kLauncherAboutButtonBox = {184, kLauncherButtonTop, 110, kButtonHeight};
constexpr Box kLauncherStatusBox = BoxFromEdges(310, kLauncherButtonTop, 740, kLauncherButtonTop + kButtonHeight);
