#include "store/utf8_file.h"

#include <cstdio>

#include "engine/platform.h"

bool WriteUtf8File(const wchar_t* path, const wchar_t* text, char* staging, int stagingCapacity) {
    FILE* file = OpenFile(path, "wb");
    if (!file) return false;
    int bytes = ConvertToUtf8(text, staging, stagingCapacity);
    bool complete = bytes > 0;
    if (complete) {
        size_t length = static_cast<size_t>(bytes - 1);
        complete = std::fwrite(staging, 1, length, file) == length;
    }
    if (std::fclose(file) != 0) complete = false;
    return complete;
}

AppendResult AppendUtf8File(const wchar_t* path, const wchar_t* text, char* staging, int stagingCapacity) {
    int bytes = ConvertToUtf8(text, staging, stagingCapacity);
    return bytes > 0 ? AppendToFile(path, staging, bytes - 1) : AppendFailed;
}
