#include "store/selftest_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_files.h"

namespace {

const InputField kInputs[] = {{"x", L"x", nullptr, 4}};
const OutputField kFailing[] = {{"y", L"商", nullptr, "x/0", nullptr}};
const ToolDef kFailingTool = {.id = 7, .title = L"t", .category = L"c", .basis = L"b", .inputCount = 1,
                              .inputs = kInputs, .outputCount = 1, .outputs = kFailing};
// Sixteen outputs with long Chinese labels: well over 2 x 8191 bytes of UTF-8.
const std::wstring kLongLabel(200, L'长');
const std::vector<OutputField> kLongOutputs(16, {"v", kLongLabel.c_str(), nullptr, "1", "f0"});
const ToolDef kLongTool = {.id = 8, .title = L"t", .category = L"c", .basis = L"b", .outputCount = 16,
                           .outputs = kLongOutputs.data()};

// A report replaces whatever its file held and reaches it whole, however
// long; an output that cannot be computed is exit code 2, from the command
// line too; a report that reached no file is no pass.
TEST(SelfTest, WritesTheWholeReportAndSaysHowItWent) {
    const struct {
        const char* name;
        const ToolDef& tool;
        bool calc;
        const char* file;
        int exitCode;
    } rows[] = {
        {"the configured tool over a longer file", ConfiguredTool(), false, "r.txt", kSelfTestPassed},
        {"a failed output", kFailingTool, false, "r.txt", kSelfTestOutputsFailed},
        {"a failed output, --calc", kFailingTool, true, "r.txt", kSelfTestOutputsFailed},
        {"a long report", kLongTool, false, "r.txt", kSelfTestPassed},
        {"a missing folder", ConfiguredTool(), false, "no-such-folder/r.txt", kSelfTestNotWritten},
        {"the folder itself", ConfiguredTool(), true, "", kSelfTestNotWritten},
    };
    static wchar_t report[kSelfTestReportCapacity];
    const double values[kMaxInputs] = {5};
    const std::string earlier(20000, 'x');
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        WriteBytes(folder.Path("r.txt"), earlier);
        const std::wstring path = folder.Path(row.file).wstring();
        if (row.calc) {
            EXPECT_EQ(RunCalcReport(row.tool, values, path.c_str()), row.exitCode);
            BuildCalcReport(row.tool, values, report);
        } else {
            EXPECT_EQ(RunSelfTestOf(row.tool, path.c_str()), row.exitCode);
            BuildSelfTestReport(row.tool, report);
        }
        EXPECT_EQ(ReadBytes(folder.Path("r.txt")), row.exitCode == kSelfTestNotWritten ? earlier : Utf8Of(report));
        EXPECT_FALSE(FileExists(folder.Path("no-such-folder")));
    }
}

// The DETAIL field: the result on one line, of at most 8000 characters, to
// which carriage returns do not count.
TEST(SelfTest, DetailFlattening) {
    const std::wstring x8000(8000, L'x');
    std::wstring lines, flat;
    for (int i = 0; i < 2000; ++i) lines += L"abc\r\n", flat += L"abc ";
    const struct {
        std::wstring result, detail;
    } cases[] = {
        {L"", L""},
        {L"\r\r\n\n", L"  "},
        {x8000 + L"x", x8000},
        {x8000 + L"\r", x8000},
        {lines, flat},
    };
    static wchar_t detail[kSelfTestDetailLimit + 1];
    for (const auto& c : cases) {
        FlattenDetail(c.result.c_str(), detail);
        EXPECT_EQ(std::wstring(detail), c.detail);
    }
}

}  // namespace
