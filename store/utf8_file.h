// Whole-file writes: bytes as they are, or a text converted in one call into
// the caller's staging area to UTF-8, where a text that does not convert
// whole is not written. None writes a byte-order mark or a terminating zero.
#pragma once

#include <cstddef>

#include "store/record_file.h"

// Creates or truncates the file at path and writes the bytes. False when the
// file cannot be opened or not every byte reaches it.
bool WriteFileBytes(const wchar_t* path, const char* bytes, size_t length);

// Creates or truncates the file at path and writes text. False when the file
// cannot be opened, the text does not fit the staging area, or not every
// byte reaches the file.
bool WriteUtf8File(const wchar_t* path, const wchar_t* text, char* staging, int stagingCapacity);

// Appends text to the existing file at path in one write at its end (see
// AppendToFile). Fails when the text does not fit the staging area.
AppendResult AppendUtf8File(const wchar_t* path, const wchar_t* text, char* staging, int stagingCapacity);
