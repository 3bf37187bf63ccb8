#include "shell/input_reading.h"

#include <cmath>
#include <cwchar>

#include "engine/text.h"
#include "engine/tool_def.h"

namespace {

const wchar_t* SkipSpaces(const wchar_t* text) {
    while (*text == L' ') ++text;
    return text;
}

}  // namespace

bool ReadInputNumber(const wchar_t* text, double* value) {
    // Reading a part of the box would show another number than was typed.
    if (TextLength(text) > kInputTextLimit) return false;
    const wchar_t* start = SkipSpaces(text);
    if (!*start) {
        *value = 0;
        return true;
    }
    wchar_t* end = nullptr;
    double number = wcstod(start, &end);
    // Nothing read, or anything but spaces left over, is not a number.
    if (end == start || *SkipSpaces(end)) return false;
    if (!std::isfinite(number)) return false;
    *value = number;
    return true;
}

int ReadInputNumbers(const wchar_t* const* texts, int count, double* values) {
    double read[kMaxInputs];
    if (count > kMaxInputs) count = kMaxInputs;
    for (int i = 0; i < count; ++i)
        if (!ReadInputNumber(texts[i], &read[i])) return i;
    for (int i = 0; i < count; ++i) values[i] = read[i];
    return -1;
}
