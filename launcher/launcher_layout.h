// Where everything sits in the launcher's client area: one pure function of
// the screen, as for the tools' window. At 96 DPI on a work area tall enough
// the window is 760 x 640 pixels; at more DPI it grows with it; on a short or
// narrow work area the list gives up height first, then the whole window is
// made smaller, so that it always fits.
#pragma once

#include "shell/tool_layout.h"

struct LauncherFontHeights {
    int title, caption, search, category, rowTitle, button, small;
};

struct LauncherLayout {
    int clientWidth;
    int clientHeight;
    int scaleNumerator;
    int scaleDenominator;
    LauncherFontHeights fonts;
    int lineWidth;
    HeaderBandLayout header;
    Box searchCaption;
    Box searchEdit;
    Box listPanel;
    Box list;
    Box noMatch;  // where the panel says that nothing matched, the list hidden
    int categoryRowHeight;
    int toolRowHeight;
    Box footer;
    Box openButton;
    Box aboutButton;
    Box status;
};

LauncherLayout ComputeLauncherLayout(const ScreenMetrics& screen);

// ---- A row of the list, within its own rectangle ----

struct RowLayout {
    int left;
    int top;
    int right;
    int bottom;
};

Box CategoryTextBox(const LauncherLayout& layout, const RowLayout& row);
Box ToolTitleBox(const LauncherLayout& layout, const RowLayout& row);
Box ToolSubtitleBox(const LauncherLayout& layout, const RowLayout& row);
Box ProgramNameBox(const LauncherLayout& layout, const RowLayout& row);
// The line under a row, within its text insets.
Box RowRuleBox(const LauncherLayout& layout, const RowLayout& row);
