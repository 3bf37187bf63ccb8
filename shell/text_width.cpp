#include "shell/text_width.h"

namespace {

// CJK radicals and ideographs, their punctuation and the full-width forms.
bool IsWide(wchar_t c) { return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF); }

}  // namespace

int EstimatedTextWidth(const wchar_t* text, int fontPixels) {
    int tenths = 0;
    for (const wchar_t* c = text; c && *c; ++c) tenths += IsWide(*c) ? 10 * fontPixels : 6 * fontPixels;
    return (tenths + 9) / 10;
}
