#include "shell/shell_texts.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "engine/text.h"

namespace {

const InputField kInputs[] = {
    {"a", L"输注速度", L"ml/h", 60},
    {"b", L"葡萄糖浓度", L"%", 10},
};

ToolDef MakeTool(int32_t reportKind, const wchar_t* subtitle) {
    return ToolDef{261, L"Peravin", subtitle, L"营养支持", L"GIR=速度×浓度", nullptr, 2, kInputs, 0, nullptr,
                   0, nullptr, reportKind};
}

TEST(FormatInputValue, UsesSixSignificantDigits) {
    struct Row {
        double value;
        const wchar_t* text;
    };
    const Row rows[] = {
        {60, L"60"},   {10, L"10"},          {0.5, L"0.5"},         {1000000, L"1e+06"},
        {0.1234567, L"0.123457"}, {1500000, L"1.5e+06"}, {-3, L"-3"}, {0, L"0"},
    };
    for (const Row& row : rows) {
        wchar_t text[kValueTextCapacity];
        FormatInputValue(row.value, text, kValueTextCapacity);
        EXPECT_STREQ(text, row.text) << row.value;
    }
}

TEST(FormatInputRejected, NamesPositionFromOneAndLabel) {
    ToolDef tool = MakeTool(ReportNone, nullptr);
    wchar_t text[kInputMessageCapacity];
    FormatInputRejected(tool, 1, text, kInputMessageCapacity);
    EXPECT_STREQ(text, L"第 2 项“葡萄糖浓度”请输入数字。");
    FormatInputRejected(tool, 0, text, kInputMessageCapacity);
    EXPECT_STREQ(text, L"第 1 项“输注速度”请输入数字。");
}

TEST(FormatCalculatedStatus, PutsTwoSpacesBeforeTheTitle) {
    ToolDef tool = MakeTool(ReportNone, nullptr);
    wchar_t text[256];
    FormatCalculatedStatus(tool, text, 256);
    EXPECT_STREQ(text, L"计算完成  Peravin");
}

TEST(BuildClipText, FormulaResultGetsDashesAndVerdict) {
    ToolDef tool = MakeTool(ReportNone, nullptr);
    wchar_t text[1024];
    BuildClipText(tool, L"葡萄糖输注速率：1.67 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n", L"GIR 在合理范围", text, 1024);
    EXPECT_STREQ(text, L"葡萄糖输注速率：1.67 mg/kg/min\r\n每日葡萄糖：144.0 g\r\n\x2014\x2014 GIR 在合理范围");
}

TEST(BuildClipText, ReportIsCutToTheBufferWithoutVerdict) {
    ToolDef tool = MakeTool(ReportLabPanels, nullptr);
    std::wstring report(3000, L'检');
    wchar_t text[1024];
    BuildClipText(tool, report.c_str(), L"verdict", text, 1024);
    EXPECT_EQ(TextLength(text), 1023);
    EXPECT_EQ(std::wstring(text), report.substr(0, 1023));
}

TEST(BuildClipText, LongFormulaResultIsCut) {
    ToolDef tool = MakeTool(ReportNone, nullptr);
    std::wstring result(1500, L'x');
    wchar_t text[1024];
    BuildClipText(tool, result.c_str(), L"GIR 在合理范围", text, 1024);
    EXPECT_EQ(std::wstring(text), result.substr(0, 1023));
}

// The copy command's buffers hold a formula tool's whole result and verdict,
// however long, and the clipboard block holds them below the title.
TEST(BuildClipText, WholeResultAndVerdictReachTheClipboard) {
    struct Row {
        int resultLength;
        int verdictLength;
    };
    const Row rows[] = {
        {kResultTextCapacity - 1, kVerdictTextCapacity - 1},
        {kResultTextCapacity - 1, 1},
        {1, kVerdictTextCapacity - 1},
        {1500, 14},
    };
    ToolDef tool = MakeTool(ReportNone, nullptr);
    static wchar_t clip[kClipTextCapacity];
    for (const Row& row : rows) {
        std::wstring result(static_cast<size_t>(row.resultLength), L'x');
        std::wstring verdict(static_cast<size_t>(row.verdictLength), L'v');
        BuildClipText(tool, result.c_str(), verdict.c_str(), clip, kClipTextCapacity);
        std::wstring expected = result + L"\x2014\x2014 " + verdict;
        EXPECT_EQ(std::wstring(clip), expected) << row.resultLength << " + " << row.verdictLength;
        std::wstring block(static_cast<size_t>(ClipboardTextCapacity(tool, clip)), L'\0');
        BuildClipboardText(tool, clip, &block[0], static_cast<int>(block.size()));
        EXPECT_EQ(std::wstring(block.c_str()), L"Peravin\r\n" + expected) << row.resultLength << " + " << row.verdictLength;
    }
}

TEST(BuildClipboardText, TitleLineBreakClipText) {
    ToolDef tool = MakeTool(ReportNone, nullptr);
    wchar_t text[64];
    BuildClipboardText(tool, L"a\r\nb", text, 64);
    EXPECT_STREQ(text, L"Peravin\r\na\r\nb");
}

// The clipboard block holds (both lengths) * 2 + 32 bytes: always room.
TEST(BuildClipboardText, FitsTheBlockSizeOfTheCopyCommand) {
    ToolDef tool = MakeTool(ReportNone, nullptr);
    std::wstring clip(1023, L'y');
    int capacity = (1023 + TextLength(tool.title)) * 2 + 32;
    capacity /= 2;
    std::wstring block(static_cast<size_t>(capacity), L'\0');
    BuildClipboardText(tool, clip.c_str(), &block[0], capacity);
    EXPECT_EQ(std::wstring(block.c_str()), L"Peravin\r\n" + clip);
}

TEST(BuildAboutText, HasTheToolTextsAndTheWebAddress) {
    ToolDef tool = MakeTool(ReportNone, nullptr);
    wchar_t text[kAboutTextCapacity];
    BuildAboutText(tool, text, kAboutTextCapacity);
    EXPECT_STREQ(text,
                 L"Peravin\r\n\r\n分类：营养支持\r\n参考依据：GIR=速度×浓度\r\n\r\n"
                 L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
                 L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n"
                 L"版本 V1.0    官网：www.tolmmed.example");
}

TEST(FormatSubtitleLine, CategoryDotSubtitle) {
    wchar_t text[kSubtitleLineCapacity];
    FormatSubtitleLine(MakeTool(ReportNone, L"按输液速度与浓度计算"), text, kSubtitleLineCapacity);
    EXPECT_STREQ(text, L"营养支持  \x00B7  按输液速度与浓度计算");
    FormatSubtitleLine(MakeTool(ReportNone, nullptr), text, kSubtitleLineCapacity);
    EXPECT_STREQ(text, L"营养支持  \x00B7  ");
}

TEST(FormatBasisLine, CutTo511Characters) {
    std::wstring basis(600, L'b');
    ToolDef tool = MakeTool(ReportNone, nullptr);
    tool.basis = basis.c_str();
    wchar_t text[kBasisLineCapacity];
    FormatBasisLine(tool, text, kBasisLineCapacity);
    EXPECT_EQ(TextLength(text), 511);
    EXPECT_EQ(std::wstring(text).substr(0, 5), L"参考依据：");
}

}  // namespace
