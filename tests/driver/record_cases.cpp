// The record log as the user meets it: "保存记录" in the window, what it
// tells, and what it leaves in the CSV file under the local application-data
// folder of this Wine prefix.
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/driver/driver_case.h"
#include "tests/support/window_expectations.h"

namespace {

namespace fs = std::filesystem;

const wchar_t kSavedMessage[] = L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。";
const wchar_t kSavedCaption[] = L"已保存";
const wchar_t kNotSavedCaption[] = L"保存失败";

const char kMarkAndHeader[] = "\xEF\xBB\xBF时间,工具,输注速度,葡萄糖浓度,体重,结果,结论\r\n";
// What follows the time in the record of the defaults, and of rate 120: the
// result with its line breaks in one quoted cell, then the verdict.
const char kDefaultsRecordBody[] = ",Peravin,输注速度=60,葡萄糖浓度=10,体重=60,"
                                   "\"葡萄糖输注速率：1.67 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n\",GIR 在合理范围\r\n";
const char kRate120RecordBody[] = ",Peravin,输注速度=120,葡萄糖浓度=10,体重=60,"
                                  "\"葡萄糖输注速率：3.33 mg/kg/min\r\n每日葡萄糖：288.0 g\r\n\",GIR 在合理范围\r\n";
constexpr size_t kTimeLength = 19;  // "2026-12-07 09:05:03"

// The static that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

// ---- The record files of this prefix ----

std::wstring LocalAppData() {
    wchar_t base[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base);
    return base;
}

std::wstring SuiteFolder() { return LocalAppData() + L"\\TolmMedSuite"; }
std::wstring RecordsFolder() { return SuiteFolder() + L"\\records"; }
std::wstring RecordFile(int toolId = 261) { return RecordsFolder() + L"\\T" + std::to_wstring(toolId) + L".csv"; }

void RemoveRecords() {
    std::error_code error;
    SetFileAttributesW(RecordFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(fs::path(SuiteFolder()), error);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WritePlainFile(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(fs::path(path), std::ios::binary);
    out << bytes;
}

std::string LocalTimeText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[32];
    snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", now.wYear, now.wMonth, now.wDay, now.wHour,
             now.wMinute, now.wSecond);
    return text;
}

// ---- Steps ----

void ClickAndSettle(const App& app, int id) {
    Click(FindControl(app, id));
    Settle(app);
}

void Calculate(CaseContext& c) { ClickAndSettle(c.app, kCalculateButton); }

std::wstring SavedStatus() { return L"记录已保存：" + RecordFile(); }
std::wstring NotSavedStatus() { return L"记录未保存：" + RecordFile(); }
std::wstring NotSavedMessage() { return L"无法写入记录文件：\r\n" + RecordFile() + L"\r\n\r\n本次记录未保存。"; }
std::wstring BusyMessage() { return L"记录文件正被其他程序（如 Excel）占用，请关闭后重试。\r\n" + RecordFile(); }

// One save that succeeds: the message, then the status line with the path.
// Returns the local time before the click, so the record's time can be checked.
std::string SaveAndConfirm(CaseContext& c) {
    std::string before = LocalTimeText();
    ClickAndSettle(c.app, kSaveButton);
    ExpectMessageBox(c, kSavedMessage, kSavedCaption, MB_ICONINFORMATION);
    ExpectStatusLine(c, SavedStatus().c_str());
    return before;
}

// A save that fails: the warning naming the file, and no word of success.
void SaveAndExpectWarning(CaseContext& c) {
    ClickAndSettle(c.app, kSaveButton);
    ExpectMessageBox(c, NotSavedMessage().c_str(), kNotSavedCaption, MB_ICONWARNING);
    ExpectStatusLine(c, NotSavedStatus().c_str());
}

// The records in bytes, from offset on, are these bodies each after a time
// between the bounds; a note for the first that is not.
void ExpectRecords(CaseContext& c, const std::string& bytes, size_t offset, const std::vector<const char*>& bodies,
                   const std::string& earliest, const std::string& latest) {
    for (size_t i = 0; i < bodies.size(); ++i) {
        std::string time = bytes.substr(offset, kTimeLength);
        if (!Expect(c, time >= earliest && time <= latest, "record %zu: time \"%s\" not within %s to %s", i + 1,
                    time.c_str(), earliest.c_str(), latest.c_str()))
            return;
        std::string body = bodies[i];
        if (!Expect(c, bytes.compare(offset + kTimeLength, body.size(), body) == 0, "record %zu: \"%s\"", i + 1,
                    bytes.substr(offset + kTimeLength, body.size()).c_str()))
            return;
        offset += kTimeLength + body.size();
    }
    Expect(c, offset == bytes.size(), "%zu bytes after the last record", bytes.size() - offset);
}

void ExpectFileStartsWithMarkAndHeader(CaseContext& c, const std::string& bytes) {
    Expect(c, bytes.compare(0, sizeof kMarkAndHeader - 1, kMarkAndHeader) == 0,
           "the file does not start with EF BB BF and the header: \"%s\"", bytes.substr(0, 80).c_str());
}

// The file holds the mark, the header and these records, saved since before.
void ExpectFileWithRecords(CaseContext& c, const std::string& before, const std::vector<const char*>& bodies) {
    std::string bytes = ReadBytes(RecordFile());
    ExpectFileStartsWithMarkAndHeader(c, bytes);
    ExpectRecords(c, bytes, sizeof kMarkAndHeader - 1, bodies, before, LocalTimeText());
}

// A fresh file with the record of the defaults; returns its bytes.
std::string StartWithOneRecord(CaseContext& c) {
    RemoveRecords();
    Calculate(c);
    SaveAndConfirm(c);
    return ReadBytes(RecordFile());
}

// The save warns, and the file keeps the bytes it had.
void ExpectWarningKeepsFile(CaseContext& c, const std::string& saved, const char* what) {
    SaveAndExpectWarning(c);
    Expect(c, ReadBytes(RecordFile()) == saved, "%s: the file changed", what);
}

// ---- Cases ----

void FirstSaveStartsTheFile(CaseContext& c) {
    RemoveRecords();
    Calculate(c);
    std::string before = SaveAndConfirm(c);
    Expect(c, GetFileAttributesW(RecordsFolder().c_str()) & FILE_ATTRIBUTE_DIRECTORY, "no records folder");
    ExpectFileWithRecords(c, before, {kDefaultsRecordBody});
    RemoveRecords();
}

void SecondSaveAddsOnlyItsRecord(CaseContext& c) {
    RemoveRecords();
    Calculate(c);
    std::string before = SaveAndConfirm(c);
    SetText(FindInputBox(c.app, 0), L"120");
    Calculate(c);
    SaveAndConfirm(c);
    ExpectFileWithRecords(c, before, {kDefaultsRecordBody, kRate120RecordBody});
    RemoveRecords();
}

void DeletedFileComesBack(CaseContext& c) {
    StartWithOneRecord(c);
    DeleteFileW(RecordFile().c_str());
    std::string before = SaveAndConfirm(c);
    ExpectFileWithRecords(c, before, {kDefaultsRecordBody});
    RemoveRecords();
}

void SaveBeforeCalculationAsksFirst(CaseContext& c) {
    RemoveRecords();
    ClickAndSettle(c.app, kSaveButton);
    ExpectMessageBox(c, kSaveNoResultMessage, kNoResultCaption, MB_ICONINFORMATION);
    Expect(c, !Exists(SuiteFolder()), "the save before a calculation created the folder");
    ExpectStatusLine(c, kReadyStatus);
}

void SaveAfterResetAsksFirst(CaseContext& c) {
    std::string saved = StartWithOneRecord(c);
    ClickAndSettle(c.app, kResetButton);
    ClickAndSettle(c.app, kSaveButton);
    ExpectMessageBox(c, kSaveNoResultMessage, kNoResultCaption, MB_ICONINFORMATION);
    Expect(c, ReadBytes(RecordFile()) == saved, "the save after reset changed the file");
    ExpectStatusLine(c, kResetStatus);
    RemoveRecords();
}

void RecordsFolderAsPlainFileWarns(CaseContext& c) {
    RemoveRecords();
    CreateDirectoryW(SuiteFolder().c_str(), nullptr);
    WritePlainFile(RecordsFolder(), "not a folder");
    Calculate(c);
    SaveAndExpectWarning(c);
    Expect(c, ReadBytes(RecordsFolder()) == "not a folder", "the plain file in the folder's place changed");
    RemoveRecords();
}

void ReadOnlyFileWarns(CaseContext& c) {
    std::string saved = StartWithOneRecord(c);
    SetFileAttributesW(RecordFile().c_str(), FILE_ATTRIBUTE_READONLY);
    ExpectWarningKeepsFile(c, saved, "read-only");
    RemoveRecords();
}

// As a spreadsheet does with the file it shows: read, and nobody writes.
HANDLE HoldLikeSpreadsheet(CaseContext& c) {
    HANDLE held = CreateFileW(RecordFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    Expect(c, held != INVALID_HANDLE_VALUE, "the record file could not be held");
    return held;
}

void Release(HANDLE held) {
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
}

// The program's question about the held file, with 重试 and 取消; presses
// the button given (IDRETRY or IDCANCEL).
void AnswerBusyFile(CaseContext& c, int button) {
    MessageBoxSeen seen;
    if (!Expect(c, WaitForMessageBox(c.app, &seen), "no message box about the held file")) return;
    ExpectText(c, seen.text, BusyMessage(), "message box text");
    ExpectText(c, seen.caption, kNotSavedCaption, "message box caption");
    Expect(c, seen.icon == MB_ICONWARNING, "message box icon 0x%X, expected a warning", seen.icon);
    Expect(c, seen.owner == c.app.window, "message box not owned by the main window");
    HWND retry = GetDlgItem(seen.box, IDRETRY), cancel = GetDlgItem(seen.box, IDCANCEL);
    Expect(c, seen.buttonCount == 2 && retry && cancel, "message box has %d buttons, expected retry and cancel",
           seen.buttonCount);
    PostMessageW(GetDlgItem(seen.box, button), BM_CLICK, 0, 0);
    for (DWORD start = GetTickCount(); IsWindow(seen.box) && GetTickCount() - start < 5000;) Sleep(10);
    Expect(c, !IsWindow(seen.box), "the message box did not close");
    Settle(c.app);
}

// Retry while the file is still held asks again; once it is let go, retry
// saves the record of the click, once.
void HeldFileSavesOnRetryAfterRelease(CaseContext& c) {
    std::string saved = StartWithOneRecord(c);
    HANDLE held = HoldLikeSpreadsheet(c);
    std::string before = LocalTimeText();
    ClickAndSettle(c.app, kSaveButton);
    std::string clicked = LocalTimeText();
    AnswerBusyFile(c, IDRETRY);
    Expect(c, ReadBytes(RecordFile()) == saved, "held: the file changed");
    // A record built anew at the retry would carry a later time.
    Sleep(1100);
    Release(held);
    AnswerBusyFile(c, IDRETRY);
    ExpectMessageBox(c, kSavedMessage, kSavedCaption, MB_ICONINFORMATION);
    ExpectStatusLine(c, SavedStatus().c_str());
    std::string bytes = ReadBytes(RecordFile());
    if (Expect(c, bytes.compare(0, saved.size(), saved) == 0, "the earlier record changed"))
        ExpectRecords(c, bytes, saved.size(), {kDefaultsRecordBody}, before, clicked);
    RemoveRecords();
}

void HeldFileCancelledSavesNothing(CaseContext& c) {
    std::string saved = StartWithOneRecord(c);
    HANDLE held = HoldLikeSpreadsheet(c);
    ClickAndSettle(c.app, kSaveButton);
    AnswerBusyFile(c, IDCANCEL);
    Expect(c, !MessageBoxOpen(c.app), "another message box after cancel");
    ExpectStatusLine(c, NotSavedStatus().c_str());
    Release(held);
    Expect(c, ReadBytes(RecordFile()) == saved, "cancelled: the file changed");
    RemoveRecords();
}

// Splits CSV text into rows of cells as spreadsheets read it: commas part
// cells, line breaks (CR LF or LF) part rows, and a cell that opens with a
// double quote runs to the closing one, holding commas, line breaks and
// doubled quotes.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
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
        } else if (ch == ',') {
            row.push_back(cell);
            cell.clear();
            inCell = false;
        } else if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            row.push_back(cell);
            rows.push_back(row);
            row.clear();
            cell.clear();
            inCell = false;
        } else {
            cell += ch;
            inCell = true;
        }
    }
    if (inCell || !row.empty()) {
        row.push_back(cell);
        rows.push_back(row);
    }
    return rows;
}

