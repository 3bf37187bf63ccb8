#include "store/utf8_file.h"

#include <cstdio>

#include "engine/platform.h"

bool WriteFileBytes(const wchar_t* path, const char* bytes, size_t length) {
    FILE* file = OpenFile(path, "wb");
    if (!file) return false;
    bool complete = std::fwrite(bytes, 1, length, file) == length;
    if (std::fclose(file) != 0) complete = false;
    return complete;
}

bool WriteUtf8File(const wchar_t* path, const wchar_t* text, char* staging, int stagingCapacity) {
    int bytes = ConvertToUtf8(text, staging, stagingCapacity);
    // A text that does not convert still empties the file: an earlier report
    // left in it would read as this one.
    bool converted = bytes > 0;
    return WriteFileBytes(path, staging, converted ? static_cast<size_t>(bytes - 1) : 0) && converted;
}

AppendResult AppendUtf8File(const wchar_t* path, const wchar_t* text, char* staging, int stagingCapacity) {
    int bytes = ConvertToUtf8(text, staging, stagingCapacity);
    return bytes > 0 ? AppendToFile(path, staging, bytes - 1) : AppendFailed;
}
