// The few platform services the portable code needs. The Windows build calls
// the Win32 functions; the native build has its own layer giving the same
// bytes for every text this program writes.
#pragma once

#include <cstdint>
#include <cstdio>

// UTF-16 (Windows) or UTF-32 (Linux) text with its terminator to UTF-8 in
// one conversion. Returns the bytes written, terminator included, or 0 when
// the whole text does not fit in capacity bytes.
int ConvertToUtf8(const wchar_t* text, char* out, int capacity);

// Widens an ASCII text with its terminator, as the ANSI code page does for
// ASCII. Returns the characters written, terminator included, or 0 when it
// does not fit.
int WidenAscii(const char* text, wchar_t* out, int capacity);

struct LocalTime {
    int32_t year, month, day, hour, minute, second;
};

LocalTime ReadLocalTime();

// Room for the longest path the suite takes, terminator included: twice
// Windows' MAX_PATH, 519 characters.
constexpr int kPathCapacity = 520;
// The same path as UTF-8: at most four bytes per character, and the terminator.
constexpr int kNarrowPathCapacity = 4 * kPathCapacity + 1;

// Opens a file by a wide path, as fopen does with mode ("rb", "wb", "ab").
FILE* OpenFile(const wchar_t* path, const char* mode);

// The longest text WriteToConsole writes whole, terminator included.
constexpr int kConsoleTextCapacity = 2048;

// Writes text where whoever started the program reads it. Windows: the
// standard error handle when it leads to a file, a pipe or a console; else
// the console of the parent process, if it has one (a GUI program has none
// of its own). Elsewhere: standard error. Text as UTF-8, except to a
// console, which takes it as Unicode.
void WriteToConsole(const wchar_t* text);
