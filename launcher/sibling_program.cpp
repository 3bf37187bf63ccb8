#include "launcher/sibling_program.h"

#include "engine/platform.h"
#include "engine/text.h"

namespace {

const wchar_t kExeSuffix[] = L".exe";
constexpr int kExeSuffixLength = sizeof kExeSuffix / sizeof kExeSuffix[0] - 1;

int FolderLength(const wchar_t* path) {
    int length = 0;
    for (int i = 0; path[i]; ++i)
        if (path[i] == L'\\' || path[i] == L'/') length = i + 1;
    return length;
}

}  // namespace

bool SiblingProgramPath(const wchar_t* ownPath, const char* program, wchar_t* out, int capacity) {
    if (capacity <= 0) return false;
    int folder = FolderLength(ownPath);
    CopyCut(out, capacity, ownPath);
    int widened = folder < capacity ? WidenAscii(program, out + folder, capacity - folder) : 0;
    if (widened > 0) {
        AppendCut(out, capacity, kExeSuffix);
        if (TextLength(out) == folder + widened - 1 + kExeSuffixLength) return true;
    }
    out[0] = L'\0';
    return false;
}
