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

ToolDef ToolWith(int32_t id, int32_t inputCount, const InputField* inputs) {
    ToolDef tool = CatalogueTool("Peravin");
    tool.id = id;
    tool.title = L"工具";
    tool.inputCount = inputCount;
    tool.inputs = inputs;
    return tool;
}

const LocalTime kSaveTime = {2026, 12, 7, 9, 5, 3};

std::wstring RecordLine(const ToolDef& tool, const double* values, const wchar_t* result,
                        const LocalTime& time = kSaveTime) {
    wchar_t line[kRecordLineCapacity];
    BuildRecordLine(line, tool, values, result, time);
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

TEST(RecordHeader, LabelsInDefinitionOrder) {
    InputField manyLong[kMaxInputs];
    const std::wstring longLabel(40, L'长');
    std::wstring longCells;
    for (InputField& input : manyLong) {
        input = {"k", longLabel.c_str(), nullptr, 0};
        longCells += L"," + longLabel;
    }
    struct Row {
        ToolDef tool;
        std::wstring header;
    };
    const Row rows[] = {
        {CatalogueTool("Peravin"), L"时间,工具,输注速度,葡萄糖浓度,体重,结果\r\n"},
        {ToolWith(1, 0, nullptr), L"时间,工具,结果\r\n"},
        {ToolWith(1, 3, kThreeInputs), L"时间,工具,甲,乙,丙,结果\r\n"},
        // 16 cells of 41 characters overrun the header: cut at 511.
        {ToolWith(1, kMaxInputs, manyLong), (L"时间,工具" + longCells).substr(0, kRecordHeaderCapacity - 1)},
    };
    for (const Row& row : rows) {
        wchar_t header[kRecordHeaderCapacity];
        BuildRecordHeader(header, row.tool);
        EXPECT_EQ(std::wstring(header), row.header);
    }
}

TEST(RecordLine, TimeTitleCellsAndResult) {
    const ToolDef tool = ToolWith(1, 3, kThreeInputs);
    struct Row {
        double values[3];
        LocalTime time;
        const wchar_t* result;
        const wchar_t* line;
    };
    const Row rows[] = {
        {{0.5, 1500000, -3}, kSaveTime, L"R", L"2026-12-07 09:05:03,工具,甲=0.5,乙=1.5e+06,丙=-3,R\r\n"},
        {{60, 0.00001, 1234567}, {2027, 1, 2, 23, 59, 0}, L"x",
         L"2027-01-02 23:59:00,工具,甲=60,乙=1e-05,丙=1.23457e+06,x\r\n"},
        {{0, -0.25, 100000}, kSaveTime, L"", L"2026-12-07 09:05:03,工具,甲=0,乙=-0.25,丙=100000,\r\n"},
        // Nothing is quoted: commas, quotes and line breaks pass unchanged.
        {{1, 2, 3}, kSaveTime, L"a,\"b\"\r\nc\r\n", L"2026-12-07 09:05:03,工具,甲=1,乙=2,丙=3,a,\"b\"\r\nc\r\n\r\n"},
    };
    for (const Row& row : rows) EXPECT_EQ(RecordLine(tool, row.values, row.result, row.time), row.line);
}

TEST(RecordLine, ResultCutToItsFirst254Characters) {
    const ToolDef tool = ToolWith(1, 0, nullptr);
    const std::wstring prefix = L"2026-12-07 09:05:03,工具,";
    struct Row {
        size_t length;
        size_t kept;
    };
    const Row rows[] = {{253, 253}, {254, 254}, {255, 254}, {300, 254}, {8000, 254}};
    for (const Row& row : rows) {
        std::wstring result;
        for (size_t i = 0; i < row.length; ++i) result += static_cast<wchar_t>(L'a' + i % 26);
        EXPECT_EQ(RecordLine(tool, nullptr, result.c_str()), prefix + result.substr(0, row.kept) + L"\r\n")
            << row.length;
    }
}

TEST(RecordLine, DefaultsGiveThreePhysicalLines) {
    const ToolDef& tool = CatalogueTool("Peravin");
    double values[kMaxInputs] = {};
    for (int i = 0; i < tool.inputCount; ++i) values[i] = tool.inputs[i].defaultValue;
    wchar_t resultText[4096];
    wchar_t verdict[512];
    wchar_t lastResult[8192];
    int32_t level = 0;
    RunCalculation(tool, values, resultText, 4096, verdict, 512, &level, lastResult, 8192);

    std::wstring line = RecordLine(tool, values, lastResult);
    EXPECT_EQ(line,
              L"2026-12-07 09:05:03,Peravin,输注速度=60,葡萄糖浓度=10,体重=60,葡萄糖输注速率：1.67 mg/kg/min\r\n"
              L"每日葡萄糖：144.0 g\r\n"
              L"\r\n");
}

}  // namespace
