#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "launcher/suite_selftest_report.h"
#include "store/selftest_report.h"
#include "tests/support/catalogue_tool.h"
#include "tests/support/test_files.h"

namespace {

TEST(ReadSelfTestFields, TheToolIdLevelAndVerdict) {
    struct Case {
        std::string report;
        bool read;
        int32_t toolId = 0, level = 0;
        std::string verdict = "";
    } cases[] = {
        {"TOOL|261|Peravin|营养支持\r\nLEVEL|0\r\nOUT|a|1|\r\nVERDICT|GIR 在合理范围\r\nDETAIL|x\r\nERRORS|0\r\n", true, 261,
         0, "GIR 在合理范围"},
        {"TOOL|410|t|c\r\nIN|w|体重|80\r\nLEVEL|3\r\nVERDICT|\r\n", true, 410, 3, ""},
        {"TOOL|7|t|c\nLEVEL|-1\nVERDICT|a|b", true, 7, -1, "a|b"},
        {"DETAIL|LEVEL|2 VERDICT|x\r\nTOOL|1|t|c\r\nLEVEL|2\r\nVERDICT|v\r\nLEVEL|3\r\n", true, 1, 2, "v"},
        {"TOOL|1|t|c\r\nLEVEL|2\r\nVERDICT|" + std::string(2047, 'v') + "\r\n", true, 1, 2, std::string(2047, 'v')},
        {"TOOL|1|t|c\r\nLEVEL|2\r\nVERDICT|" + std::string(2048, 'v') + "\r\n", false},
        {"", false},
        {"TOOL|1|t|c\r\nVERDICT|v\r\n", false},
        {"LEVEL|0\r\nVERDICT|v\r\n", false},
        {"TOOL|1|t|c\r\nLEVEL|0\r\n", false},
        {"TOOL|x|t|c\r\nLEVEL|0\r\nVERDICT|v\r\n", false},
        {"TOOL|1\r\nLEVEL|0\r\nVERDICT|v\r\n", false},
        {"TOOL|1|t|c\r\nLEVEL|\r\nVERDICT|v\r\n", false},
        {"TOOL|1|t|c\r\nLEVEL|2x\r\nVERDICT|v\r\n", false},
        {"TOOL|1234567890|t|c\r\nLEVEL|0\r\nVERDICT|v\r\n", false},
        {" TOOL|1|t|c\r\nLEVEL|0\r\nVERDICT|v\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.report.substr(0, 60)));
        static SelfTestFields fields;
        EXPECT_EQ(ReadSelfTestFields(c.report.data(), static_cast<int>(c.report.size()), &fields), c.read);
        if (!c.read) continue;
        EXPECT_EQ(fields.toolId, c.toolId);
        EXPECT_EQ(fields.level, c.level);
        EXPECT_EQ(std::string(fields.verdict), c.verdict);
    }
}

const InputField kInputs[] = {{"x", L"x", nullptr, 4}};
const OutputField kDoubles[] = {{"y", L"二倍", nullptr, "x*2", "f0"}};
const OutputField kFails[] = {{"y", L"商", nullptr, "x/0", "f0"}};
const VerdictRule kNotice[] = {{"1", LevelNotice, L"提示：x=4"}};
constexpr ToolDef Tool(int32_t id, const wchar_t* title, const OutputField* outputs) {
    return {.id = id, .title = title, .category = L"c", .basis = L"b", .inputCount = 1, .inputs = kInputs,
            .outputCount = 1, .outputs = outputs, .ruleCount = outputs == kFails ? 0 : 1, .rules = kNotice};
}
const ToolDef kAlpha = Tool(1, L"甲工具", kDoubles);
const ToolDef kGamma = Tool(3, L"丙工具", kDoubles);
const ToolDef kBeta = Tool(2, L"乙工具", kFails);
const ToolDef kOther = Tool(99, L"别的工具", kDoubles);
const CatalogueEntry kEntries[] = {{"Alpha", &kAlpha, L""}, {"Gamma", &kGamma, L""}, {"Beta", &kBeta, L""}};

enum Behaviour { RunsItsSelfTest, IsMissing, DoesNotStart, Hangs, WritesNothing, CarriesAnotherTool, Crashes };

struct FakePrograms {
    std::map<std::string, Behaviour> behaviours;  // the others run their self-test
    std::vector<std::wstring> reportPaths;        // as each program was asked, in order
};

const ToolDef& ToolOf(const char* program) {
    for (const CatalogueEntry& entry : kEntries)
        if (std::strcmp(entry.program, program) == 0) return *entry.tool;
    std::abort();
}

ProgramRun RunFake(const char* program, const wchar_t* reportPath, void* context) {
    FakePrograms& fake = *static_cast<FakePrograms*>(context);
    fake.reportPaths.push_back(reportPath);
    auto found = fake.behaviours.find(program);
    Behaviour behaviour = found == fake.behaviours.end() ? RunsItsSelfTest : found->second;
    switch (behaviour) {
    case IsMissing: return {ProgramMissing, 0};
    case DoesNotStart: return {ProgramNotStarted, 0};
    case Hangs: return {ProgramTimedOut, 0};
    case WritesNothing: return {ProgramEnded, 0};
    case CarriesAnotherTool: return {ProgramEnded, static_cast<uint32_t>(RunSelfTestOf(kOther, reportPath))};
    case Crashes: RunSelfTestOf(ToolOf(program), reportPath); return {ProgramEnded, 0xC0000005u};
    case RunsItsSelfTest: break;
    }
    return {ProgramEnded, static_cast<uint32_t>(RunSelfTestOf(ToolOf(program), reportPath))};
}

const std::string kAlphaPassed = "1|Alpha|甲工具|0|1|提示：x=4\r\n";
const std::string kGammaPassed = "3|Gamma|丙工具|0|1|提示：x=4\r\n";
const std::string kBetaFailed = "2|Beta|乙工具|2|0|请核对输入参数后重新计算\r\n";

TEST(RunSuiteChecks, OneLinePerProgramTheCountsAndTheExitCode) {
    struct Case {
        int count;  // the first entries of kEntries
        std::map<std::string, Behaviour> behaviours;
        std::string report;
        int exitCode;
    } cases[] = {
        {2, {}, kAlphaPassed + kGammaPassed + "COUNTS|2|2|0|0\r\n", kSuitePassed},
        {3, {}, kAlphaPassed + kGammaPassed + kBetaFailed + "COUNTS|3|2|1|0\r\n", kSuiteOutputsFailed},
        {3, {{"Gamma", IsMissing}}, kAlphaPassed + "3|Gamma|丙工具|-|-|程序文件不存在\r\n" + kBetaFailed + "COUNTS|3|1|1|1\r\n",
         kSuiteNotRun},
        {2, {{"Alpha", DoesNotStart}}, "1|Alpha|甲工具|-|-|程序无法启动\r\n" + kGammaPassed + "COUNTS|2|1|0|1\r\n", kSuiteNotRun},
        {2, {{"Alpha", Hangs}}, "1|Alpha|甲工具|-|-|程序超时未结束\r\n" + kGammaPassed + "COUNTS|2|1|0|1\r\n", kSuiteNotRun},
        {2, {{"Alpha", WritesNothing}}, "1|Alpha|甲工具|0|-|程序未写出自检报告\r\n" + kGammaPassed + "COUNTS|2|1|0|1\r\n",
         kSuiteNotRun},
        {2, {{"Alpha", CarriesAnotherTool}},
         "1|Alpha|甲工具|0|-|自检报告属于另一工具（编号 99）\r\n" + kGammaPassed + "COUNTS|2|1|0|1\r\n", kSuiteNotRun},
        {2, {{"Alpha", Crashes}}, "1|Alpha|甲工具|3221225477|-|程序异常退出\r\n" + kGammaPassed + "COUNTS|2|1|0|1\r\n",
         kSuiteNotRun},
        {2, {{"Alpha", IsMissing}, {"Gamma", IsMissing}},
         "1|Alpha|甲工具|-|-|程序文件不存在\r\n3|Gamma|丙工具|-|-|程序文件不存在\r\nCOUNTS|2|0|0|2\r\n", kSuiteNotRun},
        {0, {}, "COUNTS|0|0|0|0\r\n", kSuitePassed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        TempFolder folder;
        FakePrograms fake{c.behaviours, {}};
        std::wstring reports = folder.WidePath(L"");
        std::wstring path = folder.WidePath(L"suite.txt");
        EXPECT_EQ(RunSuiteChecks(kEntries, c.count, reports.c_str(), path.c_str(), RunFake, &fake), c.exitCode);
        EXPECT_EQ(ReadBytes(folder.Path("suite.txt")), c.report);
        std::vector<std::wstring> asked;
        for (int t = 0; t < c.count; ++t) asked.push_back(folder.Path(std::string(kEntries[t].program) + ".txt").wstring());
        EXPECT_EQ(fake.reportPaths, asked);
    }
}

TEST(RunSuiteChecks, UnwritableReportRunsNoProgram) {
    TempFolder folder;
    FakePrograms fake;
    std::wstring reports = folder.WidePath(L"");
    std::wstring path = folder.WidePath(L"no-such-folder/suite.txt");
    EXPECT_EQ(RunSuiteChecks(kEntries, 3, reports.c_str(), path.c_str(), RunFake, &fake), kSuiteNotRun);
    EXPECT_TRUE(fake.reportPaths.empty());
}

// Every tool of the suite passes its self-test and is one line, in list order.
TEST(RunSuiteChecks, EveryToolOfTheSuitePasses) {
    TempFolder folder;
    const std::wstring reports = folder.WidePath(L""), path = folder.WidePath(L"suite.txt");
    const ProgramRunner runTool = [](const char* program, const wchar_t* reportPath, void*) {
        return ProgramRun{ProgramEnded, static_cast<uint32_t>(RunSelfTestOf(CatalogueTool(program), reportPath))};
    };
    EXPECT_EQ(RunSuiteChecks(kToolCatalogue, kToolCatalogueCount, reports.c_str(), path.c_str(), runTool, nullptr),
              kSuitePassed);
    std::string expected;
    static CalculationResult run;
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        Calculate(tool, InputValues(tool).data(), &run);
        expected += std::to_string(tool.id) + "|" + kToolCatalogue[t].program + "|" + Utf8Of(tool.title) + "|0|" +
                    std::to_string(run.level) + "|" + Utf8Of(run.verdictText) + "\r\n";
    }
    const std::string count = std::to_string(kToolCatalogueCount);
    EXPECT_EQ(ReadBytes(folder.Path("suite.txt")), expected + "COUNTS|" + count + "|" + count + "|0|0\r\n");
}

}  // namespace
