// How both windows' layouts scale: lengths of the 96-DPI window times a
// fraction, chosen from the screen's DPI and cut down where the work area is
// too narrow or too short for even the smallest window.
#pragma once

#include "shell/layout.h"

// What a layout is computed for.
struct ScreenMetrics {
    int dpi;         // logical pixels per inch (96, 120, 144, 192, ...)
    Box workArea;    // the screen above the taskbar, in pixels
    int frameWidth;  // what the caption and borders add to the client area
    int frameHeight;
};

// Pixels per 96-DPI pixel, as a fraction.
struct Scale {
    int num;
    int den;
};

// A length, rounded to the nearest pixel.
int Scaled(const Scale& scale, int units);
// A font's height, rounded down, so that a text that fits its box at 96 DPI
// fits it at every scale.
int ScaledFont(const Scale& scale, int units);
Box ScaledEdges(const Scale& scale, int left, int top, int right, int bottom);
// A line keeps at least one pixel.
int ScaledLine(const Scale& scale);
// a < b, as fractions.
bool Smaller(const Scale& a, const Scale& b);

// The DPI's scale (96 when the screen does not say), unless a window of
// width x smallestHeight 96-DPI pixels would then not fit the work area.
Scale ScaleForScreen(const ScreenMetrics& screen, int width, int smallestHeight);

// How many 96-DPI pixels of height the work area leaves for the client area
// at that scale; 0 when the screen does not say.
int RoomHeightInUnits(const ScreenMetrics& screen, const Scale& scale);
