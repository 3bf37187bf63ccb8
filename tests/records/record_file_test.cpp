// The record log's file mechanics on the real file system: the Win32 unit
// under Wine in the Windows build, the POSIX unit natively. The program also
// serves as its own helper process for the tests of concurrent saves.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/platform.h"
#include "tests/support/catalogue_tool.h"
#include "store/record_log.h"
#include "store/utf8_file.h"
#include "tests/records/record_test_support.h"
#include "tests/support/test_files.h"

namespace {

const char kMarkAndHeader[] = "\xEF\xBB\xBF时间,工具,输注速度,葡萄糖浓度,体重,结果,结论\r\n";
const wchar_t kVerdict[] = L"V";
const LocalTime kSaveTime = {2026, 12, 7, 9, 5, 3};
constexpr int32_t kConfiguredId = 261;

ToolDef ToolWithId(int32_t id) {
    ToolDef tool = CatalogueTool("Peravin");
    tool.id = id;
    return tool;
}

// One record of the tool, on one physical line.
std::wstring Line(const ToolDef& tool, double a, double b, const std::wstring& result) {
    static wchar_t line[kRecordLineCapacity];
    const double values[] = {a, b, 0};
    BuildRecordLine(line, tool, values, result.c_str(), kVerdict, kSaveTime);
    return line;
}

std::string ExpectedRecord(double a, double b, const std::wstring& result) {
    return Utf8Of(Line(CatalogueTool("Peravin"), a, b, result));
}

SaveOutcome Save(const std::wstring& base, const ToolDef& tool, double a, double b, const std::wstring& result) {
    wchar_t file[kRecordFileCapacity];
    return SaveRecordLine(base.c_str(), tool, Line(tool, a, b, result).c_str(), file);
}

int CountOf(const std::string& bytes, const std::string& part) {
    int count = 0;
    for (size_t at = bytes.find(part); at != std::string::npos; at = bytes.find(part, at + part.size())) ++count;
    return count;
}

std::wstring Widen(const char* text) {
    std::wstring wide;
    for (const char* c = text; *c; ++c) wide += static_cast<wchar_t>(*c);
    return wide;
}

struct RecordSave : testing::Test {
    void SetUp() override {
        root = temp.WidePath(L"fresh");
        base = root + L"\\base";
        folder = base + L"\\TolmMedSuite\\records";
        file = folder + L"\\T261.csv";
    }
    void TearDown() override { RemovePath(root); }

    // Two helper processes save at the same moment: record i of each goes
    // to tool firstId + i % toolCount.
    void SaveFromTwoPrograms(int32_t firstId, int toolCount, int records) {
        std::wstring sync = temp.WidePath(L"sync");
        MakeDirectories(sync);
        intptr_t workers[2];
        for (int w = 0; w < 2; ++w) {
            workers[w] = StartSelf(L"--save-worker \"" + base + L"\" \"" + sync + L"\" " + std::to_wstring(w) +
                                   L" " + std::to_wstring(firstId) + L" " + std::to_wstring(toolCount) + L" " +
                                   std::to_wstring(records));
            ASSERT_NE(workers[w], 0);
        }
        for (int waited = 0; waited < 60000 && !(PathExists(sync + L"\\ready0") && PathExists(sync + L"\\ready1"));
             waited += 5)
            SleepMilliseconds(5);
        WriteBytes(FsPath(sync + L"\\go"), "");
        for (intptr_t worker : workers) EXPECT_EQ(WaitForExit(worker), 0);
    }

