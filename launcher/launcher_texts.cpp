#include "launcher/launcher_texts.h"

#include "engine/text.h"
#include "shell/shell_texts.h"

const char kLauncherProgram[] = "TolmMedSuite";
const wchar_t kLauncherTitle[] = L"临床工具箱";

const wchar_t kSearchCaption[] = L"查找";
const wchar_t kOpenButtonCaption[] = L"打开 (Enter)";
const wchar_t kLauncherAboutButtonCaption[] = L"关于";
const wchar_t kLauncherAboutCaption[] = L"关于临床工具箱";
const wchar_t kRecentHeading[] = L"最近使用";
const wchar_t kNoMatchText[] = L"没有找到匹配的工具";
const wchar_t kOpenFailedCaption[] = L"无法打开工具";

void FormatLauncherSubtitle(int toolCount, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"共 %d 个临床工具  ·  输入名称、缩写或拼音首字母查找", toolCount);
}

void FormatListStatus(int shown, int total, bool searching, wchar_t* out, int capacity) {
    if (!searching)
        FormatCut(out, capacity, L"共 %d 个工具：↑↓ 选择，回车或双击打开", total);
    else if (shown > 0)
        FormatCut(out, capacity, L"找到 %d 个工具：↑↓ 选择，回车打开，Esc 清空", shown);
    else
        CopyCut(out, capacity, L"没有找到匹配的工具：按 Esc 清空查找");
}

void FormatOpenedStatus(const wchar_t* title, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"已打开：%ls", title);
}

void BuildLauncherAboutText(int toolCount, wchar_t* out, int capacity) {
    FormatCut(out, capacity,
              L"%ls\r\n"
              L"\r\n"
              L"共 %d 个临床工具，按分类列出；输入名称、缩写或拼音首字母即可查找。\r\n"
              L"\r\n",
              kLauncherTitle, toolCount);
    AppendAboutClosing(out, capacity);
}

void FormatProgramMissingMessage(const wchar_t* path, const wchar_t* title, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"找不到程序：\r\n%ls\r\n\r\n“%ls”的程序应与临床工具箱在同一文件夹中。", path, title);
}

void FormatProgramNotStartedMessage(const wchar_t* path, const wchar_t* title, unsigned long error, wchar_t* out,
                                    int capacity) {
    FormatCut(out, capacity, L"程序未能启动：\r\n%ls\r\n\r\n“%ls”无法打开（错误 %lu）。", path, title, error);
}
