// Writes the self-test report of one catalogue program natively:
//   catalogue_selftest PROGRAM REPORT_PATH
// The end-to-end tests compare each Windows program's report with it.
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "engine/tool_catalogue.h"
#include "store/self_test.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: catalogue_selftest PROGRAM REPORT_PATH\n");
        return 64;
    }
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        if (std::strcmp(kToolCatalogue[t].program, argv[1]) != 0) continue;
        std::wstring path(argv[2], argv[2] + std::strlen(argv[2]));  // ASCII paths only
        return RunSelfTestOf(*kToolCatalogue[t].tool, path.c_str());
    }
    std::fprintf(stderr, "catalogue_selftest: no program %s\n", argv[1]);
    return 64;
}
