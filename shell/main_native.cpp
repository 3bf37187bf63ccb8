// The native build's command-line program: the same self-test as the
// Windows program; the window needs Windows.
#include <clocale>
#include <cstdio>
#include <cwchar>
#include <string>

#include "shell/command_line.h"
#include "store/selftest_report.h"

namespace {

// Rebuilds a Windows-style command line; arguments holding a space are
// quoted, as a shell would have typed them.
std::wstring JoinArguments(int argc, char** argv) {
    std::wstring line;
    for (int i = 0; i < argc; ++i) {
        if (i) line += L' ';
        std::mbstate_t state{};
        const char* source = argv[i];
        std::wstring wide(std::mbsrtowcs(nullptr, &source, 0, &state) + 1, L'\0');
        source = argv[i];
        state = {};
        size_t n = std::mbsrtowcs(&wide[0], &source, wide.size(), &state);
        wide.resize(n == static_cast<size_t>(-1) ? 0 : n);
        bool quote = wide.find(L' ') != std::wstring::npos;
        if (quote) line += L'"';
        line += wide;
        if (quote) line += L'"';
    }
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, "C.UTF-8");
    std::wstring commandLine = JoinArguments(argc, argv);
    wchar_t path[kReportPathCapacity];
    if (ParseSelfTestPath(commandLine.c_str(), path)) return RunSelfTest(path);
    std::fprintf(stderr, "The window needs Windows (or Wine): run Peravin.exe, or use --selftest here.\n");
    return 1;
}
