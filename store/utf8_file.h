// Whole-text UTF-8 file writes: the text is converted in one call into the
// caller's staging area, and a text that does not convert whole is not
// written. Neither writes a byte-order mark or the terminating zero.
#pragma once

#include "store/record_file.h"

// Creates or truncates the file at path and writes text. False when the file
// cannot be opened, the text does not fit the staging area, or not every
// byte reaches the file.
bool WriteUtf8File(const wchar_t* path, const wchar_t* text, char* staging, int stagingCapacity);

// Appends text to the existing file at path in one write at its end (see
// AppendToFile). Fails when the text does not fit the staging area.
AppendResult AppendUtf8File(const wchar_t* path, const wchar_t* text, char* staging, int stagingCapacity);