// BurnFluid's result runs over many lines; read back as a spreadsheet reads
// the file, its record is one row holding the result and verdict whole.
void BurnFluidRecordIsOneRow(CaseContext& c) {
    RemoveRecords();
    const struct {
        int input;
        const wchar_t* value;
    } typed[] = {{0, L"60"}, {1, L"40"}, {2, L"10"}, {4, L"2"}, {5, L"500"}};
    for (const auto& box : typed) SetText(FindInputBox(c.app, box.input), box.value);
    Calculate(c);
    const std::wstring result = ReadText(FindControl(c.app, kResultBox));
    const std::wstring verdict = ReadText(FindVerdictLabel(c.app));
    ClickAndSettle(c.app, kSaveButton);
    ExpectMessageBox(c, kSavedMessage, kSavedCaption, MB_ICONINFORMATION);

    const std::string bytes = ReadBytes(RecordFile(404));
    if (!Expect(c, bytes.compare(0, 3, "\xEF\xBB\xBF") == 0, "no byte-order mark")) return;
    const std::vector<std::vector<std::string>> rows = ReadCsv(bytes.substr(3));
    const std::vector<std::string> header = {"时间",     "工具",     "体重",   "Ⅱ+Ⅲ度烧伤面积", "其中Ⅲ度面积",
                                             "年龄组",   "伤后时间", "伤后已输液量", "结果",           "结论"};
    if (!Expect(c, rows.size() == 2, "%zu rows, expected the header and one record", rows.size())) return;
    Expect(c, rows[0] == header, "header of %zu cells: \"%s\"", rows[0].size(), bytes.substr(3, 120).c_str());
    const std::vector<std::string>& record = rows[1];
    if (!Expect(c, record.size() == header.size(), "record of %zu cells", record.size())) return;
    const std::vector<std::string> inputs = {"体重=60",    "Ⅱ+Ⅲ度烧伤面积=40", "其中Ⅲ度面积=10",
                                             "年龄组=0",   "伤后时间=2",        "伤后已输液量=500"};
    Expect(c, record[1] == "烧伤补液（Parkland与国内公式）", "title cell \"%s\"", record[1].c_str());
    Expect(c, std::vector<std::string>(record.begin() + 2, record.begin() + 8) == inputs, "input cells differ");
    Expect(c, std::count(result.begin(), result.end(), L'\n') >= 14, "the result box holds only part of a result");
    Expect(c, record[8] == Utf8(result), "result cell of %zu bytes, the result box's text has %zu", record[8].size(),
           Utf8(result).size());
    Expect(c, record[9] == Utf8(verdict), "verdict cell \"%s\", the window shows \"%s\"", record[9].c_str(),
           Utf8(verdict).c_str());
    RemoveRecords();
}

