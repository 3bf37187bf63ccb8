#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "store/selftest_report.h"
#include "tests/support/test_files.h"

namespace {

const char kDefaultReport[] =
    "TOOL|261|Peravin|\xE8\x90\xA5\xE5\x85\xBB\xE6\x94\xAF\xE6\x8C\x81\r\n"
    "LEVEL|0\r\n"
    "OUT|\xE8\x91\xA1\xE8\x90\x84\xE7\xB3\x96\xE8\xBE\x93\xE6\xB3\xA8\xE9\x80\x9F\xE7\x8E\x87|1.67|mg/kg/min\r\n"
    "OUT|\xE6\xAF\x8F\xE6\x97\xA5\xE8\x91\xA1\xE8\x90\x84\xE7\xB3\x96|144.0|g\r\n"
    "VERDICT|GIR \xE5\x9C\xA8\xE5\x90\x88\xE7\x90\x86\xE8\x8C\x83\xE5\x9B\xB4\r\n"
    "DETAIL|\xE8\x91\xA1\xE8\x90\x84\xE7\xB3\x96\xE8\xBE\x93\xE6\xB3\xA8\xE9\x80\x9F\xE7\x8E\x87\xEF\xBC\x9A"
    "1.67 mg/kg/min \xE6\xAF\x8F\xE6\x97\xA5\xE8\x91\xA1\xE8\x90\x84\xE7\xB3\x96\xEF\xBC\x9A" "144.0 g \r\n"
    "ERRORS|0\r\n";

TEST(SelfTest, DefaultsWriteTheSevenLines) {
    TempFolder folder;
    std::wstring path = folder.WidePath(L"report.txt");
    EXPECT_EQ(RunSelfTest(path.c_str()), 0);
    EXPECT_EQ(ReadBytes(folder.Path("report.txt")), kDefaultReport);
}

TEST(SelfTest, RunningTwiceLeavesOnlyTheSecondReport) {
    TempFolder folder;
    WriteBytes(folder.Path("report.txt"), std::string(20000, 'x'));
    std::wstring path = folder.WidePath(L"report.txt");
    EXPECT_EQ(RunSelfTest(path.c_str()), 0);
    EXPECT_EQ(RunSelfTest(path.c_str()), 0);
    EXPECT_EQ(ReadBytes(folder.Path("report.txt")), kDefaultReport);
}

TEST(SelfTest, UnwritableReportIsNoPass) {
    TempFolder folder;
    std::wstring missing = folder.WidePath(L"no-such-folder/report.txt");
    EXPECT_EQ(RunSelfTest(missing.c_str()), kSelfTestNotWritten);
    EXPECT_FALSE(FileExists(folder.Path("no-such-folder/report.txt")));
    std::wstring folderItself = folder.WidePath(L"");
    EXPECT_EQ(RunSelfTest(folderItself.c_str()), kSelfTestNotWritten);
}

const InputField kInputs[] = {{"x", L"x", L"u", 4}};
const OutputField kOutputs[] = {
    {"first", L"一", nullptr, "x*2", "f0"},      // no unit: empty last field
    {"second", L"二", L"单位", "first+1", "f0"}, // sees the earlier output, as the run does
    {"third", L"三", L"", "x/0", nullptr},       // fails
};
const ToolDef kTool = {7, L"测试|工具", nullptr, L"类\r\n别", L"b", nullptr, 1, kInputs, 3, kOutputs, 0, nullptr, 0};

TEST(SelfTest, OutputsAreEvaluatedAgainInOrder) {
    static wchar_t report[kSelfTestReportCapacity];
    EXPECT_EQ(BuildSelfTestReport(kTool, report), 1);
    EXPECT_EQ(std::wstring(report),
              L"TOOL|7|测试|工具|类\r\n别\r\n"
              L"LEVEL|0\r\n"
              L"OUT|一|8|\r\n"
              L"OUT|二|9|单位\r\n"
              L"OUT|三|0.00|\r\n"
              L"VERDICT|请核对输入参数后重新计算\r\n"
              L"DETAIL|一：8 二：9 单位 三：0.00 （部分结果无法计算，请检查输入是否合理） \r\n"
              L"ERRORS|1\r\n");
    TempFolder folder;
    std::wstring path = folder.WidePath(L"r.txt");
    EXPECT_EQ(RunSelfTestOf(kTool, path.c_str()), kSelfTestOutputsFailed);
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
