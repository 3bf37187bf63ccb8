// The catalogue from the command line, for the end-to-end scripts and for
// keeping the README in step:
//   catalogue selftest PROGRAM REPORT_PATH   the native self-test of one program
//   catalogue run PROGRAM ARGUMENT...        PROGRAM's modes without a window
//                                            (--selftest, --calc), natively
//   catalogue readme-table [README.md]       the README's tool table; with a
//                                            file, written into its table
//   catalogue golden FILE                    the golden reports, written anew
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

#include "shell/headless.h"
#include "shell/native_command_line.h"
#include "store/selftest_report.h"
#include "tests/support/catalogue_table.h"
#include "tests/support/catalogue_tool.h"
#include "tests/support/golden_reports.h"
#include "tests/support/test_files.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: catalogue selftest PROGRAM REPORT_PATH | catalogue run PROGRAM ARGUMENT... | "
                 "catalogue readme-table [README.md] | catalogue golden FILE\n");
    return 64;
}

const ToolDef* FindTool(const char* program) {
    const ToolDef* tool = FindCatalogueTool(program);
    if (!tool) std::fprintf(stderr, "catalogue: no program %s\n", program);
    return tool;
}

int SelfTest(const char* program, const char* path) {
    const ToolDef* tool = FindTool(program);
    if (!tool) return 64;
    std::wstring widePath(path, path + std::strlen(path));  // ASCII paths only
    return RunSelfTestOf(*tool, widePath.c_str());
}

// "run PROGRAM ARGUMENT...": from PROGRAM on, argv reads as PROGRAM's own
// command line, with this program's name in the place of PROGRAM's.
int Run(int argc, char** argv) {
    const ToolDef* tool = FindTool(argv[2]);
    if (!tool) return 64;
    std::setlocale(LC_CTYPE, "C.UTF-8");
    argv[2] = argv[0];
    std::wstring commandLine = NativeCommandLine(argc - 2, argv + 2);
    int exitCode = 0;
    if (RunHeadless(commandLine.c_str(), *tool, &exitCode)) return exitCode;
    std::fprintf(stderr, "catalogue run: neither --selftest nor --calc\n");
    return 1;
}

int WriteWhole(const char* path, const std::string& text) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return Usage();
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "selftest") == 0) return SelfTest(argv[2], argv[3]);
    if (argc >= 3 && std::strcmp(argv[1], "run") == 0) return Run(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "readme-table") == 0) {
        std::fputs(ReadmeToolTableFromCatalogue().c_str(), stdout);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "readme-table") == 0) {
        if (!FileExists(argv[2])) return Usage();
        return WriteWhole(argv[2], ReadmeWithToolTable(ReadBytes(argv[2])));
    }
    if (argc == 3 && std::strcmp(argv[1], "golden") == 0) return WriteWhole(argv[2], GoldenReports());
    return Usage();
}
