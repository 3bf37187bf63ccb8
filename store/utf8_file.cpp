#include "store/utf8_file.h"

#include <cstdio>

#include "engine/platform.h"
#include "store/self_test.h"

namespace {

// Room for the UTF-8 form of the largest self-test report: at most four
// bytes for each character (three per UTF-16 unit), so every report fits.
constexpr int kStagingBytes = 4 * kSelfTestReportCapacity;

}  // namespace

bool WriteUtf8File(const wchar_t* path, const wchar_t* text) {
    static char staging[kStagingBytes];
    FILE* file = OpenFile(path, "wb");
    if (!file) return false;
    int bytes = ConvertToUtf8(text, staging, kStagingBytes);
    bool complete = bytes > 0;
    if (complete) {
        size_t length = static_cast<size_t>(bytes - 1);
        complete = std::fwrite(staging, 1, length, file) == length;
    }
    if (std::fclose(file) != 0) complete = false;
    return complete;
}
