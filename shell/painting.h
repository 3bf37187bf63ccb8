// Everything the main window shows around its controls, the owner-drawn
// buttons and the controls' colours. Reads the shell state, changes nothing.
#pragma once

#include <windows.h>

#include "shell/layout.h"

// Each makes its brush or pen for this one call and deletes it afterwards.
void FillBox(HDC dc, const Box& box, COLORREF colour);
void FrameBox(HDC dc, const Box& box, COLORREF colour);
// Single line, vertically centred, ellipsis at the end, transparent background;
// extraFlags adds DT_RIGHT or DT_CENTER.
void DrawTextBox(HDC dc, const Box& box, const wchar_t* text, COLORREF colour, HFONT font,
                 UINT extraFlags);

// WM_PAINT: the whole picture, whatever the update region.
void PaintMainWindow(HWND window);

// WM_DRAWITEM for the five buttons.
void DrawOwnerButton(const DRAWITEMSTRUCT& item);

// WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC: sets the control's colours and
// returns the brush for its background.
HBRUSH ColorControl(UINT message, HDC dc, HWND control);
