// Everything the main window shows around its controls, the owner-drawn
// buttons and the controls' colours. Reads the shell state, changes nothing.
#pragma once

#include <windows.h>

#include "shell/drawing.h"

// WM_PAINT: the whole picture, whatever the update region.
void PaintMainWindow(HWND window);

// WM_DRAWITEM for the five buttons and a checklist's items.
void DrawOwnerItem(const DRAWITEMSTRUCT& item);

// WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX and WM_CTLCOLORSTATIC: sets the
// control's colours and returns the brush for its background.
HBRUSH ColorControl(UINT message, HDC dc, HWND control);
