// The catalogue from the command line, for the end-to-end scripts and for
// keeping the README in step:
//   catalogue selftest PROGRAM REPORT_PATH   the native self-test of one program
//   catalogue readme-table                   the README's tool table
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/tool_catalogue.h"
#include "store/selftest_report.h"
#include "tests/support/catalogue_table.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: catalogue selftest PROGRAM REPORT_PATH | catalogue readme-table\n");
    return 64;
}

int SelfTest(const char* program, const char* path) {
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        if (std::strcmp(kToolCatalogue[t].program, program) != 0) continue;
        std::wstring widePath(path, path + std::strlen(path));  // ASCII paths only
        return RunSelfTestOf(*kToolCatalogue[t].tool, widePath.c_str());
    }
    std::fprintf(stderr, "catalogue: no program %s\n", program);
    return 64;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "selftest") == 0) return SelfTest(argv[2], argv[3]);
    if (argc == 2 && std::strcmp(argv[1], "readme-table") == 0) {
        std::fputs(ReadmeToolTableFromCatalogue().c_str(), stdout);
        return 0;
    }
    return Usage();
}
