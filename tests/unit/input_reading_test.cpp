#include "shell/input_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Spaces at both ends are skipped; the rest must be one finite number as
// wcstod reads it, within the 127 characters a box reads (200 digits would
// otherwise read as about 1e126). A rejected text leaves the value as it was.
TEST(ReadInputNumber, AcceptsOneWholeFiniteNumberOnly) {
    const std::wstring spaces126(126, L' ');
    const struct {
        std::wstring text;
        bool accepted;
        double value;
    } rows[] = {
        {L"", true, 0},        {L"   ", true, 0},    {L"60", true, 60},     {L" 5", true, 5},
        {L"5 ", true, 5},      {L"  12.5  ", true, 12.5}, {L"1e3", true, 1000}, {L"-3", true, -3},
        {L"+7", true, 7},      {L".5", true, 0.5},   {L"5.", true, 5},      {L"0x10", true, 16},
        {L"1E-2", true, 0.01}, {L"\t8", true, 8},    {L"1.7976931348623157e308", true, 1.7976931348623157e308},
        {spaces126 + L"5", true, 5}, {L"5" + spaces126, true, 5}, {std::wstring(126, L'0') + L"5", true, 5},
        // Not finite, not a number, a number with anything after it, too long.
        {L"inf", false, 0},    {L"-inf", false, 0},  {L"infinity", false, 0}, {L"nan", false, 0},
        {L"NAN(1)", false, 0}, {L"1e999", false, 0}, {L"-1e999", false, 0}, {L"abc", false, 0},
        {L"12abc", false, 0},  {L"1,5", false, 0},   {L"1 2", false, 0},    {L"-", false, 0},
        {L".", false, 0},      {L"0x", false, 0},    {L"5kg", false, 0},    {L"\xFF16\xFF10", false, 0},  // full-width
        {L"60\t", false, 0},   {L"1e", false, 0},    {L"e5", false, 0},
        {L" " + spaces126 + L"5", false, 0}, {L"5 " + spaces126, false, 0}, {std::wstring(128, L'9'), false, 0},
        {std::wstring(200, L'9'), false, 0}, {std::wstring(128, L' '), false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text.substr(0, 20)) + ", length " + std::to_string(row.text.size()));
        double value = 42;
        EXPECT_EQ(ReadInputNumber(row.text.c_str(), &value), row.accepted);
        EXPECT_DOUBLE_EQ(value, row.accepted ? row.value : 42);
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
