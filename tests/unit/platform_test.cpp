#include <gtest/gtest.h>

#include <string>

#include "engine/platform.h"

namespace {

TEST(ConvertToUtf8, TextsThisProgramWrites) {
    struct Case {
        const wchar_t* text;
        std::string bytes;  // terminator included
    } cases[] = {
        {L"", std::string("\0", 1)},
        {L"TOOL|261\r\n", std::string("TOOL|261\r\n\0", 11)},
        {L"营养支持", std::string("\xE8\x90\xA5\xE5\x85\xBB\xE6\x94\xAF\xE6\x8C\x81\0", 13)},
        {L"——：＿", std::string("\xE2\x80\x94\xE2\x80\x94\xEF\xBC\x9A\xEF\xBC\xBF\0", 13)},
        {L"é\U0001F600", std::string("\xC3\xA9\xF0\x9F\x98\x80\0", 7)},
    };
    for (const Case& c : cases) {
        char out[64];
        int n = ConvertToUtf8(c.text, out, sizeof out);
        EXPECT_EQ(std::string(out, static_cast<size_t>(n)), c.bytes);
    }
}

TEST(ConvertToUtf8, TextThatDoesNotFitGivesZero) {
    char out[13];
    EXPECT_EQ(ConvertToUtf8(L"营养支持", out, 12), 0);  // needs 13 with the terminator
    EXPECT_EQ(ConvertToUtf8(L"营养支持", out, 13), 13);
    EXPECT_EQ(ConvertToUtf8(L"abc", out, 3), 0);
    EXPECT_EQ(ConvertToUtf8(L"abc", out, 0), 0);  // nothing fits, on every platform
}

TEST(WidenAscii, CopiesEveryCharacterAndTheTerminator) {
    wchar_t out[8];
    EXPECT_EQ(WidenAscii("-1.5%", out, 8), 6);
    EXPECT_EQ(std::wstring(out), L"-1.5%");
    EXPECT_EQ(WidenAscii("1234567", out, 7), 0);
    EXPECT_EQ(WidenAscii("1", out, 0), 0);
}

TEST(ReadLocalTime, GivesAPlausibleDate) {
    LocalTime now = ReadLocalTime();
    EXPECT_GE(now.year, 2024);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
    EXPECT_TRUE(now.day >= 1 && now.day <= 31);
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23);
}

}  // namespace
