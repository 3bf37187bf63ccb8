// Fixed-capacity text buffers. Every capacity counts characters including the
// terminator; every write is cut at capacity - 1 and always terminated, so no
// caller repeats the arithmetic.
#pragma once

#include <cstdarg>

int TextLength(const wchar_t* text);

// Copies at most capacity - 1 characters of source (null counts as empty)
// and puts a terminator in the last place of the buffer too.
void CopyCut(wchar_t* dest, int capacity, const wchar_t* source);

// Appends at most capacity - 1 - length(dest) characters of source; a full
// buffer stays unchanged.
void AppendCut(wchar_t* dest, int capacity, const wchar_t* source);

// printf-style wide formatting, cut at capacity - 1 characters.
void FormatCut(wchar_t* dest, int capacity, const wchar_t* format, ...);
void FormatCutV(wchar_t* dest, int capacity, const wchar_t* format, va_list args);

// Formats, then appends what fits.
void AppendFormatCut(wchar_t* dest, int capacity, const wchar_t* format, ...);

// 8-bit formatting, cut at capacity - 1 bytes. False when the text was cut.
bool FormatCutA(char* dest, int capacity, const char* format, ...);

// The text, or "" when it is absent.
inline const wchar_t* TextOrEmpty(const wchar_t* text) { return text ? text : L""; }
