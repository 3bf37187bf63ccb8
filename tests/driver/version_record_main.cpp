// Prints the version record of each exe given, as Explorer's Details tab and
// Task Manager read it: through its first translation. One line each, UTF-8:
//     peravin_version_record.exe PATH\A.exe ...
//     A.exe|FileDescription|ProductName|LegalCopyright
// A text the record lacks prints as "(none)"; an exe without a record as
// "A.exe|(no version record)".
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/driver/driver.h"

namespace {

const wchar_t* const kNames[] = {L"FileDescription", L"ProductName", L"LegalCopyright"};

const wchar_t* FileName(const wchar_t* path) {
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p; ++p)
        if (*p == L'\\' || *p == L'/') name = p + 1;
    return name;
}

std::wstring VersionLine(const wchar_t* path) {
    std::wstring line = FileName(path);
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<unsigned char> record(size);
    struct Translation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!size || !GetFileVersionInfoW(path, 0, size, record.data()) ||
        !VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < sizeof *translation)
        return line + L"|(no version record)";
    for (const wchar_t* name : kNames) {
        wchar_t query[128];
        swprintf(query, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language, translation->codePage, name);
        wchar_t* text = nullptr;
        UINT characters = 0;
        line += L"|";
        if (VerQueryValueW(record.data(), query, reinterpret_cast<void**>(&text), &characters) && text)
            line += text;
        else
            line += L"(none)";
    }
    return line;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) {
        printf("usage: peravin_version_record PATH\\A.exe ...\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) printf("%s\n", Utf8(VersionLine(argv[i])).c_str());
    return 0;
}
