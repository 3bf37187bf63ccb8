#include "shell/input_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct AcceptedCase {
    const wchar_t* text;
    double value;
};

// Spaces at both ends are skipped; the rest must be one number as wcstod reads it.
const AcceptedCase kAccepted[] = {
    {L"", 0},        {L"   ", 0},      {L"60", 60},     {L" 5", 5},    {L"5 ", 5},   {L"  12.5  ", 12.5},
    {L"1e3", 1000},  {L"-3", -3},      {L"+7", 7},      {L".5", 0.5},  {L"5.", 5},   {L"0x10", 16},
    {L"1E-2", 0.01}, {L"\t8", 8},      {L"1.7976931348623157e308", 1.7976931348623157e308},
};

TEST(ReadInputNumber, AcceptsOneWholeFiniteNumber) {
    for (const AcceptedCase& row : kAccepted) {
        double value = -999;
        EXPECT_TRUE(ReadInputNumber(row.text, &value)) << "text: " << testing::PrintToString(row.text);
        EXPECT_DOUBLE_EQ(value, row.value) << "text: " << testing::PrintToString(row.text);
    }
}

// Not finite, not a number, or a number with anything after it.
const wchar_t* const kRejected[] = {
    L"inf",  L"-inf", L"infinity", L"nan", L"NAN(1)", L"1e999", L"-1e999",
    L"abc",  L"12abc", L"1,5",     L"1 2", L"-",      L".",     L"0x",
    L"5kg",  L"\xFF16\xFF10",  // full-width digits
    L"60\t", L"1e",   L"e5",
};

TEST(ReadInputNumber, RejectsAnythingElseAndKeepsTheValue) {
    for (const wchar_t* text : kRejected) {
        double value = 42;
        EXPECT_FALSE(ReadInputNumber(text, &value)) << "text: " << testing::PrintToString(text);
        EXPECT_EQ(value, 42) << "text: " << testing::PrintToString(text);
    }
}

// A box reads 127 characters; a longer text is rejected, not read cut:
// 200 digits would otherwise read as about 1e126.
TEST(ReadInputNumber, TextLongerThanABoxReadsIsRejected) {
    struct Row {
        std::wstring text;
        bool accepted;
    };
    const Row rows[] = {
        {std::wstring(126, L' ') + L"5", true},
        {std::wstring(127, L' ') + L"5", false},
        {L"5" + std::wstring(126, L' '), true},
        {L"5" + std::wstring(127, L' '), false},
        {std::wstring(127, L'9'), true},
        {std::wstring(128, L'9'), false},
        {std::wstring(200, L'9'), false},
        {std::wstring(128, L' '), false},
    };
    for (const Row& row : rows) {
        double value = 42;
        EXPECT_EQ(ReadInputNumber(row.text.c_str(), &value), row.accepted) << "length " << row.text.size();
        if (!row.accepted) {
            EXPECT_EQ(value, 42);
        }
    }
}

// All accepted, every value is written; a rejected box leaves every value as
// it was, the earlier boxes included, so a later save never pairs new values
// with an old result.
TEST(ReadInputNumbers, NamesTheFirstRejectedBoxAndChangesNothing) {
    struct Row {
        int count;
        const wchar_t* texts[3];
        int rejected;
        double after[3];
    };
    const Row rows[] = {
        {3, {L"120", L" 12.5", L""}, -1, {120, 12.5, 0}},
        {0, {}, -1, {60, 10, 60}},
        {3, {L"abc", L"10", L"60"}, 0, {60, 10, 60}},
        {3, {L"120", L"inf", L"60"}, 1, {60, 10, 60}},
        {3, {L"120", L"12.5", L"3x"}, 2, {60, 10, 60}},
        {3, {L"120", L"nan", L"1e999"}, 1, {60, 10, 60}},
    };
    for (const Row& row : rows) {
        double values[3] = {60, 10, 60};
        EXPECT_EQ(ReadInputNumbers(row.count ? row.texts : nullptr, row.count, values), row.rejected);
        EXPECT_EQ(std::vector<double>(values, values + 3), std::vector<double>(row.after, row.after + 3));
    }
}

}  // namespace
