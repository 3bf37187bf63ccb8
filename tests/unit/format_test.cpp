#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <string>

#include "engine/format.h"

namespace {

std::wstring Format(const char* code, double value, int capacity = 128) {
    wchar_t out[128];
    std::wmemset(out, L'#', 128);
    FormatValue(code, value, out, capacity);
    return out;
}

TEST(FormatValue, EachCode) {
    struct Case {
        const char* code;
        double value;
        const wchar_t* text;
    } cases[] = {
        {"f2", 1.0 / 0.6, L"1.67"},   {"f1", 144, L"144.0"},     {"int", 2.4, L"2"},
        {"pct", 12.34, L"12.3%"},      {"f3", 0.5, L"0.500"},     {"f0", 2.6, L"3"},
        {nullptr, 3.14159, L"3.14"},   {"F2", 3.14159, L"3.14"},  {"xyz", 1, L"1.00"},
        {"", 1, L"1.00"},              {"f2", -0.0, L"-0.00"},    {"f1", -2.25, L"-2.2"},
        {"int", 1e6, L"1000000"},      {"pct", -5, L"-5.0%"},     {"date", 0, L"1970-01-01"},
        {"date", 19723, L"2024-01-01"}, {"date", 19723.9, L"2024-01-01"},
        {"date", -0.5, L"1970-01-01"}, {"date", -1, L"1969-12-31"}, {"date", 11016, L"2000-02-29"},
        {"date", -719529, L"-001-12-31"},
    };
    for (const Case& c : cases) EXPECT_EQ(Format(c.code, c.value), c.text) << (c.code ? c.code : "(absent)");
}

// With every code: what cannot be shown reads "--", and the text ends in
// the last place of its buffer at the latest.
TEST(FormatValue, NonFiniteIsTwoDashesAndEveryTextIsTerminated) {
    const char* codes[] = {"f0", "f1", "f2", "f3", "int", "pct", "date", "other", nullptr};
    for (const char* code : codes)
        for (double value : {double(INFINITY), double(-INFINITY), double(NAN), 1.5, 1e300, 19723.0}) {
            SCOPED_TRACE(std::string(code ? code : "(absent)") + " " + std::to_string(value));
            if (!std::isfinite(value)) {
                EXPECT_EQ(Format(code, value), L"--");
            }
            wchar_t out[20];
            std::wmemset(out, L'#', 20);
            FormatValue(code, value, out, 16);
            EXPECT_EQ(out[15], L'\0');
            EXPECT_EQ(out[16], L'#');
        }
}

TEST(FormatValue, HugeValuesStayInsideTheBuffers) {
    // Fixed notation that does not fit the 79-character scratch would show
    // a cut number at a wrong magnitude: such a value reads "--".
    struct Case {
        const char* code;
        double value;
        size_t shownLength;  // 0: "--"
    } cases[] = {
        {"f2", 1e300, 0}, {"f2", -1.7976931348623157e308, 0}, {"f2", 1e80, 0}, {"f0", 2e79, 0},
        {"pct", 2e77, 0}, {"f3", 2e76, 0},                      {"f0", 2e78, 79}, {"f2", 2e75, 79},
    };
    for (const Case& c : cases) {
        std::wstring text = Format(c.code, c.value);
        if (c.shownLength == 0) EXPECT_EQ(text, L"--") << c.code << " " << c.value;
        else EXPECT_EQ(text.size(), c.shownLength) << c.code << " " << c.value;
    }
    EXPECT_LT(Format("date", 1e300).size(), 40u);
    EXPECT_LT(Format("date", -1e300).size(), 40u);
    for (DayNumber day : {INT64_MAX, INT64_MIN, INT64_MAX / 2, -INT64_MAX / 3}) {
        wchar_t text[32];
        FormatDayNumber(day, text, 32);
        EXPECT_LT(std::wcslen(text), 32u);
    }
    // A small output buffer is cut at capacity - 1 and terminated.
    wchar_t small[8];
    std::wmemset(small, L'#', 8);
    FormatValue("f2", 1234567.891, small, 5);
    EXPECT_EQ(std::wstring(small), L"1234");
    EXPECT_EQ(small[5], L'#');
    FormatValue("f2", INFINITY, small, 2);
    EXPECT_EQ(std::wstring(small), L"-");
    FormatValue("date", 0, small, 5);
    EXPECT_EQ(std::wstring(small), L"1970");
}

wchar_t Digit(int n) { return static_cast<wchar_t>(L'0' + n % 10); }

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

TEST(DayNumber, RoundTripOfEveryDayFromYear0To9999) {
    const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    DayNumber expected = DayNumberFromDate(0, 1, 1);
    int mismatches = 0;
    for (int y = 0; y <= 9999; ++y)
        for (int m = 1; m <= 12; ++m) {
            int days = monthDays[m - 1] + (m == 2 && IsLeap(y) ? 1 : 0);
            for (int d = 1; d <= days; ++d, ++expected) {
                DayNumber day = DayNumberFromDate(y, m, d);
                wchar_t text[32];
                FormatDayNumber(day, text, 32);
                const wchar_t want[] = {Digit(y / 1000), Digit(y / 100), Digit(y / 10), Digit(y), L'-',
                                        Digit(m / 10), Digit(m), L'-', Digit(d / 10), Digit(d), L'\0'};
                if (day != expected || std::wcscmp(text, want) != 0) ++mismatches;
            }
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(expected, 2932897);
}

}  // namespace
