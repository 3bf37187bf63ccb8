#include <gtest/gtest.h>

#include <string>

#include "shell/command_line.h"

namespace {

TEST(ParseSelfTestPath, ModeAndPath) {
    const std::wstring longPath(600, L'p');
    struct Case {
        std::wstring line;
        bool selfTest;
        std::wstring path;
    } cases[] = {
        {L"Peravin.exe --selftest", true, L"selftest.txt"},
        {L"Peravin.exe --selftest    ", true, L"selftest.txt"},
        {L"Peravin.exe --selftest    out.txt", true, L"out.txt"},
        {L"Peravin.exe --selftest \"C:\\My Reports\\r.txt\"", true, L"C:\\My Reports\\r.txt"},
        {L"Peravin.exe --selftest \"\"", true, L"selftest.txt"},
        {L"Peravin.exe --selftest out.txt more words", true, L"out.txt"},
        {L"Peravin.exe --selftest=r.txt", true, L"=r.txt"},
        {L"Peravin.exe --selftestabc", true, L"abc"},
        {L"Peravin.exe --SELFTEST out.txt", false, L""},
        {L"Peravin.exe x--selftesty", true, L"y"},
        {L"\"C:\\a--selftest\\Peravin.exe\"", true, L"\\Peravin.exe\""},
        {L"Peravin.exe --selftest \"open ended path", true, L"open ended path"},
        {L"Peravin.exe --selftest\tout.txt", true, L"\tout.txt"},
        {L"Peravin.exe --selftest " + longPath, true, longPath.substr(0, 519)},
        {L"Peravin.exe --selftest \"" + longPath + L"\"", true, longPath.substr(0, 519)},
        {L"Peravin.exe --selftest a --selftest b", true, L"a"},
        {L"Peravin.exe", false, L""},
        {L"", false, L""},
    };
    for (const Case& c : cases) {
        wchar_t path[kReportPathCapacity];
        EXPECT_EQ(ParseSelfTestPath(c.line.c_str(), path), c.selfTest);
        EXPECT_EQ(std::wstring(path), c.path);
    }
}

}  // namespace
