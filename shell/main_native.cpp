// The native build's command-line program: the same self-test and
// calculation from the command line as the Windows program; the window needs
// Windows.
#include <clocale>
#include <cstdio>
#include <string>

#include "engine/tool_def.h"
#include "shell/headless.h"
#include "shell/native_command_line.h"

int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, "C.UTF-8");
    std::wstring commandLine = NativeCommandLine(argc, argv);
    int exitCode = 0;
    if (RunHeadless(commandLine.c_str(), ConfiguredTool(), &exitCode)) return exitCode;
    std::fprintf(stderr, "The window needs Windows (or Wine): run Peravin.exe, or use --selftest or --calc here.\n");
    return 1;
}
