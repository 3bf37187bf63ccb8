// The record log: every save appends one record of the last calculation to
// the tool's CSV file under the user's local application-data folder. First
// the texts (where the file lives, its header, one record line) as pure
// functions; then the save itself.
#pragma once

#include <cstdint>

#include "engine/calculation.h"
#include "engine/platform.h"
#include "engine/tool_def.h"

constexpr int kRecordFolderCapacity = 260;
constexpr int kRecordFileCapacity = kPathCapacity;
// The whole result and verdict of any tool, even were every character a
// double quote (written twice), and room for the time, title and inputs.
constexpr int kRecordLineCapacity = 2 * (kResultTextCapacity + kVerdictTextCapacity) + 4096;
constexpr int kRecordHeaderCapacity = 4096;
// UTF-8 needs at most four bytes for one character of either platform.
constexpr int kRecordUtf8Capacity = 4 * kRecordLineCapacity;

// ---- The texts ----
// Cells are separated by commas; a cell that holds a comma, a double quote
// or a line break is enclosed in double quotes, each quote inside doubled,
// as spreadsheets read CSV, so that one record is one row. Nothing is cut:
// a header or line that does not fit whole is left empty and false returned.

// "<base>\TolmMedSuite\records" into kRecordFolderCapacity characters.
// False when the path does not fit: a cut path would name another folder.
bool FormatRecordFolder(wchar_t* folder, const wchar_t* baseFolder);

// "<folder>\T<id, at least three digits>.csv" into kRecordFileCapacity.
void FormatRecordFile(wchar_t* file, const wchar_t* folder, int32_t toolId);

// 时间, 工具, one cell per input label, 结果, 结论, "\r\n", into
// kRecordHeaderCapacity characters.
bool BuildRecordHeader(wchar_t* header, const ToolDef& tool);

// The time, the title, one "<label>=<value>" cell per input (the value as
// "%g" prints it), the result text, the verdict, "\r\n", into
// kRecordLineCapacity characters.
bool BuildRecordLine(wchar_t* line, const ToolDef& tool, const double* inputValues, const wchar_t* resultText,
                     const wchar_t* verdictText, const LocalTime& time);

// ---- The save ----

// Creates every directory along folder, one backslash at a time after the
// drive ("C:\"), then folder itself. Failures are left to the caller's test.
void CreateFolderChain(const wchar_t* folder);

enum SaveOutcome {
    RecordSaved,
    // Another program (a spreadsheet showing it) holds the file against
    // writers: nothing was written, and the same line may be saved later.
    RecordFileBusy,
    RecordNotSaved,
};

// Appends line (from BuildRecordLine; an empty one is never saved) to tool's
// file under baseFolder, starting the file with its byte-order mark and
// header when it does not exist. recordFile (kRecordFileCapacity) always
// receives the file's path, so every outcome can name it; a base folder that
// is unknown (null or empty) is named %LOCALAPPDATA% there. Every step that
// can fail is checked, so RecordSaved means the whole record is there.
SaveOutcome SaveRecordLine(const wchar_t* baseFolder, const ToolDef& tool, const wchar_t* line,
                           wchar_t* recordFile);
