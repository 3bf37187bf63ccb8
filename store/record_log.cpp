#include "store/record_log.h"

#include "engine/text.h"
#include "store/record_file.h"
#include "store/utf8_file.h"

namespace {

constexpr int kInputCellCapacity = 128;
// A comma and at most 254 characters of the result text.
constexpr int kResultCellCapacity = 256;

constexpr int kFolderChainCapacity = 520;
// The drive, its colon and backslash are never created.
constexpr int kDrivePrefixLength = 3;
constexpr char kByteOrderMark[] = {'\xEF', '\xBB', '\xBF'};
constexpr int kByteOrderMarkLength = sizeof kByteOrderMark;
// Where the record file of a save lives when the base folder is unknown.
const wchar_t kUnknownBaseFolder[] = L"%LOCALAPPDATA%";

// Makes file a new record file: EF BB BF and the header, in one write. True
// also when another save created it first; false when the header does not
// convert or the file cannot be made.
bool StartRecordFile(const wchar_t* file, const wchar_t* header) {
    // The mark goes out only together with the header it belongs to.
    static char staging[kByteOrderMarkLength + kUtf8LineLimit + 1];
    for (int i = 0; i < kByteOrderMarkLength; ++i) staging[i] = kByteOrderMark[i];
    int bytes = ConvertToUtf8(header, staging + kByteOrderMarkLength, kUtf8LineLimit);
    if (bytes <= 0) return false;
    return CreateFileWith(file, staging, kByteOrderMarkLength + bytes - 1) != NewFileFailed;
}

}  // namespace

// ---- The texts ----

bool FormatRecordFolder(wchar_t* folder, const wchar_t* baseFolder) {
    static const wchar_t kTail[] = L"\\TolmMedSuite\\records";
    constexpr int kTailLength = sizeof kTail / sizeof kTail[0] - 1;
    FormatCut(folder, kRecordFolderCapacity, L"%ls%ls", TextOrEmpty(baseFolder), kTail);
    return TextLength(baseFolder) + kTailLength < kRecordFolderCapacity;
}

void FormatRecordFile(wchar_t* file, const wchar_t* folder, int32_t toolId) {
    FormatCut(file, kRecordFileCapacity, L"%ls\\T%03d.csv", folder, toolId);
}

void BuildRecordHeader(wchar_t* header, const ToolDef& tool) {
    CopyCut(header, kRecordHeaderCapacity, L"时间,工具");
    for (int i = 0; i < tool.inputCount; ++i)
        AppendFormatCut(header, kRecordHeaderCapacity, L",%ls", tool.inputs[i].label);
    AppendCut(header, kRecordHeaderCapacity, L",结果\r\n");
}

void BuildRecordLine(wchar_t* line, const ToolDef& tool, const double* inputValues, const wchar_t* resultText,
                     const LocalTime& time) {
    FormatCut(line, kRecordLineCapacity, L"%04d-%02d-%02d %02d:%02d:%02d,%ls", time.year, time.month, time.day,
              time.hour, time.minute, time.second, tool.title);
    for (int i = 0; i < tool.inputCount; ++i) {
        wchar_t cell[kInputCellCapacity];
        FormatCut(cell, kInputCellCapacity, L",%ls=%g", tool.inputs[i].label, inputValues[i]);
        AppendCut(line, kRecordLineCapacity, cell);
    }
    wchar_t resultCell[kResultCellCapacity];
    FormatCut(resultCell, kResultCellCapacity, L",%ls", resultText);
    AppendCut(line, kRecordLineCapacity, resultCell);
    AppendCut(line, kRecordLineCapacity, L"\r\n");
}

// ---- The save ----

void CreateFolderChain(const wchar_t* folder) {
    wchar_t path[kFolderChainCapacity];
    CopyCut(path, kFolderChainCapacity, folder);
    int length = TextLength(path);
    for (int i = kDrivePrefixLength; i < length; ++i) {
        if (path[i] != L'\\') continue;
        path[i] = L'\0';
        MakeFolder(path);
        path[i] = L'\\';
    }
    MakeFolder(path);
}

bool SaveRecord(const wchar_t* baseFolder, const ToolDef& tool, const double* inputValues,
                const wchar_t* resultText, const LocalTime& time, wchar_t* recordFile) {
    const bool baseKnown = baseFolder && baseFolder[0];
    wchar_t folder[kRecordFolderCapacity];
    bool folderFits = FormatRecordFolder(folder, baseKnown ? baseFolder : kUnknownBaseFolder);
    FormatRecordFile(recordFile, folder, tool.id);
    if (!baseKnown || !folderFits) return false;

    CreateFolderChain(folder);
    if (!IsFolder(folder)) return false;

    static wchar_t line[kRecordLineCapacity];
    BuildRecordLine(line, tool, inputValues, resultText, time);
    if (!FileReadable(recordFile)) {
        wchar_t header[kRecordHeaderCapacity];
        BuildRecordHeader(header, tool);
        if (!StartRecordFile(recordFile, header)) return false;
    }
    static char staging[kUtf8LineLimit];
    return AppendUtf8File(recordFile, line, staging, kUtf8LineLimit);
}
