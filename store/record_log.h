// The record log: every save appends one record of the last calculation to
// the tool's CSV file under the user's local application-data folder. First
// the texts (where the file lives, its header, one record line) as pure
// functions; then the save itself.
#pragma once

#include <cstdint>

#include "engine/platform.h"
#include "engine/tool_def.h"

constexpr int kRecordFolderCapacity = 260;
constexpr int kRecordFileCapacity = 520;
constexpr int kRecordLineCapacity = 4096;
constexpr int kRecordHeaderCapacity = 512;
// At most this many bytes of UTF-8, terminating zero included, per write.
constexpr int kUtf8LineLimit = 4095;

// ---- The texts ----

// "<base>\TolmMedSuite\records" into kRecordFolderCapacity characters.
// False when the path does not fit: a cut path would name another folder.
bool FormatRecordFolder(wchar_t* folder, const wchar_t* baseFolder);

// "<folder>\T<id, at least three digits>.csv" into kRecordFileCapacity.
void FormatRecordFile(wchar_t* file, const wchar_t* folder, int32_t toolId);

// "时间,工具", one ",<label>" per input, ",结果\r\n".
void BuildRecordHeader(wchar_t* header, const ToolDef& tool);

// Time and title, one ",<label>=<value>" per input, the result (at most its
// first 254 characters, line breaks kept), "\r\n". Nothing is quoted.
void BuildRecordLine(wchar_t* line, const ToolDef& tool, const double* inputValues, const wchar_t* resultText,
                     const LocalTime& time);

// ---- The save ----

// Creates every directory along folder, one backslash at a time after the
// drive ("C:\"), then folder itself. Failures are left to the caller's test.
void CreateFolderChain(const wchar_t* folder);

// Appends one record of tool to its file under baseFolder, starting the file
// with its byte-order mark and header when it does not exist. recordFile
// (kRecordFileCapacity) always receives the file's path, so every outcome
// can name it; a base folder that is unknown (null or empty) is named
// %LOCALAPPDATA% there. False when the record did not reach the file: every
// step that can fail is checked, so true means the whole record is there.
bool SaveRecord(const wchar_t* baseFolder, const ToolDef& tool, const double* inputValues,
                const wchar_t* resultText, const LocalTime& time, wchar_t* recordFile);
