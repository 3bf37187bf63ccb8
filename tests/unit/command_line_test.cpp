#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/native_command_line.h"

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

// The suite's self-test has its own default, by the same rules.
TEST(ParseSuiteSelfTestPath, ItsOwnDefault) {
    wchar_t path[kReportPathCapacity];
    EXPECT_TRUE(ParseSuiteSelfTestPath(L"TolmMedSuite.exe --selftest", path));
    EXPECT_STREQ(path, L"suite-selftest.txt");
    EXPECT_TRUE(ParseSuiteSelfTestPath(L"TolmMedSuite.exe --selftest \"D:\\IT Checks\\s.txt\" x", path));
    EXPECT_STREQ(path, L"D:\\IT Checks\\s.txt");
    EXPECT_FALSE(ParseSuiteSelfTestPath(L"TolmMedSuite.exe", path));
}

std::vector<std::wstring> Arguments(const std::wstring& line) {
    std::vector<std::wstring> arguments;
    const wchar_t* cursor = SkipProgramName(line.c_str());
    wchar_t argument[64];
    for (int length; (length = NextArgument(&cursor, argument, 64)) >= 0;) {
        EXPECT_EQ(length, static_cast<int>(std::wstring(argument).size()));
        arguments.push_back(argument);
    }
    return arguments;
}

