#include "launcher/launcher_texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const wchar_t kPath[] = L"C:\\Program Files\\TolmMed Suite\\BodyMassIndex.exe";
const wchar_t kTitle[] = L"体质指数（中国成人标准）";

std::wstring Made(const std::function<void(wchar_t*, int)>& make) {
    wchar_t text[kOpenFailedMessageCapacity];
    make(text, kOpenFailedMessageCapacity);
    return text;
}

TEST(LauncherTexts, SayWhatTheLauncherShows) {
    struct Row {
        std::wstring made;
        const wchar_t* expected;
    };
    const Row rows[] = {
        {Made([](wchar_t* t, int n) { FormatLauncherSubtitle(51, t, n); }),
         L"共 51 个临床工具  ·  输入名称、缩写或拼音首字母查找"},
        {Made([](wchar_t* t, int n) { FormatListStatus(51, 51, false, t, n); }),
         L"共 51 个工具：↑↓ 选择，回车或双击打开"},
        {Made([](wchar_t* t, int n) { FormatListStatus(3, 51, true, t, n); }),
         L"找到 3 个工具：↑↓ 选择，回车打开，Esc 清空"},
        {Made([](wchar_t* t, int n) { FormatListStatus(0, 51, true, t, n); }), L"没有找到匹配的工具：按 Esc 清空查找"},
        {Made([](wchar_t* t, int n) { FormatOpenedStatus(kTitle, t, n); }), L"已打开：体质指数（中国成人标准）"},
        {Made([](wchar_t* t, int n) { FormatProgramMissingMessage(kPath, kTitle, t, n); }),
         L"找不到程序：\r\nC:\\Program Files\\TolmMed Suite\\BodyMassIndex.exe\r\n\r\n"
         L"“体质指数（中国成人标准）”的程序应与临床工具箱在同一文件夹中。"},
        {Made([](wchar_t* t, int n) { FormatProgramNotStartedMessage(kPath, kTitle, 193, t, n); }),
         L"程序未能启动：\r\nC:\\Program Files\\TolmMed Suite\\BodyMassIndex.exe\r\n\r\n"
         L"“体质指数（中国成人标准）”无法打开（错误 193）。"},
    };
    for (const Row& row : rows) EXPECT_EQ(row.made, row.expected);
    const std::wstring about = Made([](wchar_t* t, int n) { BuildLauncherAboutText(51, t, n); });
    EXPECT_EQ(about.find(L"临床工具箱\r\n\r\n共 51 个临床工具"), 0u);
    EXPECT_EQ(about.substr(about.rfind(L"\r\n")), L"\r\n版本 V" PERAVIN_VERSION_TEXT L"    官网：www.tolmmed.example");
}

// Each text fits the buffer the launcher gives it.
TEST(LauncherTexts, FitTheirBuffers) {
    wchar_t text[kOpenFailedMessageCapacity];
    FormatLauncherSubtitle(999, text, kOpenFailedMessageCapacity);
    EXPECT_LT(std::wstring(text).size(), static_cast<size_t>(kLauncherSubtitleCapacity));
    FormatListStatus(999, 999, false, text, kOpenFailedMessageCapacity);
    EXPECT_LT(std::wstring(text).size(), static_cast<size_t>(kLauncherStatusCapacity));
    BuildLauncherAboutText(999, text, kOpenFailedMessageCapacity);
    EXPECT_LT(std::wstring(text).size(), static_cast<size_t>(kLauncherAboutCapacity));
}

}  // namespace
