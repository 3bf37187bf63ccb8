// Whole-text UTF-8 file writes.
#pragma once

// Creates or truncates the file at path and writes the UTF-8 form of text
// (no byte-order mark, no terminating zero). Returns false when the file
// cannot be opened, the text cannot be converted, or not every byte reaches
// the file.
bool WriteUtf8File(const wchar_t* path, const wchar_t* text);
