// Where everything sits in the main window's client area, in pixels and
// never scaled: the window builds its controls here and the painting draws
// around them, so both read the one layout.
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

// ---- The window ----

constexpr int kClientWidth = 1020;
constexpr int kClientHeight = 720;
// The outer size the window is pinned to: it cannot be sized.
constexpr int kTrackWidth = 1036;
constexpr int kTrackHeight = 780;

// ---- Header band: title, category and subtitle, the maker's web address ----

// Every window of the suite has this band; only its two text boxes differ.
struct HeaderBandLayout {
    Box title;
    Box subtitle;
};

constexpr int kHeaderBottom = 88;
constexpr int kAccentStripWidth = 8;
constexpr Box kTitleBox = BoxFromEdges(26, 12, 726, 50);
constexpr Box kSubtitleBox = BoxFromEdges(28, 48, 748, 76);
constexpr HeaderBandLayout kHeaderBand = {kTitleBox, kSubtitleBox};
// The web address keeps to the right edge, whatever the client width.
constexpr int kWebAddressTop = 8;
constexpr int kWebAddressBottom = 34;
constexpr int kWebAddressLeftFromRight = 240;
constexpr int kWebAddressRightFromRight = 26;

// ---- The two white panels, each with a caption and a line under it ----

struct PanelLayout {
    Box panel;
    Box caption;
    Box separator;
};

constexpr PanelLayout kInputPanel = {BoxFromEdges(20, 96, 460, 648), BoxFromEdges(36, 104, 336, 134),
                                     BoxFromEdges(36, 133, 444, 134)};
constexpr PanelLayout kResultPanel = {BoxFromEdges(476, 96, 1000, 648), BoxFromEdges(492, 104, 792, 134),
                                      BoxFromEdges(492, 133, 984, 134)};

// ---- Input rows in the input panel: label, edit box, unit ----

// Row i hangs off its base line y = kFirstRowY + kRowPitch * i.
constexpr int kFirstRowY = 150;
constexpr int kRowPitch = 34;

constexpr Box InputLabelBox(int rowY) { return Box{24, rowY + 1, 184, 22}; }
constexpr Box InputEditBox(int rowY) { return Box{216, rowY - 4, 152, 27}; }
constexpr Box InputUnitBox(int rowY) { return Box{374, rowY, 78, 22}; }

// ---- The result panel's column ----

constexpr Box kVerdictBox = {492, 142, 492, 46};
constexpr Box kResultBox = {492, 196, 492, 232};
constexpr Box kNoteBox = {492, 444, 492, 120};
constexpr Box kBasisBox = {492, 576, 492, 56};

// ---- Footer band: the buttons and the status line ----

constexpr int kFooterTop = 660;
constexpr int kFooterBottom = 720;
constexpr Box kStatusBox = BoxFromEdges(740, 704, 1004, 720);

constexpr int kButtonTop = 668;
constexpr int kButtonHeight = 40;
constexpr Box kCalculateButtonBox = {20, kButtonTop, 152, kButtonHeight};
constexpr Box kSaveButtonBox = {184, kButtonTop, 132, kButtonHeight};
constexpr Box kCopyButtonBox = {328, kButtonTop, 132, kButtonHeight};
constexpr Box kResetButtonBox = {472, kButtonTop, 132, kButtonHeight};
constexpr Box kAboutButtonBox = {616, kButtonTop, 110, kButtonHeight};
