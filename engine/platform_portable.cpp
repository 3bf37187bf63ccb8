#include <ctime>

#include "engine/platform.h"

namespace {

// Code points that are not Unicode scalar values become U+FFFD, as the
// Windows conversion does with lone surrogates.
unsigned ScalarOrReplacement(unsigned cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0xFFFD;
    return cp;
}

int EncodeUtf8(unsigned cp, char* bytes) {
    if (cp < 0x80) {
        bytes[0] = static_cast<char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        bytes[0] = static_cast<char>(0xC0 | (cp >> 6));
        bytes[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        bytes[0] = static_cast<char>(0xE0 | (cp >> 12));
        bytes[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        bytes[2] = static_cast<char>(0x80 | (cp & 0x3F));
        return 3;
    }
    bytes[0] = static_cast<char>(0xF0 | (cp >> 18));
    bytes[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    bytes[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    bytes[3] = static_cast<char>(0x80 | (cp & 0x3F));
    return 4;
}

// Reads one code point; wchar_t may hold UTF-16 units or whole code points.
unsigned NextCodePoint(const wchar_t*& text) {
    unsigned unit = static_cast<unsigned>(*text++);
    if (sizeof(wchar_t) == 2 && unit >= 0xD800 && unit <= 0xDBFF) {
        unsigned low = static_cast<unsigned>(*text);
        if (low >= 0xDC00 && low <= 0xDFFF) {
            ++text;
            return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    return ScalarOrReplacement(unit);
}

}  // namespace

int ConvertToUtf8(const wchar_t* text, char* out, int capacity) {
    int written = 0;
    for (;;) {
        bool last = *text == L'\0';
        char bytes[4];
        int n = EncodeUtf8(last ? 0 : NextCodePoint(text), bytes);
        if (written + n > capacity) return 0;
        for (int i = 0; i < n; ++i) out[written++] = bytes[i];
        if (last) return written;
    }
}

int WidenAscii(const char* text, wchar_t* out, int capacity) {
    for (int i = 0; i < capacity; ++i) {
        out[i] = static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
        if (text[i] == '\0') return i + 1;
    }
    return 0;
}

LocalTime ReadLocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

FILE* OpenFile(const wchar_t* path, const char* mode) {
    // Paths are handed to the file system as UTF-8.
    char narrow[kNarrowPathCapacity];
    if (ConvertToUtf8(path, narrow, sizeof narrow) == 0) return nullptr;
    return std::fopen(narrow, mode);
}

void WriteToConsole(const wchar_t* text) {
    char bytes[4 * kConsoleTextCapacity];
    int n = ConvertToUtf8(text, bytes, sizeof bytes);
    if (n > 1) std::fwrite(bytes, 1, static_cast<size_t>(n - 1), stderr);
    std::fflush(stderr);
}
