// Saving one record: the folder chain, a new file's byte-order mark and
// header, the record appended. Every step that can fail is checked, so a
// save that reports success has put its whole record into the file.
#pragma once

#include "engine/platform.h"
#include "engine/tool_def.h"

// At most this many bytes of UTF-8, terminating zero included, per write.
constexpr int kUtf8LineLimit = 4095;

// Creates every directory along folder, one backslash at a time after the
// drive ("C:\"), then folder itself. Failures are left to the caller's test.
void CreateFolderChain(const wchar_t* folder);

// Converts text to UTF-8 in one call and appends it, without the
// terminating zero, to the existing file in one write. False when the text
// does not convert within kUtf8LineLimit bytes or not every byte is written.
bool AppendUtf8(const wchar_t* file, const wchar_t* text);

// Makes file a new record file: EF BB BF and the header, in one write.
// True also when another save created it first; false when the header does
// not convert or the file cannot be made.
bool StartRecordFile(const wchar_t* file, const wchar_t* header);

// Appends one record of tool to its file under baseFolder, starting the
// file when it does not exist. recordFile (kRecordFileCapacity) receives
// the file's path. False when the record did not reach the file.
bool SaveRecord(const wchar_t* baseFolder, const ToolDef& tool, const double* inputValues,
                const wchar_t* resultText, const LocalTime& time, wchar_t* recordFile);
