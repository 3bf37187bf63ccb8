#include "engine/text.h"

#include <cstdio>
#include <cwchar>

int TextLength(const wchar_t* text) {
    if (!text) return 0;
    int n = 0;
    while (text[n]) ++n;
    return n;
}

void CopyCut(wchar_t* dest, int capacity, const wchar_t* source) {
    if (capacity <= 0) return;
    dest[0] = L'\0';
    AppendCut(dest, capacity, source);
    dest[capacity - 1] = L'\0';
}

void AppendCut(wchar_t* dest, int capacity, const wchar_t* source) {
    if (capacity <= 0 || !source) return;
    int n = TextLength(dest);
    while (n < capacity - 1 && *source) dest[n++] = *source++;
    if (n < capacity) dest[n] = L'\0';
}

void FormatCutV(wchar_t* dest, int capacity, const wchar_t* format, va_list args) {
    if (capacity <= 0) return;
    dest[0] = L'\0';
    // On overflow glibc returns -1 without terminating, MinGW returns the full
    // length; both have written the first capacity - 1 characters.
    int written = vswprintf(dest, static_cast<size_t>(capacity), format, args);
    if (written < 0 || written >= capacity) dest[capacity - 1] = L'\0';
}

void FormatCut(wchar_t* dest, int capacity, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    FormatCutV(dest, capacity, format, args);
    va_end(args);
}

void AppendFormatCut(wchar_t* dest, int capacity, const wchar_t* format, ...) {
    int n = TextLength(dest);
    if (n >= capacity - 1) return;
    va_list args;
    va_start(args, format);
    FormatCutV(dest + n, capacity - n, format, args);
    va_end(args);
}

bool FormatCutA(char* dest, int capacity, const char* format, ...) {
    if (capacity <= 0) return false;
    va_list args;
    va_start(args, format);
    int written = vsnprintf(dest, static_cast<size_t>(capacity), format, args);
    va_end(args);
    if (written < 0) dest[0] = '\0';
    dest[capacity - 1] = '\0';
    return written >= 0 && written < capacity;
}
