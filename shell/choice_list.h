// A drop-down list of an input's choices that costs what a button costs:
// an owner-drawn button showing the chosen entry, whose list is a popup menu
// made only while it is open. A combobox costs Wine some ten milliseconds
// to create, and a scale's form has up to sixteen of them.
//
// It answers the combobox's messages that its users need (CB_GETCURSEL,
// CB_SETCURSEL, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT,
// CB_FINDSTRINGEXACT, CB_GETDROPPEDSTATE) and tells its parent of a choice
// the user made with CBN_SELCHANGE. The keys: Up and Down (Left and Right)
// change the choice without opening the list, Home and End go to the ends,
// F4, Alt+Down and Space open it; a press of the mouse opens it, a click on
// an entry takes it.
#pragma once

#include <windows.h>

#include "engine/tool_def.h"
#include "shell/layout.h"

// The control for input (whose choices it lists), id and font, at box.
HWND CreateChoiceList(HWND parent, HINSTANCE instance, const InputField& input, const Box& box, int id, HFONT font);

// WM_DRAWITEM of the control: a box like a number box with the chosen
// entry and the drop arrow, the focus rectangle when it has the keyboard.
void DrawChoiceList(const DRAWITEMSTRUCT& item, HFONT font);

// True when the window is such a control.
bool IsChoiceList(HWND control);
