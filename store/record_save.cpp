#include "store/record_save.h"

#include "engine/text.h"
#include "store/record_file.h"
#include "store/record_log.h"

namespace {

constexpr int kFolderChainCapacity = 520;
// The drive, its colon and backslash are never created.
constexpr int kDrivePrefixLength = 3;
constexpr char kByteOrderMark[] = {'\xEF', '\xBB', '\xBF'};
constexpr int kByteOrderMarkLength = sizeof kByteOrderMark;

}  // namespace

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

bool AppendUtf8(const wchar_t* file, const wchar_t* text) {
    static char staging[kUtf8LineLimit + 1];
    int bytes = ConvertToUtf8(text, staging, kUtf8LineLimit);
    return bytes > 0 && AppendToFile(file, staging, bytes - 1);
}

bool StartRecordFile(const wchar_t* file, const wchar_t* header) {
    // The mark goes out only together with the header it belongs to.
    static char staging[kByteOrderMarkLength + kUtf8LineLimit + 1];
    for (int i = 0; i < kByteOrderMarkLength; ++i) staging[i] = kByteOrderMark[i];
    int bytes = ConvertToUtf8(header, staging + kByteOrderMarkLength, kUtf8LineLimit);
    if (bytes <= 0) return false;
    return CreateFileWith(file, staging, kByteOrderMarkLength + bytes - 1) != NewFileFailed;
}

bool SaveRecord(const wchar_t* baseFolder, const ToolDef& tool, const double* inputValues,
                const wchar_t* resultText, const LocalTime& time, wchar_t* recordFile) {
    wchar_t folder[kRecordFolderCapacity];
    bool folderFits = FormatRecordFolder(folder, baseFolder);
    FormatRecordFile(recordFile, folder, tool.id);
    if (!folderFits) return false;

    CreateFolderChain(folder);
    if (!IsFolder(folder)) return false;

    static wchar_t line[kRecordLineCapacity];
    BuildRecordLine(line, tool, inputValues, resultText, time);
    if (!FileReadable(recordFile)) {
        wchar_t header[kRecordHeaderCapacity];
        BuildRecordHeader(header, tool);
        if (!StartRecordFile(recordFile, header)) return false;
    }
    return AppendUtf8(recordFile, line);
}
