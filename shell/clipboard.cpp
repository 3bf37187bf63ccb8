#include "shell/clipboard.h"

#include "engine/text.h"
#include "shell/shell_texts.h"

namespace {

// A movable block holding the text. Null when the memory cannot be had.
// Zero-filled: Wine hands the whole block to X, so the spare bytes after the
// text must hold nothing.
HGLOBAL MakeClipboardBlock(const wchar_t* text) {
    int capacity = ClipboardTextCapacity(text);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(capacity) * sizeof(wchar_t));
    if (!block) return nullptr;
    wchar_t* held = static_cast<wchar_t*>(GlobalLock(block));
    if (!held) {
        GlobalFree(block);
        return nullptr;
    }
    CopyCut(held, capacity, text);
    GlobalUnlock(block);
    return block;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, const wchar_t* text) {
    if (!OpenClipboard(owner)) return false;
    // The block is made before emptying, so a failure keeps the old contents.
    HGLOBAL block = MakeClipboardBlock(text);
    bool placed = false;
    if (block && EmptyClipboard()) placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    // Once placed the clipboard owns the block; otherwise it is still ours.
    if (block && !placed) GlobalFree(block);
    CloseClipboard();
    return placed;
}