    TempFolder temp;
    // Below the temporary folder, so that the save has folders to create.
    std::wstring root, base, folder, file;
};

// The first save makes the folders and starts the file with the mark and the
// header; later saves add only their records; a deleted file starts anew;
// each tool has a file of its own.
TEST_F(RecordSave, SavesStartTheToolsFileAndAddTheirRecords) {
    ASSERT_FALSE(PathExists(root));
    const double values[] = {60, 10, 60};
    wchar_t line[kRecordLineCapacity], recordFile[kRecordFileCapacity];
    ASSERT_TRUE(BuildRecordLine(line, CatalogueTool("Peravin"), values, L"R\r\n", L"V", kSaveTime));
    EXPECT_EQ(SaveRecordLine(base.c_str(), CatalogueTool("Peravin"), line, recordFile), RecordSaved);
    EXPECT_EQ(std::wstring(recordFile), file);
    const std::string first = "2026-12-07 09:05:03,Peravin,输注速度=60,葡萄糖浓度=10,体重=60,\"R\r\n\",V\r\n";
    EXPECT_EQ(ReadBytes(FsPath(file)), kMarkAndHeader + first);
    ASSERT_EQ(Save(base, CatalogueTool("Peravin"), 3, 4, L"second"), RecordSaved);
    EXPECT_EQ(ReadBytes(FsPath(file)), kMarkAndHeader + first + ExpectedRecord(3, 4, L"second"));
    RemovePath(file);
    ASSERT_EQ(Save(base, CatalogueTool("Peravin"), 5, 6, L"third"), RecordSaved);
    EXPECT_EQ(ReadBytes(FsPath(file)), kMarkAndHeader + ExpectedRecord(5, 6, L"third"));
    ASSERT_EQ(Save(base, ToolWithId(7), 1, 2, L"seven"), RecordSaved);
    ASSERT_EQ(Save(base, ToolWithId(1234), 3, 4, L"many"), RecordSaved);
    EXPECT_EQ(ReadBytes(FsPath(folder + L"\\T007.csv")), kMarkAndHeader + ExpectedRecord(1, 2, L"seven"));
    EXPECT_EQ(ReadBytes(FsPath(folder + L"\\T1234.csv")), kMarkAndHeader + ExpectedRecord(3, 4, L"many"));
}

// A file started before records had a verdict keeps its header; new
// records carry the verdict as one more cell.
TEST_F(RecordSave, FileWithoutVerdictColumnKeepsItsHeader) {
    const std::string older = "\xEF\xBB\xBF时间,工具,输注速度,葡萄糖浓度,体重,结果\r\n"
                              "2026-01-01 08:00:00,Peravin,输注速度=60,葡萄糖浓度=10,体重=60,old\r\n";
    MakeDirectories(folder);
    WriteBytes(FsPath(file), older);
    ASSERT_EQ(Save(base, CatalogueTool("Peravin"), 1, 2, L"new"), RecordSaved);
    EXPECT_EQ(ReadBytes(FsPath(file)), older + ExpectedRecord(1, 2, L"new"));
}

// Every failure is reported and leaves the record file as it was.
TEST_F(RecordSave, FailuresAreReportedAndClaimNothing) {
    static const std::wstring kLongTitle(kRecordLineCapacity, L'长');
    static ToolDef longTitleTool = CatalogueTool("Peravin");
    longTitleTool.title = kLongTitle.c_str();
    struct Row {
        const char* name;
        // Prepares the files and returns the base folder to save under.
        std::function<std::wstring(RecordSave&)> setup;
        const ToolDef& tool;
        std::string fileAfter;
    };
    const Row rows[] = {
        {"records folder replaced by a plain file",
         [](RecordSave& t) {
             MakeDirectories(t.base + L"\\TolmMedSuite");
             WriteBytes(FsPath(t.folder), "x");
             return t.base;
         },
         CatalogueTool("Peravin"), ""},
        {"base folder below a plain file",
         [](RecordSave& t) {
             WriteBytes(FsPath(t.root), "x");
             return t.base;
         },
         CatalogueTool("Peravin"), ""},
        {"record file name taken by a folder",
         [](RecordSave& t) {
             MakeDirectories(t.file);
             return t.base;
         },
         CatalogueTool("Peravin"), ""},
        {"base folder too long for the record folder",
         [](RecordSave& t) { return t.root + L"\\" + std::wstring(240, L'a'); }, CatalogueTool("Peravin"), ""},
        {"record file made read-only",
         [](RecordSave& t) {
             Save(t.base, CatalogueTool("Peravin"), 1, 2, L"kept");
             MakeReadOnly(t.file);
             return t.base;
         },
         CatalogueTool("Peravin"), kMarkAndHeader + ExpectedRecord(1, 2, L"kept")},
        {"record too long to convert, existing file",
         [](RecordSave& t) {
             Save(t.base, CatalogueTool("Peravin"), 1, 2, L"kept");
             return t.base;
         },
         longTitleTool, kMarkAndHeader + ExpectedRecord(1, 2, L"kept")},
        // A record that cannot be written whole does not start the file.
        {"record too long to convert, new file", [](RecordSave& t) { return t.base; }, longTitleTool, ""},
    };
    for (const Row& row : rows) {
        RemovePath(root);
        std::wstring saveBase = row.setup(*this);
        EXPECT_EQ(Save(saveBase, row.tool, 5, 6, L"lost"), RecordNotSaved) << row.name;
        std::string after = IsDirectory(file) ? "" : ReadBytes(FsPath(file));
        EXPECT_EQ(after, row.fileAfter) << row.name;
    }
}

// Held, the file is busy and unchanged; let go, the same line saves once.
TEST_F(RecordSave, FileHeldBySpreadsheetIsBusyUntilReleased) {
    ASSERT_EQ(Save(base, CatalogueTool("Peravin"), 1, 2, L"kept"), RecordSaved);
    intptr_t held = OpenLikeSpreadsheet(file);
    if (held == 0) GTEST_SKIP() << "files cannot be held against writers here";
    EXPECT_EQ(Save(base, CatalogueTool("Peravin"), 3, 4, L"later"), RecordFileBusy);
    EXPECT_EQ(ReadBytes(FsPath(file)), kMarkAndHeader + ExpectedRecord(1, 2, L"kept"));
    CloseHeldFile(held);
    EXPECT_EQ(Save(base, CatalogueTool("Peravin"), 3, 4, L"later"), RecordSaved);
    EXPECT_EQ(ReadBytes(FsPath(file)), kMarkAndHeader + ExpectedRecord(1, 2, L"kept") + ExpectedRecord(3, 4, L"later"));
}

// A staging area of 4095 bytes, the terminating zero included.
TEST_F(RecordSave, AppendUtf8FileTakesAtMost4094BytesOfText) {
    constexpr int kStaging = 4095;
    struct Row {
        size_t characters;
        wchar_t character;
        bool appended;
    };
    const Row rows[] = {{4094, L'a', true}, {4095, L'a', false}, {1364, L'长', true}, {1365, L'长', false}};
    MakeDirectories(folder);
    for (const Row& row : rows) {
        WriteBytes(FsPath(file), "old");
        std::wstring text(row.characters, row.character);
        static char staging[kStaging];
        EXPECT_EQ(AppendUtf8File(file.c_str(), text.c_str(), staging, kStaging) == AppendDone, row.appended)
            << row.characters;
        EXPECT_EQ(ReadBytes(FsPath(file)), "old" + (row.appended ? Utf8Of(text) : std::string())) << row.characters;
    }
}

TEST_F(RecordSave, TwoProgramsSaving200EachLeave400WholeRecordsAndOneHeader) {
    constexpr int kRecords = 200;
    SaveFromTwoPrograms(kConfiguredId, 1, kRecords);
    std::string bytes = ReadBytes(FsPath(file));
    ASSERT_EQ(bytes.compare(0, sizeof kMarkAndHeader - 1, kMarkAndHeader), 0);
    EXPECT_EQ(CountOf(bytes, "\xEF\xBB\xBF"), 1);
    EXPECT_EQ(CountOf(bytes, "时间,工具"), 1);
    // Every record is one whole physical line: cut the file at its line ends.
    std::map<std::string, int> seen;
    size_t start = sizeof kMarkAndHeader - 1;
    for (size_t end = bytes.find("\r\n", start); end != std::string::npos; end = bytes.find("\r\n", start)) {
        ++seen[bytes.substr(start, end + 2 - start)];
        start = end + 2;
    }
    EXPECT_EQ(start, bytes.size());
    EXPECT_EQ(seen.size(), 2u * kRecords);
    for (int w = 0; w < 2; ++w)
        for (int i = 0; i < kRecords; ++i)
            EXPECT_EQ(seen[ExpectedRecord(w, i, L"w" + std::to_wstring(w))], 1) << w << " " << i;
}

TEST_F(RecordSave, TwoProgramsStartingTheSameFilesWriteOneHeaderEach) {
    constexpr int kFiles = 100;
    constexpr int32_t kFirstId = 1000;
    SaveFromTwoPrograms(kFirstId, kFiles, kFiles);
    for (int i = 0; i < kFiles; ++i) {
        std::wstring path = folder + L"\\T" + std::to_wstring(kFirstId + i) + L".csv";
        std::string first = kMarkAndHeader + ExpectedRecord(0, i, L"w0") + ExpectedRecord(1, i, L"w1");
        std::string second = kMarkAndHeader + ExpectedRecord(1, i, L"w1") + ExpectedRecord(0, i, L"w0");
        std::string bytes = ReadBytes(FsPath(path));
        EXPECT_TRUE(bytes == first || bytes == second) << i << ": " << bytes;
    }
}

// Helper process: --save-worker BASE SYNC WORKER FIRST_ID TOOL_COUNT RECORDS.
// Says it is ready, waits for the go, then saves; exit code 0 when every
// save succeeded.
int RunSaveWorker(char** argv) {
    std::wstring base = Widen(argv[2]);
    std::wstring sync = Widen(argv[3]);
    int worker = std::stoi(argv[4]);
    int firstId = std::stoi(argv[5]);
    int toolCount = std::stoi(argv[6]);
    int records = std::stoi(argv[7]);
    WriteBytes(FsPath(sync + L"\\ready" + std::to_wstring(worker)), "");
    for (int waited = 0; !PathExists(sync + L"\\go"); waited += 1) {
        if (waited > 60000) return 2;
        SleepMilliseconds(1);
    }
    int failures = 0;
    for (int i = 0; i < records; ++i)
        if (Save(base, ToolWithId(firstId + i % toolCount), worker, i, L"w" + std::to_wstring(worker)) != RecordSaved)
            ++failures;
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 8 && std::string(argv[1]) == "--save-worker") return RunSaveWorker(argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
