#include "store/record_log.h"

#include "engine/text.h"

namespace {

constexpr int kInputCellCapacity = 128;
// A comma and at most 254 characters of the result text.
constexpr int kResultCellCapacity = 256;

}  // namespace

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
