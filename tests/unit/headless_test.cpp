#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/headless.h"
#include "store/selftest_report.h"
#include "tests/support/catalogue_tool.h"
#include "tests/support/test_files.h"

namespace {

// Which mode a command line selects, and what it leaves on disk: every file
// name stands for its path in a fresh folder ("My Reports" has a space).
TEST(RunHeadless, ModeExitCodeAndReport) {
    const ToolDef& bmi = CatalogueTool("BodyMassIndex");
    static wchar_t report[kSelfTestReportCapacity];
    BuildCalcReport(bmi, InputValues(bmi, "w=80").data(), report);
    const std::string calc = Utf8Of(report);
    BuildSelfTestReport(bmi, report);
    const std::string selfTest = Utf8Of(report);
    struct Case {
        std::wstring arguments;  // after the program's name; {c}, {s} and {d} stand for paths
        bool headless;
        int exitCode;
        const char* file = nullptr;           // the report expected, or null when none may appear
        const std::string* report = nullptr;  // what it holds
        bool refusal = false;                 // c.txt.err says why the command line was refused
    } cases[] = {
        {L"--calc {c} w=80", true, 0, "c.txt", &calc},
        {L"w=80 --calc {c}", true, 0, "c.txt", &calc},
        {L"--calc \"{d}My Reports/c.txt\" w=80", true, 0, "My Reports/c.txt", &calc},
        {L"--selftest {s} --calc {c} w=80", true, 0, "s.txt", &selfTest},
        {L"--calc {c} w=80 --selftest {s}", true, 0, "s.txt", &selfTest},
        {L"--calc {c} w=abc", true, kCalcCommandRejected, nullptr, nullptr, true},
        {L"--calc {c} weight=80", true, kCalcCommandRejected, nullptr, nullptr, true},
        {L"--calc {c} w=80 w=81", true, kCalcCommandRejected, nullptr, nullptr, true},
        {L"--calc w=80", true, kCalcCommandRejected},
        {L"--calc", true, kCalcCommandRejected},
        {L"--calc {d}no-such-folder/c.txt w=80", true, kSelfTestNotWritten},
        {L"", false, 0},
        {L"w=80 {c}", false, 0},
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
            if (c.file && std::string(c.file) == name)
                EXPECT_EQ(bytes, *c.report) << name;
            else
                EXPECT_EQ(bytes, std::string(name) == "c.txt" ? "earlier" : "") << name;
        }
    }
}

}  // namespace
