#include "store/record_log.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/calculation.h"
#include "tests/support/catalogue_tool.h"

namespace {

const InputField kThreeInputs[] = {
    {"a", L"甲", nullptr, 0},
    {"b", L"乙", nullptr, 0},
    {"c", L"丙", nullptr, 0},
};

const InputField kQuotedLabel[] = {
    {"a", L"甲\"乙", nullptr, 0},
};

ToolDef ToolWith(int32_t id, int32_t inputCount, const InputField* inputs, const wchar_t* title = L"工具") {
    ToolDef tool = CatalogueTool("Peravin");
    tool.id = id;
    tool.title = title;
    tool.inputCount = inputCount;
    tool.inputs = inputs;
    return tool;
}

const LocalTime kSaveTime = {2026, 12, 7, 9, 5, 3};
const std::wstring kTime = L"2026-12-07 09:05:03";

std::wstring RecordLine(const ToolDef& tool, const double* values, const wchar_t* result, const wchar_t* verdict,
                        const LocalTime& time = kSaveTime) {
    static wchar_t line[kRecordLineCapacity];
    bool whole = BuildRecordLine(line, tool, values, result, verdict, time);
    EXPECT_EQ(whole, line[0] != L'\0');
    return line;
}

TEST(RecordPaths, FolderAndFileByToolId) {
    struct Row {
        const wchar_t* base;
        int32_t id;
        const wchar_t* folder;
        const wchar_t* file;
    };
    const Row rows[] = {
        {L"C:\\L", 7, L"C:\\L\\TolmMedSuite\\records", L"C:\\L\\TolmMedSuite\\records\\T007.csv"},
        {L"C:\\L", 1234, L"C:\\L\\TolmMedSuite\\records", L"C:\\L\\TolmMedSuite\\records\\T1234.csv"},
        {L"C:\\Users\\王\\AppData\\Local", 261, L"C:\\Users\\王\\AppData\\Local\\TolmMedSuite\\records",
         L"C:\\Users\\王\\AppData\\Local\\TolmMedSuite\\records\\T261.csv"},
        {L"D:\\x", 0, L"D:\\x\\TolmMedSuite\\records", L"D:\\x\\TolmMedSuite\\records\\T000.csv"},
    };
    for (const Row& row : rows) {
        wchar_t folder[kRecordFolderCapacity];
        wchar_t file[kRecordFileCapacity];
        EXPECT_TRUE(FormatRecordFolder(folder, row.base));
        FormatRecordFile(file, folder, row.id);
        EXPECT_EQ(std::wstring(folder), row.folder);
        EXPECT_EQ(std::wstring(file), row.file);
    }
}

// "\TolmMedSuite\records" is 21 characters; the folder holds 259.
TEST(RecordPaths, FolderThatDoesNotFitIsRefused) {
    struct Row {
        int baseLength;
        bool fits;
    };
    const Row rows[] = {{237, true}, {238, true}, {239, false}, {259, false}};
    for (const Row& row : rows) {
        std::wstring base = L"C:\\" + std::wstring(static_cast<size_t>(row.baseLength - 3), L'a');
        wchar_t folder[kRecordFolderCapacity];
        EXPECT_EQ(FormatRecordFolder(folder, base.c_str()), row.fits) << row.baseLength;
        if (row.fits) {
            EXPECT_EQ(std::wstring(folder), base + L"\\TolmMedSuite\\records");
        }
    }
}

TEST(RecordHeader, LabelsInDefinitionOrderThenResultAndVerdict) {
    InputField manyLong[kMaxInputs];
    const std::wstring longLabel(300, L'长');
    for (InputField& input : manyLong) input = {"k", longLabel.c_str(), nullptr, 0};
    struct Row {
        ToolDef tool;
        std::wstring header;
    };
    const Row rows[] = {
        {CatalogueTool("Peravin"), L"时间,工具,输注速度,葡萄糖浓度,体重,结果,结论\r\n"},
        {ToolWith(1, 0, nullptr), L"时间,工具,结果,结论\r\n"},
        {ToolWith(1, 3, kThreeInputs), L"时间,工具,甲,乙,丙,结果,结论\r\n"},
        {ToolWith(1, 1, kQuotedLabel), L"时间,工具,\"甲\"\"乙\",结果,结论\r\n"},
        // 16 labels of 300 characters do not fit: no header rather than a cut one.
        {ToolWith(1, kMaxInputs, manyLong), L""},
    };
    for (const Row& row : rows) {
        wchar_t header[kRecordHeaderCapacity];
        EXPECT_EQ(BuildRecordHeader(header, row.tool), !row.header.empty());
        EXPECT_EQ(std::wstring(header), row.header);
    }
}

TEST(RecordLine, OneRowWithCellsQuotedWhereTheyMustBe) {
    const ToolDef three = ToolWith(1, 3, kThreeInputs);
    struct Row {
        const char* name;
        ToolDef tool;
        double values[3];
        LocalTime time;
        const wchar_t* result;
        const wchar_t* verdict;
        std::wstring line;
    };
    const Row rows[] = {
        {"values as %g", three, {0.5, 1500000, -3}, kSaveTime, L"R", L"V",
         kTime + L",工具,甲=0.5,乙=1.5e+06,丙=-3,R,V\r\n"},
        {"time and small values", three, {60, 0.00001, 1234567}, {2027, 1, 2, 23, 59, 0}, L"x", L"",
         L"2027-01-02 23:59:00,工具,甲=60,乙=1e-05,丙=1.23457e+06,x,\r\n"},
        {"multi-line result", three, {0, -0.25, 100000}, kSaveTime, L"第一行：1 ml\r\n第二行：2 ml\r\n", L"高危",
         kTime + L",工具,甲=0,乙=-0.25,丙=100000,\"第一行：1 ml\r\n第二行：2 ml\r\n\",高危\r\n"},
        {"quotes and commas", three, {1, 2, 3}, kSaveTime, L"a,\"b\"\r\nc", L"禁忌,\"勿\"",
         kTime + L",工具,甲=1,乙=2,丙=3,\"a,\"\"b\"\"\r\nc\",\"禁忌,\"\"勿\"\"\"\r\n"},
        {"quoted title and label", ToolWith(1, 1, kQuotedLabel, L"A\"B"), {7}, kSaveTime, L"R", L"V",
         kTime + L",\"A\"\"B\",\"甲\"\"乙=7\",R,V\r\n"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(RecordLine(row.tool, row.values, row.result, row.verdict, row.time), row.line) << row.name;
}

// Nothing is cut: the longest report any tool writes, and the fullest
// result and verdict, all quotes, are held whole; what cannot be held is
// not written at all.
TEST(RecordLine, WholeOrNothing) {
    const ToolDef& roster = CatalogueTool("NurseRoster");
    const double rosterValues[] = {40, 31};
    static CalculationResult run;
    Calculate(roster, rosterValues, &run);
    const std::wstring report = run.resultText;
    ASSERT_GT(report.size(), 6000u);
    ASSERT_EQ(report.find(L'"'), std::wstring::npos);

    const std::wstring fullResult(kResultTextCapacity - 1, L'"'), fullVerdict(kVerdictTextCapacity - 1, L'"');
    const std::wstring longTitle(kRecordLineCapacity, L'长');
    const ToolDef none = ToolWith(1, 0, nullptr);
    struct Row {
        const char* name;
        ToolDef tool;
        const double* values;
        std::wstring result, verdict, line;
    };
    const Row rows[] = {
        {"longest report", roster, rosterValues, report, run.verdictText,
         kTime + L",护士排班表,护士人数=40,排班天数=31,\"" + report + L"\"," + run.verdictText + L"\r\n"},
        {"fullest result and verdict", none, nullptr, fullResult, fullVerdict,
         kTime + L",工具,\"" + fullResult + fullResult + L"\",\"" + fullVerdict + fullVerdict + L"\"\r\n"},
        {"title too long", ToolWith(1, 0, nullptr, longTitle.c_str()), nullptr, L"R", L"V", L""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(RecordLine(row.tool, row.values, row.result.c_str(), row.verdict.c_str()), row.line) << row.name;
}

}  // namespace
