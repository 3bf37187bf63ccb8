// The record log as the user meets it: "保存记录" in the window, what it
// tells, and what it leaves in the CSV file under this Wine prefix's local
// application-data folder, read back as a spreadsheet reads it. The file's
// bytes, a deleted file and two programs saving at once are the record file
// tests' (tests/records), which call the same save.
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/shell_state.h"
#include "shell/shell_texts.h"
#include "tests/driver/driver_case.h"
#include "tests/driver/tool_window.h"
#include "tests/support/test_files.h"

namespace {

namespace fs = std::filesystem;
using Row = std::vector<std::string>;

std::wstring SuiteFolder() {
    wchar_t base[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base);
    return std::wstring(base) + L"\\TolmMedSuite";
}

std::wstring RecordFile(const ToolDef& tool) {
    return SuiteFolder() + L"\\records\\T" + std::to_wstring(tool.id) + L".csv";
}

void RemoveRecords() {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(fs::path(SuiteFolder()), error))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(fs::path(SuiteFolder()), error);
}

std::string LocalTimeText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[32];
    snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", now.wYear, now.wMonth, now.wDay, now.wHour,
             now.wMinute, now.wSecond);
    return text;
}

// Splits CSV text into rows of cells as spreadsheets read it: commas part
// cells, line breaks (CR LF or LF) part rows, and a cell that opens with a
// double quote runs to the closing one, holding commas, line breaks and
// doubled quotes.
std::vector<Row> ReadCsv(const std::string& text) {
    std::vector<Row> rows;
    Row row;
    std::string cell;
    bool quoted = false, inCell = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char ch = text[i];
        if (quoted) {
            if (ch != '"')
                cell += ch;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                cell += text[++i];
            else
                quoted = false;
        } else if (ch == '"' && !inCell) {
            quoted = inCell = true;
        } else if (ch == ',' || ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            row.push_back(cell);
            cell.clear();
            inCell = false;
            if (ch != ',') rows.push_back(std::move(row)), row.clear();
        } else {
            cell += ch;
            inCell = true;
        }
    }
    if (inCell || !row.empty()) row.push_back(cell), rows.push_back(row);
    return rows;
}

// The cells after its time of the record of a save of these inputs.
Row RecordOf(const ToolDef& tool, const std::vector<double>& values) {
    const CalculationResult& run = CalculationOf(tool, values.data());
    Row row = {Utf8(tool.title)};
    for (int i = 0; i < tool.inputCount; ++i) {
        wchar_t value[32];
        swprintf(value, 32, L"%g", values[i]);
        row.push_back(Utf8(std::wstring(tool.inputs[i].label) + L"=" + value));
    }
    row.push_back(Utf8(run.resultText));
    row.push_back(Utf8(run.verdictText));
    return row;
}

// The records of the tool's file after its byte-order mark and header, each
// without its time, which must lie between the two.
std::vector<Row> ReadRecords(CaseContext& c, const ToolDef& tool, const std::string& earliest) {
    const std::string latest = LocalTimeText(), bytes = ReadBytes(RecordFile(tool));
    if (!Expect(c, bytes.compare(0, 3, "\xEF\xBB\xBF") == 0, "the record file has no byte-order mark")) return {};
    std::vector<Row> rows = ReadCsv(bytes.substr(3));
    Row header = {"时间", "工具"};
    for (int i = 0; i < tool.inputCount; ++i) header.push_back(Utf8(tool.inputs[i].label));
    header.insert(header.end(), {"结果", "结论"});
    if (!Expect(c, !rows.empty() && rows[0] == header, "header \"%s\"", bytes.substr(3, 80).c_str())) return {};
    rows.erase(rows.begin());
    for (Row& row : rows) {
        Expect(c, !row.empty() && row[0].size() == 19 && row[0] >= earliest && row[0] <= latest,
               "record time \"%s\" not within %s to %s", row.empty() ? "" : row[0].c_str(), earliest.c_str(),
               latest.c_str());
        if (!row.empty()) row.erase(row.begin());
    }
    return rows;
}

