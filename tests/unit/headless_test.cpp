#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/headless.h"
#include "store/selftest_report.h"
#include "tests/support/catalogue_tool.h"
#include "tests/support/test_files.h"

namespace {

std::string SelfTestBytes(const ToolDef& tool) {
    std::vector<wchar_t> report(kSelfTestReportCapacity);
    BuildSelfTestReport(tool, report.data());
    return Utf8Of(report.data());
}

// Which mode a command line selects, and what it leaves on disk: every file
// name stands for its path in a fresh folder ("My Reports" has a space).
TEST(RunHeadless, ModeExitCodeAndReport) {
    const ToolDef& bmi = CatalogueTool("BodyMassIndex");
    const std::string calcHead = "TOOL|410|体质指数（中国成人标准）|体格测量\r\nIN|w|体重|80\r\nIN|h|身高|170\r\nLEVEL|1\r\n";
    struct Case {
        std::wstring arguments;  // after the program's name; {c} and {s} are replaced by paths
        bool headless;
        int exitCode;
        const char* file;   // the report expected, or null when none may appear
        std::string start;  // what that report starts with; "selftest" for the self-test report
        bool refusal = false;  // c.txt.err says why the command line was refused
    } cases[] = {
        {L"--calc {c} w=80", true, 0, "c.txt", calcHead},
        {L"w=80 --calc {c}", true, 0, "c.txt", calcHead},
        {L"--calc \"{d}My Reports/c.txt\" w=80", true, 0, "My Reports/c.txt", calcHead},
        {L"--selftest {s} --calc {c} w=80", true, 0, "s.txt", "selftest"},
        {L"--calc {c} w=80 --selftest {s}", true, 0, "s.txt", "selftest"},
        {L"--calc {c} w=abc", true, kCalcCommandRejected, nullptr, "", true},
        {L"--calc {c} weight=80", true, kCalcCommandRejected, nullptr, "", true},
        {L"--calc {c} w=80 w=81", true, kCalcCommandRejected, nullptr, "", true},
        {L"--calc w=80", true, kCalcCommandRejected, nullptr, ""},
        {L"--calc", true, kCalcCommandRejected, nullptr, ""},
        {L"--calc {d}no-such-folder/c.txt w=80", true, kSelfTestNotWritten, nullptr, ""},
        {L"", false, 0, nullptr, ""},
        {L"w=80 {c}", false, 0, nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        TempFolder folder;
        std::filesystem::create_directories(folder.Path("My Reports"));
        // A file already at the path stays as it was when no report is written.
        WriteBytes(folder.Path("c.txt"), "earlier");
        std::wstring line = L"X.exe " + c.arguments;
        const std::pair<std::wstring, std::wstring> paths[] = {
            {L"{c}", folder.WidePath(L"c.txt")}, {L"{s}", folder.WidePath(L"s.txt")}, {L"{d}", folder.WidePath(L"")}};
        for (const auto& [mark, path] : paths)
            for (size_t at; (at = line.find(mark)) != std::wstring::npos;) line.replace(at, mark.size(), path);

        int exitCode = -1;
        EXPECT_EQ(RunHeadless(line.c_str(), bmi, &exitCode), c.headless);
        EXPECT_EQ(exitCode, c.headless ? c.exitCode : -1);
        std::string refusal = FileExists(folder.Path("c.txt.err")) ? ReadBytes(folder.Path("c.txt.err")) : "";
        EXPECT_EQ(refusal.substr(0, 13), c.refusal ? "\xEF\xBB\xBF--calc 未" : "");
        for (const char* name : {"c.txt", "s.txt", "My Reports/c.txt"}) {
            std::string bytes = FileExists(folder.Path(name)) ? ReadBytes(folder.Path(name)) : "";
            bool expected = c.file && std::string(c.file) == name;
            if (!expected) {
                EXPECT_EQ(bytes, std::string(name) == "c.txt" ? "earlier" : "") << name;
            } else if (c.start == "selftest") {
                EXPECT_EQ(bytes, SelfTestBytes(bmi));
            } else {
                EXPECT_EQ(bytes.substr(0, c.start.size()), c.start) << name;
            }
        }
    }
}

}  // namespace
