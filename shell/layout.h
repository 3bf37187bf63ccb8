// The geometry types every window of the suite is laid out in. Each window
// computes its own layout (tool_layout, the launcher's) as a pure function of
// the screen, so the controls, the painting and the tests read one place.
#pragma once

// A box as x, y, width and height; the rectangle (x, y, x + width, y + height).
struct Box {
    int x;
    int y;
    int width;
    int height;
};

// The box with these edges, right and bottom exclusive.
constexpr Box BoxFromEdges(int left, int top, int right, int bottom) {
    return Box{left, top, right - left, bottom - top};
}

constexpr int RightOf(const Box& box) { return box.x + box.width; }
constexpr int BottomOf(const Box& box) { return box.y + box.height; }

// The band across the top of every window: the accent strip, the title, the
// subtitle line and the maker's web address at the right edge.
struct HeaderBandLayout {
    int bottom;
    int accentWidth;
    Box title;
    Box subtitle;
    Box webAddress;
};

// A white panel with a caption and a line under it.
struct PanelLayout {
    Box panel;
    Box caption;
    Box separator;
};