std::wstring ProgramPath(const App& app) {
    wchar_t path[MAX_PATH] = L"";
    DWORD size = MAX_PATH;
    QueryFullProcessImageNameW(app.process.hProcess, 0, path, &size);
    return path;
}

// Counts the records after the header by their bodies; false at the first
// stretch that is neither.
bool CountRecords(const std::string& bytes, int* defaults, int* rate120) {
    size_t offset = sizeof kMarkAndHeader - 1;
    const std::string first = kDefaultsRecordBody, second = kRate120RecordBody;
    while (offset < bytes.size()) {
        size_t body = offset + kTimeLength;
        if (bytes.compare(body, first.size(), first) == 0) {
            ++*defaults;
            offset = body + first.size();
        } else if (bytes.compare(body, second.size(), second) == 0) {
            ++*rate120;
            offset = body + second.size();
        } else {
            return false;
        }
    }
    return true;
}

HWND VisibleBoxOf(const App& app) {
    for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); box;
         box = FindWindowExW(nullptr, box, L"#32770", nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(box, &process);
        if (process == app.process.dwProcessId && IsWindowVisible(box)) return box;
    }
    return nullptr;
}

// Waits for the program's message box, presses OK and returns its text.
// Without the driver's look at the icon on screen, hundreds of saves take
// seconds rather than minutes.
std::wstring AnswerBox(const App& app) {
    HWND box = nullptr;
    for (DWORD start = GetTickCount(); !box && GetTickCount() - start < 5000; Sleep(2)) box = VisibleBoxOf(app);
    if (!box) return L"";
    std::wstring text = ReadText(GetDlgItem(box, kMessageTextId));
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    for (DWORD start = GetTickCount(); IsWindow(box) && GetTickCount() - start < 5000;) Sleep(2);
    return text;
}

