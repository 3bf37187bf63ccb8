// The record log's texts: where a tool's CSV file lives, its header and one
// record line. Pure functions; the save itself is in record_save.
#pragma once

#include <cstdint>

#include "engine/platform.h"
#include "engine/tool_def.h"

constexpr int kBaseFolderCapacity = 260;
constexpr int kRecordFolderCapacity = 260;
constexpr int kRecordFileCapacity = 520;
constexpr int kRecordLineCapacity = 4096;
constexpr int kRecordHeaderCapacity = 512;

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