// As the Windows C runtime splits a command line into argv.
TEST(NextArgument, SplitsAsTheRuntimeDoes) {
    struct Case {
        std::wstring line;
        std::vector<std::wstring> arguments;
    } cases[] = {
        {L"X.exe", {}},
        {L"X.exe   ", {}},
        {L"", {}},
        {L"X.exe a b", {L"a", L"b"}},
        {L"X.exe \t a\t\tb  ", {L"a", L"b"}},
        {L"\"C:\\Program Files\\X.exe\" a", {L"a"}},
        {L"\"C:\\Program Files\\X.exe\"a", {L"a"}},
        {L"C:\\x\\X.exe a", {L"a"}},
        {L"X.exe \"C:\\My Reports\\r.txt\"", {L"C:\\My Reports\\r.txt"}},
        {L"X.exe a\"b c\"d e", {L"ab cd", L"e"}},
        {L"X.exe \"\"", {L""}},
        {L"X.exe \"\" b", {L"", L"b"}},
        {L"X.exe \"a\"\"b\"", {L"a\"b"}},
        {L"X.exe \"open ended path", {L"open ended path"}},
        {L"X.exe a\\b\\\\c", {L"a\\b\\\\c"}},
        {L"X.exe \\\"a", {L"\"a"}},
        {L"X.exe \\\\\"a b\"", {L"\\a b"}},
        {L"X.exe \\\\\\\"a", {L"\\\"a"}},
        {L"X.exe \"C:\\Reports\\\\\"", {L"C:\\Reports\\"}},
        {L"X.exe w=80 h=170", {L"w=80", L"h=170"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Arguments(c.line), c.arguments) << testing::PrintToString(c.line);
}

TEST(NextArgument, CutsTheCopyButCountsTheWholeArgument) {
    const wchar_t* cursor = L" abcdefgh \"ij\" k";
    wchar_t argument[4];
    EXPECT_EQ(NextArgument(&cursor, argument, 4), 8);
    EXPECT_EQ(std::wstring(argument), L"abc");
    EXPECT_EQ(NextArgument(&cursor, argument, 4), 2);
    EXPECT_EQ(std::wstring(argument), L"ij");
    EXPECT_EQ(NextArgument(&cursor, argument, 4), 1);
    EXPECT_EQ(NextArgument(&cursor, argument, 4), -1);
    EXPECT_EQ(std::wstring(argument), L"");
}

// The native programs quote what they were given so that it reads back whole.
TEST(QuoteArgument, ReadsBackUnchanged) {
    const std::wstring arguments[] = {
        L"plain",    L"",          L"two words",      L"tab\there", L"say \"hi\"",  L"\"",
        L"a\\b",     L"ends in\\", L"ends\\\\",  L"\\\"x",     L"C:\\My Reports\\", L"w=80",
    };
    for (const std::wstring& argument : arguments) {
        std::wstring line = L"X.exe " + QuoteArgument(argument) + L" next";
        EXPECT_EQ(Arguments(line), (std::vector<std::wstring>{argument, L"next"})) << testing::PrintToString(line);
    }
}

// A tool of the test: what the calculation line may name.
const InputChoice kGrades[] = {{1, L"一级"}, {2.5, L"二级"}};
const InputChoice kItems[] = {{1, L"甲项"}, {2, L"乙项"}, {4, L"丙项"}};
const InputField kCalcInputs[] = {
    {"w", L"体重", L"kg", 65},
    {"h", L"身高", L"cm", 170},
    {"rate2", L"速度2", nullptr, 1.5},
    Number("n", L"次数", nullptr, 2, 1, 10),
    Choice("grade", L"分级", nullptr, 1, kGrades),
    Checklist("rf", L"危险因素", L"分", kItems),
};
const ToolDef kCalcTool = {.id = 9,
                           .title = L"测试",
                           .category = L"测试",
                           .basis = L"",
                           .inputCount = CountOf(kCalcInputs),
                           .inputs = kCalcInputs};

TEST(ParseCalcCommand, PathKeysAndValues) {
    const std::wstring digits127(127, L'7');
    const std::wstring path519(519, L'p');
    struct Case {
        std::wstring line;
        CalcCommand command;
        std::wstring path = L"";  // when accepted
        double w = 65, h = 170, rate2 = 1.5, n = 2, grade = 1, rf = 0;
    } cases[] = {
        {L"X.exe --calc out.txt w=80 h=160", CalcAccepted, L"out.txt", 80, 160, 1.5},
        {L"X.exe --calc out.txt", CalcAccepted, L"out.txt", 65, 170, 1.5},
        {L"X.exe --calc \"C:\\My Reports\\r.txt\" rate2=3", CalcAccepted, L"C:\\My Reports\\r.txt", 65, 170, 3},
        {L"X.exe w=80 --calc out.txt", CalcAccepted, L"out.txt", 80, 170, 1.5},
        {L"X.exe --calc out.txt h=1e2 w=0x10 rate2=-.5", CalcAccepted, L"out.txt", 16, 100, -0.5},
        {L"X.exe --calc out.txt w= \"h= 12 \"", CalcAccepted, L"out.txt", 0, 12, 1.5},
        {L"X.exe --calc a=b.txt", CalcAccepted, L"a=b.txt", 65, 170, 1.5},
        {L"X.exe --calc out.txt w=" + digits127, CalcAccepted, L"out.txt", 7.7777777777777777e126, 170, 1.5},
        {L"X.exe --calc " + path519, CalcAccepted, path519, 65, 170, 1.5},
        {L"X.exe --calc", CalcNoPath},
        {L"X.exe --calc   ", CalcNoPath},
        {L"X.exe --calc \"\" w=80", CalcNoPath},
        {L"X.exe --calc w=80", CalcNoPath},
        {L"X.exe --calc " + path519 + L"p", CalcPathTooLong},
        {L"X.exe --calc out.txt w", CalcNotKeyValue},
        {L"X.exe --calc out.txt --calc b.txt", CalcNotKeyValue},
        {L"X.exe stray --calc out.txt", CalcNotKeyValue},
        {L"X.exe --calc out.txt W=80", CalcUnknownKey},
        {L"X.exe --calc out.txt weight=80", CalcUnknownKey},
        {L"X.exe --calc out.txt rate=1", CalcUnknownKey},
        {L"X.exe --calc out.txt =5", CalcUnknownKey},
        {L"X.exe --calc out.txt w=80 h=1 w=81", CalcKeyTwice},
        {L"X.exe --calc out.txt w=80 w=80", CalcKeyTwice},
        {L"X.exe --calc out.txt w=abc", CalcValueRejected},
        {L"X.exe --calc out.txt w=5kg", CalcValueRejected},
        {L"X.exe --calc out.txt w=1,5", CalcValueRejected},
        {L"X.exe --calc out.txt w=inf", CalcValueRejected},
        {L"X.exe --calc out.txt w=nan", CalcValueRejected},
        {L"X.exe --calc out.txt w=1e999", CalcValueRejected},
        {L"X.exe --calc out.txt w==5", CalcValueRejected},
        {L"X.exe --calc out.txt w=7" + digits127, CalcValueRejected},
        {L"X.exe --calc out.txt w=" + std::wstring(600, L'7'), CalcValueRejected},
        {L"X.exe", CalcNotAsked},
        {L"X.exe --calcx out.txt w=1", CalcNotAsked},
        {L"X.exe --CALC out.txt", CalcNotAsked},
        {L"X.exe \"--calc out.txt\"", CalcNotAsked},
        {L"X.exe --calc out.txt n=10 grade=2.5 rf=1+3", CalcAccepted, L"out.txt", 65, 170, 1.5, 10, 2.5, 5},
        {L"X.exe --calc out.txt grade=\" 1 \" rf=\" 3+2+1 \"", CalcAccepted, L"out.txt", 65, 170, 1.5, 2, 1, 7},
        {L"X.exe --calc out.txt rf=0", CalcAccepted, L"out.txt"},
        {L"X.exe --calc out.txt n=11", CalcOutOfRange},
        {L"X.exe --calc out.txt n=0.999", CalcOutOfRange},
        {L"X.exe --calc out.txt grade=2", CalcNotAChoice},
        {L"X.exe --calc out.txt grade=", CalcNotAChoice},
        {L"X.exe --calc out.txt grade=1x", CalcNotAChoice},
        {L"X.exe --calc out.txt rf=5", CalcNotAChoice},
        {L"X.exe --calc out.txt rf=4", CalcNotAChoice},
        {L"X.exe --calc out.txt rf=1+1", CalcNotAChoice},
        {L"X.exe --calc out.txt rf=1+", CalcNotAChoice},
        {L"X.exe --calc out.txt rf=0+1", CalcNotAChoice},
        {L"X.exe --calc out.txt rf=", CalcNotAChoice},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.line.substr(0, 80)));
        static CalcRequest request;
        EXPECT_EQ(ParseCalcCommand(c.line.c_str(), kCalcTool, &request), c.command);
        if (c.command != CalcAccepted) continue;
        EXPECT_EQ(std::wstring(request.path), c.path);
        const double expected[] = {c.w, c.h, c.rate2, c.n, c.grade, c.rf};
        for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(request.inputValues[i], expected[i]) << kCalcInputs[i].key;
    }
}

