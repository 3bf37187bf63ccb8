// The record log as the user meets it: "保存记录" in the window, what it
// tells, and what it leaves in the CSV file under the local application-data
// folder of this Wine prefix.
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/driver/driver_case.h"
#include "tests/support/window_expectations.h"

namespace {

namespace fs = std::filesystem;

const wchar_t kSavedMessage[] = L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。";
const wchar_t kSavedCaption[] = L"已保存";
const wchar_t kNotSavedCaption[] = L"保存失败";

const char kMarkAndHeader[] = "\xEF\xBB\xBF时间,工具,输注速度,葡萄糖浓度,体重,结果\r\n";
// What follows the time in the record of the defaults, and of rate 120.
const char kDefaultsRecordBody[] =
    ",Peravin,输注速度=60,葡萄糖浓度=10,体重=60,葡萄糖输注速率：1.67 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n\r\n";
const char kRate120RecordBody[] =
    ",Peravin,输注速度=120,葡萄糖浓度=10,体重=60,葡萄糖输注速率：3.33 mg/kg/min\r\n每日葡萄糖：288.0 g\r\n\r\n";
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
std::wstring RecordFile() { return RecordsFolder() + L"\\T261.csv"; }

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
void FileHeldBySpreadsheetWarns(CaseContext& c) {
    std::string saved = StartWithOneRecord(c);
    HANDLE held = CreateFileW(RecordFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    Expect(c, held != INVALID_HANDLE_VALUE, "the record file could not be held");
    ExpectWarningKeepsFile(c, saved, "held");
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
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
    {"record_file_held_by_spreadsheet_warns", FileHeldBySpreadsheetWarns},
    {"record_two_programs_save_at_once", TwoProgramsSaveAtOnce},
};

const CaseRegistration registration(kRecordCases, sizeof kRecordCases / sizeof kRecordCases[0]);

}  // namespace
