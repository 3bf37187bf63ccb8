// Putting text on the clipboard as Unicode text.
#pragma once

#include <windows.h>

// Puts text on the clipboard. Returns false when it could not: the clipboard
// would not open, the memory could not be had, or the clipboard refused it.
// What was on the clipboard before then stays there.
bool PutTextOnClipboard(HWND owner, const wchar_t* text);