std::wstring SaveStatus(const ToolDef& tool, bool saved) {
    wchar_t status[kStatusTextCapacity];
    FormatSaveStatus(saved, RecordFile(tool).c_str(), status, kStatusTextCapacity);
    return status;
}

void SaveAndConfirm(CaseContext& c) {
    ClickAndSettle(c, CMD_SAVE_RECORD);
    ExpectMessageBox(c, kSavedMessage, kSavedCaption, MB_ICONINFORMATION);
    ExpectStatusLine(c, SaveStatus(Tool(c), true).c_str());
}

// A fresh file with the record of the defaults; the time before it.
std::string StartWithOneRecord(CaseContext& c) {
    RemoveRecords();
    std::string before = LocalTimeText();
    ClickAndSettle(c, CMD_CALCULATE);
    SaveAndConfirm(c);
    return before;
}

// ---- Cases ----

// Before a calculation and after reset there is nothing to save.
void SaveWithoutAResultAsksFirst(CaseContext& c) {
    RemoveRecords();
    ClickAndSettle(c, CMD_SAVE_RECORD);
    ExpectMessageBox(c, kSaveNoResultMessage, kNoResultCaption, MB_ICONINFORMATION);
    Expect(c, GetFileAttributesW(SuiteFolder().c_str()) == INVALID_FILE_ATTRIBUTES, "the save made the folder");
    ExpectStatusLine(c, kReadyStatus);
    StartWithOneRecord(c);
    const std::string saved = ReadBytes(RecordFile(Tool(c)));
    ClickAndSettle(c, CMD_RESET);
    ClickAndSettle(c, CMD_SAVE_RECORD);
    ExpectMessageBox(c, kSaveNoResultMessage, kNoResultCaption, MB_ICONINFORMATION);
    Expect(c, ReadBytes(RecordFile(Tool(c))) == saved, "the save after reset changed the file");
    ExpectStatusLine(c, kResetStatus);
    RemoveRecords();
}

// A file that cannot be written: the warning names it, and it stays as it was.
void ReadOnlyFileWarns(CaseContext& c) {
    StartWithOneRecord(c);
    const std::string saved = ReadBytes(RecordFile(Tool(c)));
    SetFileAttributesW(RecordFile(Tool(c)).c_str(), FILE_ATTRIBUTE_READONLY);
    ClickAndSettle(c, CMD_SAVE_RECORD);
    wchar_t message[kSaveFailedMessageCapacity];
    FormatSaveFailedMessage(RecordFile(Tool(c)).c_str(), message, kSaveFailedMessageCapacity);
    ExpectMessageBox(c, message, kSaveFailedCaption, MB_ICONWARNING);
    ExpectStatusLine(c, SaveStatus(Tool(c), false).c_str());
    Expect(c, ReadBytes(RecordFile(Tool(c))) == saved, "the read-only file changed");
    RemoveRecords();
}

// The program's question about the held file, with 重试 and 取消; presses
// the button given (IDRETRY or IDCANCEL).
void AnswerBusyFile(CaseContext& c, int button) {
    wchar_t message[kSaveFailedMessageCapacity];
    FormatSaveBusyMessage(RecordFile(Tool(c)).c_str(), message, kSaveFailedMessageCapacity);
    ExpectMessageBox(c, message, kSaveFailedCaption, MB_ICONWARNING, {IDRETRY, IDCANCEL}, button);
}

