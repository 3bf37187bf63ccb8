#include "shell/clipboard.h"

#include "shell/shell_texts.h"

namespace {

// A movable block holding the clipboard text. Null when the memory cannot
// be had. Zero-filled: Wine hands the whole block to X, so the spare bytes
// after the text must hold nothing.
HGLOBAL MakeClipboardBlock(const ToolDef& tool, const wchar_t* clipText) {
    int capacity = ClipboardTextCapacity(tool, clipText);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(capacity) * sizeof(wchar_t));
    if (!block) return nullptr;
    wchar_t* text = static_cast<wchar_t*>(GlobalLock(block));
    if (!text) {
        GlobalFree(block);
        return nullptr;
    }
    BuildClipboardText(tool, clipText, text, capacity);
    GlobalUnlock(block);
    return block;
}

}  // namespace

bool PutResultOnClipboard(HWND owner, const ToolDef& tool, const wchar_t* clipText) {
    if (!OpenClipboard(owner)) return false;
    // The block is made before emptying, so a failure keeps the old contents.
    HGLOBAL block = MakeClipboardBlock(tool, clipText);
    bool placed = false;
    if (block && EmptyClipboard()) placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    // Once placed the clipboard owns the block; otherwise it is still ours.
    if (block && !placed) GlobalFree(block);
    CloseClipboard();
    return placed;
}
