// Putting text on the clipboard as Unicode text.
#pragma once

#include <windows.h>

#include "engine/tool_def.h"

// Puts the tool's title, a line break and clipText on the clipboard.
// Returns false when it could not: the clipboard would not open, the memory
// could not be had, or the clipboard refused it. What was on the clipboard
// before then stays there.
bool PutResultOnClipboard(HWND owner, const ToolDef& tool, const wchar_t* clipText);