// As a spreadsheet does with the file it shows: read, and nobody writes.
HANDLE HoldLikeSpreadsheet(CaseContext& c) {
    HANDLE held = CreateFileW(RecordFile(Tool(c)).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    Expect(c, held != INVALID_HANDLE_VALUE, "the record file could not be held");
    return held;
}

// Retry while the file is still held asks again; once it is let go, retry
// saves the record of the click, once. Cancel saves nothing.
void HeldFileSavesOnRetryAfterRelease(CaseContext& c) {
    const std::string before = StartWithOneRecord(c), saved = ReadBytes(RecordFile(Tool(c)));
    HANDLE held = HoldLikeSpreadsheet(c);
    ClickAndSettle(c, CMD_SAVE_RECORD);
    const std::string clicked = LocalTimeText();
    AnswerBusyFile(c, IDRETRY);
    Expect(c, ReadBytes(RecordFile(Tool(c))) == saved, "held: the file changed");
    // A record built anew at the retry would carry a later time.
    Sleep(1100);
    CloseHandle(held);
    AnswerBusyFile(c, IDRETRY);
    ExpectMessageBox(c, kSavedMessage, kSavedCaption, MB_ICONINFORMATION);
    ExpectStatusLine(c, SaveStatus(Tool(c), true).c_str());
    const Row record = RecordOf(Tool(c), Defaults(Tool(c)));
    std::vector<Row> records = ReadRecords(c, Tool(c), before);
    Expect(c, records == std::vector<Row>{record, record}, "%zu records after the retry", records.size());
    const std::string last = ReadBytes(RecordFile(Tool(c))).substr(saved.size(), 19);
    Expect(c, last <= clicked, "the retried record is of %s, the click of %s", last.c_str(), clicked.c_str());

    const std::string two = ReadBytes(RecordFile(Tool(c)));
    held = HoldLikeSpreadsheet(c);
    ClickAndSettle(c, CMD_SAVE_RECORD);
    AnswerBusyFile(c, IDCANCEL);
    Expect(c, !MessageBoxOpen(c.app), "another message box after cancel");
    ExpectStatusLine(c, SaveStatus(Tool(c), false).c_str());
    CloseHandle(held);
    Expect(c, ReadBytes(RecordFile(Tool(c))) == two, "cancelled: the file changed");
    RemoveRecords();
}

// BurnFluid's result runs over many lines; read back as a spreadsheet reads
// the file the first save starts, its record is one row holding the result
// and verdict whole.
void BurnFluidRecordIsOneRow(CaseContext& c) {
    RemoveRecords();
    const std::string before = LocalTimeText();
    std::vector<double> values = Defaults(Tool(c));
    const struct {
        int input;
        double value;
    } typed[] = {{0, 60}, {1, 40}, {2, 10}, {4, 2}, {5, 500}};
    for (const auto& box : typed) {
        wchar_t text[kValueTextCapacity];
        FormatInputValue(box.value, text, kValueTextCapacity);
        SetText(FindInputBox(c.app, box.input), text);
        values[box.input] = box.value;
    }
    ClickAndSettle(c, CMD_CALCULATE);
    ExpectShows(c, values);
    const std::wstring result = CalculationOf(Tool(c), values.data()).resultText;
    Expect(c, std::count(result.begin(), result.end(), L'\n') >= 14, "a result of a few lines only");
    ClickAndSettle(c, CMD_SAVE_RECORD);
    ExpectMessageBox(c, kSavedMessage, kSavedCaption, MB_ICONINFORMATION);
    Expect(c, ReadRecords(c, Tool(c), before) == std::vector<Row>{RecordOf(Tool(c), values)},
           "not one row of what the window shows");
    RemoveRecords();
}

const DriverCase kRecordCases[] = {
    {"record_save_without_a_result_asks_first", SaveWithoutAResultAsksFirst},
    {"record_read_only_file_warns", ReadOnlyFileWarns},
    {"record_held_file_saves_on_retry_after_release", HeldFileSavesOnRetryAfterRelease},
};
const CaseRegistration registration(kRecordCases, sizeof kRecordCases / sizeof kRecordCases[0]);

const DriverCase kBurnFluidCases[] = {{"record_burn_fluid_is_one_csv_row", BurnFluidRecordIsOneRow}};
const CaseRegistration burnFluidRegistration(kBurnFluidCases, 1, L"BurnFluid.exe");

}  // namespace