// The save button's notification, as a click sends it. A posted click can
// be lost here: the other program's message box may take the foreground
// between button-down and button-up, and the button then lets go.
void PressSaveAtOnce(const App& app) {
    PostMessageW(app.window, WM_COMMAND, MAKEWPARAM(kSaveButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(FindControl(app, kSaveButton)));
}

// Both programs are asked to save at once, round after round; each answers
// with its own message box.
void TwoProgramsSaveAtOnce(CaseContext& c) {
    constexpr int kSaves = 200;
    RemoveRecords();
    App other;
    if (!Expect(c, LaunchApp(ProgramPath(c.app).c_str(), &other), "the second program did not start")) return;
    SetText(FindInputBox(other, 0), L"120");
    Calculate(c);
    ClickAndSettle(other, kCalculateButton);
    const App* apps[] = {&c.app, &other};
    for (int round = 0; round < kSaves; ++round) {
        for (const App* app : apps) PressSaveAtOnce(*app);
        int saved = 0;
        for (const App* app : apps)
            if (AnswerBox(*app) == kSavedMessage) ++saved;
        if (!Expect(c, saved == 2, "round %d: %d of the two saves said saved", round + 1, saved)) break;
    }
    DWORD exitCode = 0;
    Expect(c, CloseApp(&other, &exitCode), "the second program did not end");
    KillApp(&other);

    std::string bytes = ReadBytes(RecordFile());
    ExpectFileStartsWithMarkAndHeader(c, bytes);
    Expect(c, bytes.find("\xEF\xBB\xBF", 1) == std::string::npos, "a second byte-order mark");
    int defaults = 0, rate120 = 0;
    bool whole = CountRecords(bytes, &defaults, &rate120);
    Expect(c, whole, "a broken record after %d + %d whole ones", defaults, rate120);
    Expect(c, defaults == kSaves && rate120 == kSaves, "%d and %d records, expected %d of each", defaults, rate120,
           kSaves);
    RemoveRecords();
}

const DriverCase kRecordCases[] = {
    {"record_first_save_starts_the_file", FirstSaveStartsTheFile},
    {"record_second_save_adds_only_its_record", SecondSaveAddsOnlyItsRecord},
    {"record_deleted_file_comes_back", DeletedFileComesBack},
    {"record_save_before_calculation_asks_first", SaveBeforeCalculationAsksFirst},
    {"record_save_after_reset_asks_first", SaveAfterResetAsksFirst},
    {"record_folder_as_plain_file_warns", RecordsFolderAsPlainFileWarns},
    {"record_read_only_file_warns", ReadOnlyFileWarns},
    {"record_held_file_saves_on_retry_after_release", HeldFileSavesOnRetryAfterRelease},
    {"record_held_file_cancelled_saves_nothing", HeldFileCancelledSavesNothing},
    {"record_two_programs_save_at_once", TwoProgramsSaveAtOnce},
};

const CaseRegistration registration(kRecordCases, sizeof kRecordCases / sizeof kRecordCases[0]);

const DriverCase kLongRecordCases[] = {{"record_burn_fluid_is_one_csv_row", BurnFluidRecordIsOneRow}};
const CaseRegistration longRecordRegistration(kLongRecordCases, 1, L"BurnFluid.exe");

}  // namespace
