#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/tool_catalogue.h"
#include "store/selftest_report.h"
#include "tests/support/test_files.h"

namespace {

std::string SelfTestBytes() {
    static wchar_t report[kSelfTestReportCapacity];
    BuildSelfTestReport(ConfiguredTool(), report);
    return Utf8Of(report);
}

// A report written over a longer file leaves only itself.
TEST(SelfTest, RunningTwiceLeavesOnlyTheSecondReport) {
    TempFolder folder;
    WriteBytes(folder.Path("report.txt"), std::string(20000, 'x'));
    std::wstring path = folder.WidePath(L"report.txt");
    EXPECT_EQ(RunSelfTest(path.c_str()), kSelfTestPassed);
    EXPECT_EQ(RunSelfTest(path.c_str()), kSelfTestPassed);
    EXPECT_EQ(ReadBytes(folder.Path("report.txt")), SelfTestBytes());
}

TEST(SelfTest, UnwritableReportIsNoPass) {
    TempFolder folder;
    std::wstring missing = folder.WidePath(L"no-such-folder/report.txt");
    EXPECT_EQ(RunSelfTest(missing.c_str()), kSelfTestNotWritten);
    EXPECT_FALSE(FileExists(folder.Path("no-such-folder/report.txt")));
    std::wstring folderItself = folder.WidePath(L"");
    EXPECT_EQ(RunSelfTest(folderItself.c_str()), kSelfTestNotWritten);
}

const InputField kInputs[] = {{"x", L"x", nullptr, 4}};
const OutputField kFailing[] = {{"y", L"商", nullptr, "x/0", nullptr}};
const ToolDef kFailingTool = {.id = 7, .title = L"t", .category = L"c", .basis = L"b", .inputCount = 1,
                              .inputs = kInputs, .outputCount = 1, .outputs = kFailing};

// An output that cannot be computed is exit code 2, from the command line too.
TEST(SelfTest, AFailedOutputIsExitCodeTwo) {
    TempFolder folder;
    std::wstring path = folder.WidePath(L"r.txt");
    EXPECT_EQ(RunSelfTestOf(kFailingTool, path.c_str()), kSelfTestOutputsFailed);
    EXPECT_NE(ReadBytes(folder.Path("r.txt")).find("\r\nERRORS|1\r\n"), std::string::npos);
    const double values[kMaxInputs] = {5};
    EXPECT_EQ(RunCalcReport(kFailingTool, values, path.c_str()), kSelfTestOutputsFailed);
    EXPECT_EQ(ReadBytes(folder.Path("r.txt")).find("TOOL|7|t|c\r\nIN|x|x|5\r\n"), 0u);
}

// For every tool: with the same inputs, the --calc report is the self-test's
// with one IN line per input (and a CHOICE line per choice) after the TOOL line.
TEST(CalcReport, IsTheSelfTestReportWithTheInputLines) {
    static wchar_t selfTest[kSelfTestReportCapacity], calc[kSelfTestReportCapacity];
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        SCOPED_TRACE(kToolCatalogue[t].program);
        BuildSelfTestReport(tool, selfTest);
        double defaults[kMaxInputs] = {};
        for (int i = 0; i < tool.inputCount; ++i) defaults[i] = tool.inputs[i].defaultValue;
        BuildCalcReport(tool, defaults, calc);
        std::vector<std::wstring> lines = CrLfLines(calc);
        std::wstring withoutInputs = lines[0] + L"\r\n";
        size_t l = 1;
        for (int i = 0; i < tool.inputCount; ++i) {
            std::wstring key(tool.inputs[i].key, tool.inputs[i].key + std::strlen(tool.inputs[i].key));
            ASSERT_LT(l + tool.inputs[i].choiceCount, lines.size());
            EXPECT_EQ(lines[l].rfind(L"IN|" + key + L"|" + tool.inputs[i].label + L"|", 0), 0u) << lines[l];
            for (int c = 1; c <= tool.inputs[i].choiceCount; ++c)
                EXPECT_EQ(lines[l + c].rfind(L"CHOICE|" + key + L"|", 0), 0u) << lines[l + c];
            l += 1 + tool.inputs[i].choiceCount;
        }
        for (; l < lines.size(); ++l) withoutInputs += lines[l] + L"\r\n";
        EXPECT_EQ(withoutInputs, std::wstring(selfTest));
    }
}

TEST(SelfTest, DetailFlattening) {
    struct Case {
        std::wstring result;
        std::wstring detail;
    } cases[] = {
        {L"", L""},
        {L"a\r\nb\r\n", L"a b "},
        {L"\r\r\n\n", L"  "},
        {std::wstring(8001, L'x'), std::wstring(8000, L'x')},
        {std::wstring(8000, L'x') + L"\r", std::wstring(8000, L'x')},
        {[] {
             std::wstring s;
             for (int i = 0; i < 2000; ++i) s += L"abc\r\n";
             return s;
         }(),
         [] {
             std::wstring s;
             for (int i = 0; i < 2000; ++i) s += L"abc ";
             return s;
         }()},
    };
    static wchar_t detail[kSelfTestDetailLimit + 1];
    for (const Case& c : cases) {
        FlattenDetail(c.result.c_str(), detail);
        EXPECT_EQ(std::wstring(detail), c.detail);
    }
}

// Sixteen outputs with long Chinese labels: a report of well over 8191 UTF-8
// bytes, which must still reach its file whole.
const wchar_t kLongLabel[] =
    L"很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签"
    L"很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签"
    L"很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签"
    L"很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签很长的标签";
const OutputField kLong = {"v", kLongLabel, nullptr, "1", "f0"};
const OutputField kLongOutputs[16] = {kLong, kLong, kLong, kLong, kLong, kLong, kLong, kLong,
                                      kLong, kLong, kLong, kLong, kLong, kLong, kLong, kLong};
const ToolDef kLongTool = {8, L"t", nullptr, L"c", L"b", nullptr, 0, nullptr, 16, kLongOutputs, 0, nullptr, 0};

TEST(SelfTest, LargeReportIsWrittenWhole) {
    static wchar_t report[kSelfTestReportCapacity];
    BuildSelfTestReport(kLongTool, report);
    TempFolder folder;
    std::wstring path = folder.WidePath(L"r.txt");
    EXPECT_EQ(RunSelfTestOf(kLongTool, path.c_str()), 0);
    std::string bytes = ReadBytes(folder.Path("r.txt"));
    EXPECT_GT(bytes.size(), 2u * 8191u);
    EXPECT_EQ(bytes.substr(bytes.size() - 10), "ERRORS|0\r\n");
    EXPECT_EQ(bytes, Utf8Of(report));
}

}  // namespace
