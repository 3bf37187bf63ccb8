// The native programs' command line: their argv joined into one Windows-style
// line, so they read it as the Windows program reads its own.
#pragma once

#include <cwchar>
#include <string>

// An argument holding a blank or a quote, or an empty one, is quoted;
// quotes and the backslashes before them are escaped so that NextArgument
// (shell/command_line.h) gives the argument back unchanged.
inline std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
        } else {
            if (c == L'"') quoted.append(backslashes + 1, L'\\');
            backslashes = 0;
        }
        quoted += c;
    }
    // The closing quote must not be escaped by the backslashes before it.
    quoted.append(backslashes, L'\\');
    return quoted + L'"';
}

// argv[0] is the program's name, quoted when it holds a blank as Windows does.
inline std::wstring NativeCommandLine(int argc, char** argv) {
    std::wstring line;
    for (int i = 0; i < argc; ++i) {
        std::mbstate_t state{};
        const char* source = argv[i];
        std::wstring wide(std::mbsrtowcs(nullptr, &source, 0, &state) + 1, L'\0');
        source = argv[i];
        state = {};
        size_t n = std::mbsrtowcs(&wide[0], &source, wide.size(), &state);
        wide.resize(n == static_cast<size_t>(-1) ? 0 : n);
        if (i) line += L' ';
        line += i == 0 && wide.find(L' ') != std::wstring::npos ? L'"' + wide + L'"' : QuoteArgument(wide);
    }
    return line;
}
