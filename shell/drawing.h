// The drawing steps every window of the suite shares: boxes, one-line texts,
// the header band and the owner-drawn buttons, so the tools and the launcher
// look alike. Each makes its brush or pen for the one call and deletes it
// afterwards.
#pragma once

#include <windows.h>

#include "shell/layout.h"

// The suite's two font faces; Wine maps them to its CJK fonts.
extern const wchar_t kInterfaceFace[];
extern const wchar_t kFixedWidthFace[];

// A font of the face with this pixel height (negative: character height).
HFONT CreateWindowFont(const wchar_t* face, int height, int weight);

void FillBox(HDC dc, const Box& box, COLORREF colour);
// A border of that width, inside the box.
void FrameBox(HDC dc, const Box& box, COLORREF colour, int width);
// Single line, vertically centred, ellipsis at the end, transparent background;
// extraFlags adds DT_RIGHT or DT_CENTER.
void DrawTextBox(HDC dc, const Box& box, const wchar_t* text, COLORREF colour, HFONT font,
                 UINT extraFlags);

struct HeaderBandFonts {
    HFONT title;
    HFONT subtitle;
    HFONT webAddress;
};

// The band across the top of a client area width pixels wide: the accent
// strip, the title, the subtitle line and the maker's web address at the
// right edge.
void DrawHeaderBand(HDC dc, int width, const HeaderBandLayout& layout, const wchar_t* title,
                    const wchar_t* subtitle, const HeaderBandFonts& fonts);

// An owner-drawn button's whole face: the primary one of a window (calculate,
// open) in the header's blue, the others white, each darker while held down;
// its caption centred; the focus rectangle when it has the keyboard.
void DrawButtonFace(const DRAWITEMSTRUCT& item, bool primary, HFONT font);
