#include "shell/shell_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/text.h"

namespace {

const InputChoice kSexes[] = {{1, L"男"}, {0, L"女"}};
const InputChoice kItems[] = {{1, L"静脉曲张"}, {2, L"恶性肿瘤"}, {3, L"血栓家族史"}};
const InputField kInputs[] = {
    Measured("scr", L"血肌酐", L"μmol/L", 90, 10, 3000),
    Number("k", L"系数", nullptr, 1, 0.5, 2),
    Choice("sex", L"性别", nullptr, 1, kSexes),
    Checklist("rf", L"危险因素", L"分", kItems),
};

const ToolDef kTool = {.id = 7, .title = L"工具", .category = L"肾功能", .basis = L"b", .inputCount = 4,
                       .inputs = kInputs};

TEST(FormatInputValue, UsesSixSignificantDigits) {
    const struct {
        double value;
        const wchar_t* text;
    } rows[] = {{60, L"60"}, {0.5, L"0.5"}, {1000000, L"1e+06"}, {0.1234567, L"0.123457"}, {-3, L"-3"}};
    for (const auto& row : rows) {
        wchar_t text[kValueTextCapacity];
        FormatInputValue(row.value, text, kValueTextCapacity);
        EXPECT_STREQ(text, row.text) << row.value;
    }
}

TEST(FormatInputProblem, NamesThePositionTheLabelAndWhatIsWrong) {
    const struct {
        int index;
        InputProblem problem;
        const wchar_t* text;
    } rows[] = {
        {0, InputNotANumber, L"第 1 项“血肌酐”请输入数字。"},
        {0, InputOutOfRange, L"第 1 项“血肌酐”应在 10～3000 μmol/L 之间，请核对单位。"},
        {1, InputOutOfRange, L"第 2 项“系数”应在 0.5～2 之间，请核对。"},
        {0, InputMissing, L"第 1 项“血肌酐”尚未填写，请填入本患者的测量值。"},
    };
    for (const auto& row : rows) {
        wchar_t text[kInputMessageCapacity];
        FormatInputProblem(kTool, row.index, row.problem, text, kInputMessageCapacity);
        EXPECT_STREQ(text, row.text);
    }
}

TEST(FormatChoiceEntry, AScoredItemShowsItsPoints) {
    wchar_t text[64];
    FormatChoiceEntry(kInputs[3], 1, text, 64);
    EXPECT_STREQ(text, L"恶性肿瘤（2分）");
    FormatChoiceEntry(kInputs[2], 1, text, 64);
    EXPECT_STREQ(text, L"女");
}

// The copy says when and from what: every input by its value, choice or
// checked items; the result lines; the verdict; the advice last.
TEST(BuildCopyText, SaysWhenAndFromWhichInputs) {
    static CalculationResult last;
    CopyCut(last.resultText, kResultTextCapacity, L"eGFR：60 ml/min\r\n建议：复查。\r\n");
    CopyCut(last.verdictText, kVerdictTextCapacity, L"轻度下降");
    last.advice = L"复查。";
    const double values[] = {88.4, 1.5, 0, 3};
    const bool checked[kMaxInputChoices] = {true, true, false};
    const LocalTime time = {2026, 12, 8, 9, 5, 7};
    static wchar_t text[kCopyTextCapacity];
    BuildCopyText(kTool, values, checked, last, time, text, kCopyTextCapacity);
    EXPECT_STREQ(text,
                 L"工具\r\n计算时间：2026-12-08 09:05:07\r\n血肌酐：88.4 μmol/L\r\n系数：1.5\r\n性别：女\r\n"
                 L"危险因素：静脉曲张、恶性肿瘤\r\neGFR：60 ml/min\r\n\x2014\x2014 轻度下降\r\n建议：复查。");
}

// The suite's first tool copies what it always has: a formula result with
// "—— " and its verdict below the title, however long; the block has room.
TEST(BuildCopyText, AToolThatCopiesItsResultOnlyCopiesItWhole) {
    ToolDef tool = kTool;
    tool.copyResultOnly = 1;
    static CalculationResult last;
    last.advice = nullptr;
    const int lengths[][2] = {{kResultTextCapacity - 1, kVerdictTextCapacity - 1}, {20, 3}};
    for (const auto& length : lengths) {
        std::wstring result(static_cast<size_t>(length[0]), L'x'), verdict(static_cast<size_t>(length[1]), L'v');
        CopyCut(last.resultText, kResultTextCapacity, result.c_str());
        CopyCut(last.verdictText, kVerdictTextCapacity, verdict.c_str());
        static wchar_t text[kCopyTextCapacity];
        BuildCopyText(tool, nullptr, nullptr, last, LocalTime{}, text, kCopyTextCapacity);
        EXPECT_EQ(std::wstring(text), L"工具\r\n" + result + L"\x2014\x2014 " + verdict);
        EXPECT_EQ(ClipboardTextCapacity(text), TextLength(tool.title) + length[0] + 3 + length[1] + 16);
    }
}

TEST(BuildAboutText, EndsWithTheKeysTheVersionAndTheWebAddress) {
    wchar_t text[kAboutTextCapacity];
    BuildAboutText(kTool, text, kAboutTextCapacity);
    std::wstring about = text;
    EXPECT_EQ(about.find(L"工具\r\n\r\n分类：肾功能\r\n参考依据：b\r\n"), 0u);
    EXPECT_NE(about.find(L"F5 计算"), std::wstring::npos);
    const std::wstring closing = L"版本 V" PERAVIN_VERSION_TEXT L"    官网：www.tolmmed.example";
    EXPECT_EQ(about.substr(about.size() - closing.size()), closing);
}

}  // namespace
