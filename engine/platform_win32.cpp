#include <windows.h>

#include "engine/platform.h"

// A capacity of 0 would ask Windows for the size needed and convert nothing;
// here, as in the portable layer, it means the text does not fit.
int ConvertToUtf8(const wchar_t* text, char* out, int capacity) {
    if (capacity <= 0) return 0;
    return WideCharToMultiByte(CP_UTF8, 0, text, -1, out, capacity, nullptr, nullptr);
}

int WidenAscii(const char* text, wchar_t* out, int capacity) {
    if (capacity <= 0) return 0;
    return MultiByteToWideChar(CP_ACP, 0, text, -1, out, capacity);
}

LocalTime ReadLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

FILE* OpenFile(const wchar_t* path, const char* mode) {
    wchar_t wideMode[8];
    int n = 0;
    while (mode[n] && n < 7) {
        wideMode[n] = static_cast<wchar_t>(mode[n]);
        ++n;
    }
    wideMode[n] = L'\0';
    return _wfopen(path, wideMode);
}
