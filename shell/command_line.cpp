#include "shell/command_line.h"

#include <cwchar>

#include "engine/text.h"

namespace {

const wchar_t kSelfTestSwitch[] = L"--selftest";
const wchar_t kDefaultReportPath[] = L"selftest.txt";

}  // namespace

const wchar_t* FindSelfTestSwitch(const wchar_t* commandLine) {
    return commandLine ? std::wcsstr(commandLine, kSelfTestSwitch) : nullptr;
}

bool ParseSelfTestPath(const wchar_t* commandLine, wchar_t* path) {
    path[0] = L'\0';
    const wchar_t* at = FindSelfTestSwitch(commandLine);
    if (!at) return false;
    at += sizeof kSelfTestSwitch / sizeof kSelfTestSwitch[0] - 1;
    while (*at == L' ') ++at;
    wchar_t end = L' ';
    if (*at == L'"') {
        ++at;
        end = L'"';
    }
    int length = 0;
    while (at[length] && at[length] != end && length < kReportPathCapacity - 1) {
        path[length] = at[length];
        ++length;
    }
    path[length] = L'\0';
    if (length == 0) CopyCut(path, kReportPathCapacity, kDefaultReportPath);
    return true;
}