// A refusal names the first argument that broke a rule and the input it
// names, and keeps the path, wherever it stands, so the reason can be
// written beside it.
TEST(ParseCalcCommand, RefusalNamesTheArgumentAndKeepsThePath) {
    struct Case {
        std::wstring line;
        std::wstring argument;
        int input;
        std::wstring path;
    } cases[] = {
        {L"X.exe --calc out.txt w=abc", L"w=abc", 0, L"out.txt"},
        {L"X.exe h=abc w=1 --calc out.txt", L"h=abc", 1, L"out.txt"},
        {L"X.exe --calc out.txt weight=1 w=abc", L"weight=1", -1, L"out.txt"},
        {L"X.exe --calc out.txt rate2=1 rate2=2", L"rate2=2", 2, L"out.txt"},
        {L"X.exe w=abc --calc h=1", L"w=abc", 0, L""},
        {L"X.exe --calc w=80", L"w=80", -1, L""},
        {L"X.exe --calc", L"", -1, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.line));
        static CalcRequest request;
        EXPECT_NE(ParseCalcCommand(c.line.c_str(), kCalcTool, &request), CalcAccepted);
        EXPECT_EQ(std::wstring(request.refusedArgument), c.argument);
        EXPECT_EQ(request.refusedInput, c.input);
        EXPECT_EQ(std::wstring(request.path), c.path);
    }
}

}  // namespace
