#include "store/record_log.h"

#include <cwchar>

#include "engine/text.h"
#include "store/record_file.h"
#include "store/utf8_file.h"

namespace {

// "label=value": a label of the catalogue's length and "%g" of any double.
constexpr int kInputCellCapacity = 256;
constexpr int kTimeCellCapacity = 32;

constexpr int kFolderChainCapacity = kPathCapacity;
// The drive, its colon and backslash are never created.
constexpr int kDrivePrefixLength = 3;
constexpr char kByteOrderMark[] = {'\xEF', '\xBB', '\xBF'};
constexpr int kByteOrderMarkLength = sizeof kByteOrderMark;
// Where the record file of a save lives when the base folder is unknown.
const wchar_t kUnknownBaseFolder[] = L"%LOCALAPPDATA%";

bool NeedsQuotes(const wchar_t* text) {
    for (const wchar_t* c = text; *c; ++c)
        if (*c == L',' || *c == L'"' || *c == L'\r' || *c == L'\n') return true;
    return false;
}

int QuoteCount(const wchar_t* text) {
    int count = 0;
    for (const wchar_t* c = text; *c; ++c) count += *c == L'"';
    return count;
}

// Appends text only if all of it fits.
bool AppendWhole(wchar_t* line, int capacity, const wchar_t* text) {
    if (TextLength(line) + TextLength(text) > capacity - 1) return false;
    AppendCut(line, capacity, text);
    return true;
}

// Appends one cell, after a comma unless it is the line's first, quoted when
// it must be. False, with the line as it was, when the cell does not fit.
bool AppendCell(wchar_t* line, int capacity, const wchar_t* text) {
    text = TextOrEmpty(text);
    const int length = TextLength(line);
    const bool quoted = NeedsQuotes(text);
    const int cellLength = (length > 0 ? 1 : 0) + TextLength(text) + (quoted ? QuoteCount(text) + 2 : 0);
    if (length + cellLength > capacity - 1) return false;
    if (length > 0) AppendCut(line, capacity, L",");
    if (!quoted) {
        AppendCut(line, capacity, text);
        return true;
    }
    AppendCut(line, capacity, L"\"");
    for (const wchar_t* part = text;;) {
        const wchar_t* quote = std::wcschr(part, L'"');
        if (!quote) {
            AppendCut(line, capacity, part);
            break;
        }
        AppendFormatCut(line, capacity, L"%.*ls\"\"", static_cast<int>(quote - part), part);
        part = quote + 1;
    }
    AppendCut(line, capacity, L"\"");
    return true;
}

bool AppendInputCell(wchar_t* line, int capacity, const InputField& input, double value) {
    wchar_t cell[kInputCellCapacity];
    FormatCut(cell, kInputCellCapacity, L"%ls=%g", input.label, value);
    // A cell that fills its buffer may have been cut.
    return TextLength(cell) < kInputCellCapacity - 1 && AppendCell(line, capacity, cell);
}

// Ends a header or line, or empties it when a cell did not fit.
bool EndRow(wchar_t* row, int capacity, bool whole) {
    whole = whole && AppendWhole(row, capacity, L"\r\n");
    if (!whole) row[0] = L'\0';
    return whole;
}

// Makes file a new record file: EF BB BF and the header, in one write. True
// also when another save created it first; false when the file cannot be
// made.
bool StartRecordFile(const wchar_t* file, const wchar_t* header) {
    // The mark goes out only together with the header it belongs to.
    constexpr int kHeaderUtf8Capacity = 4 * kRecordHeaderCapacity;
    static char staging[kByteOrderMarkLength + kHeaderUtf8Capacity];
    for (int i = 0; i < kByteOrderMarkLength; ++i) staging[i] = kByteOrderMark[i];
    int bytes = ConvertToUtf8(header, staging + kByteOrderMarkLength, kHeaderUtf8Capacity);
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

bool BuildRecordHeader(wchar_t* header, const ToolDef& tool) {
    constexpr int kCapacity = kRecordHeaderCapacity;
    header[0] = L'\0';
    bool whole = AppendCell(header, kCapacity, L"时间") && AppendCell(header, kCapacity, L"工具");
    for (int i = 0; whole && i < tool.inputCount; ++i) whole = AppendCell(header, kCapacity, tool.inputs[i].label);
    whole = whole && AppendCell(header, kCapacity, L"结果") && AppendCell(header, kCapacity, L"结论");
    return EndRow(header, kCapacity, whole);
}

bool BuildRecordLine(wchar_t* line, const ToolDef& tool, const double* inputValues, const wchar_t* resultText,
                     const wchar_t* verdictText, const LocalTime& time) {
    constexpr int kCapacity = kRecordLineCapacity;
    wchar_t timeCell[kTimeCellCapacity];
    FormatCut(timeCell, kTimeCellCapacity, L"%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day,
              time.hour, time.minute, time.second);
    line[0] = L'\0';
    bool whole = AppendCell(line, kCapacity, timeCell) && AppendCell(line, kCapacity, tool.title);
    for (int i = 0; whole && i < tool.inputCount; ++i)
        whole = AppendInputCell(line, kCapacity, tool.inputs[i], inputValues[i]);
    whole = whole && AppendCell(line, kCapacity, resultText) && AppendCell(line, kCapacity, verdictText);
    return EndRow(line, kCapacity, whole);
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

SaveOutcome SaveRecordLine(const wchar_t* baseFolder, const ToolDef& tool, const wchar_t* line,
                           wchar_t* recordFile) {
    const bool baseKnown = baseFolder && baseFolder[0];
    wchar_t folder[kRecordFolderCapacity];
    bool folderFits = FormatRecordFolder(folder, baseKnown ? baseFolder : kUnknownBaseFolder);
    FormatRecordFile(recordFile, folder, tool.id);
    if (!baseKnown || !folderFits || !line[0]) return RecordNotSaved;

    CreateFolderChain(folder);
    if (!IsFolder(folder)) return RecordNotSaved;

    if (!FileReadable(recordFile)) {
        static wchar_t header[kRecordHeaderCapacity];
        if (!BuildRecordHeader(header, tool) || !StartRecordFile(recordFile, header)) return RecordNotSaved;
    }
    static char staging[kRecordUtf8Capacity];
    switch (AppendUtf8File(recordFile, line, staging, kRecordUtf8Capacity)) {
    case AppendDone: return RecordSaved;
    case AppendFileBusy: return RecordFileBusy;
    default: return RecordNotSaved;
    }
}
