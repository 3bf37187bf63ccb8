#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "engine/text.h"

namespace {

// Buffers are pre-filled so a write past the terminator shows.
struct Buffer {
    wchar_t data[32];
    explicit Buffer(const wchar_t* start = L"") {
        std::wmemset(data, L'#', 32);
        std::wcscpy(data, start);
    }
};

TEST(Text, AppendCutAtTheEdges) {
    struct Case {
        const wchar_t* start;
        int capacity;
        const wchar_t* piece;
        const wchar_t* result;
    } cases[] = {
        {L"", 10, L"abc", L"abc"},          {L"ab", 5, L"cdef", L"abcd"},    // cut at capacity - 1
        {L"abcd", 5, L"e", L"abcd"},        {L"abc", 5, L"d", L"abcd"},      // full stays, exact fill
        {L"", 1, L"x", L""},                {L"", 2, L"xy", L"x"},
        {L"ab", 10, nullptr, L"ab"},        {L"ab", 10, L"", L"ab"},
    };
    for (const Case& c : cases) {
        Buffer b(c.start);
        AppendCut(b.data, c.capacity, c.piece);
        EXPECT_EQ(std::wstring(b.data), c.result);
        EXPECT_EQ(b.data[c.capacity], L'#');
    }
}

TEST(Text, CopyAndFormatCut) {
    Buffer b(L"old");
    CopyCut(b.data, 4, L"abcdef");
    EXPECT_EQ(std::wstring(b.data), L"abc");
    EXPECT_EQ(b.data[4], L'#');
    CopyCut(b.data, 4, nullptr);
    EXPECT_EQ(std::wstring(b.data), L"");

    struct Case {
        int capacity;
        const wchar_t* result;
    } cases[] = {{16, L"中文-42-x"}, {7, L"中文-42-"}, {6, L"中文-42"}, {3, L"中文"}, {1, L""}};
    for (const Case& c : cases) {
        Buffer f;
        FormatCut(f.data, c.capacity, L"%ls-%d-%ls", L"中文", 42, L"x");
        EXPECT_EQ(std::wstring(f.data), c.result) << c.capacity;
        EXPECT_EQ(f.data[c.capacity], L'#');
    }

    Buffer a(L"ab");
    AppendFormatCut(a.data, 6, L"%d%%", 1234);
    EXPECT_EQ(std::wstring(a.data), L"ab123");
    AppendFormatCut(a.data, 6, L"%d", 5);
    EXPECT_EQ(std::wstring(a.data), L"ab123");

    char narrow[6];
    FormatCutA(narrow, 6, "%.2f", 12345.678);
    EXPECT_STREQ(narrow, "12345");
    EXPECT_EQ(TextLength(nullptr), 0);
    EXPECT_EQ(TextLength(L"中文"), 2);
    EXPECT_EQ(std::wstring(TextOrEmpty(nullptr)), L"");
}

}  // namespace
