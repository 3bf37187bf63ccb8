// Where everything sits in a tool's window: one pure function of the screen
// (its DPI and work area) and the tool's rows gives every box, font height
// and line width. The window builds its controls there, the painting draws
// around them and the tests check the same numbers.
//
// At 96 DPI on a work area tall enough the window is 1020 x 720 pixels as it
// has always been. At more DPI everything grows with it; where that would
// not fit the work area the window becomes compact (the result box, then the
// note and the basis give up height, rows tighten) and, only when even that
// is too tall or wide, smaller as a whole, so that every control and the
// status line stay on screen.
#pragma once

#include "engine/tool_def.h"
#include "shell/layout.h"
#include "shell/layout_scale.h"

struct InputRowLayout {
    Box label;
    Box control;  // the box, list or check box of the input
    Box unit;
};

// Character heights in pixels (a font is created with the negative value).
struct ToolFonts {
    int title, caption, label, input, verdict, result, button, small;
};

enum ToolButton {
    ButtonCalculate,
    ButtonSave,
    ButtonCopy,
    ButtonReset,
    ButtonAbout,
    kToolButtonCount,
};

struct ToolLayout {
    int clientWidth;
    int clientHeight;
    bool compact;       // the window gave up height to fit the work area
    int scaleNumerator;  // pixels per 96-DPI pixel, as a fraction
    int scaleDenominator;
    ToolFonts fonts;
    int lineWidth;      // the width of a 1-pixel line at this scale
    HeaderBandLayout header;
    PanelLayout inputPanel;
    PanelLayout resultPanel;
    InputRowLayout rows[kMaxInputs];
    int checklistItemHeight;
    Box verdict;
    Box result;
    Box note;
    Box basis;
    Box footer;
    Box status;
    Box buttons[kToolButtonCount];
};

ToolLayout ComputeToolLayout(const ToolDef& tool, const ScreenMetrics& screen);

// A length of 96-DPI pixels at the layout's scale.
int ScaledLength(const ToolLayout& layout, int pixels);

// The height of a line of text in a font of that character height.
int LineHeight(int fontPixels);
