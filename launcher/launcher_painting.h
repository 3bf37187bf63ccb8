// Everything the launcher shows around its controls, the rows of its list
// and its buttons. Reads the launcher state, changes nothing.
#pragma once

#include <windows.h>

// WM_PAINT: the whole picture, whatever the update region.
void PaintLauncherWindow(HWND window);

// WM_MEASUREITEM for the list: a heading row or a tool row.
void MeasureLauncherRow(MEASUREITEMSTRUCT* item);

// WM_DRAWITEM: a row of the list, or one of the two buttons.
void DrawLauncherItem(const DRAWITEMSTRUCT& item);

// WM_CTLCOLOREDIT and WM_CTLCOLORLISTBOX: sets the control's colours and
// returns the brush for its background.
HBRUSH ColorLauncherControl(HDC dc);
