#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "engine/platform.h"
#include "store/record_file.h"

namespace {

// Record paths are built with Windows separators; here each is a '/'.
bool NarrowPath(const wchar_t* path, char* narrow) {
    if (ConvertToUtf8(path, narrow, kNarrowPathCapacity) == 0) return false;
    for (char* c = narrow; *c; ++c)
        if (*c == '\\') *c = '/';
    return true;
}

bool WriteAll(int fd, const char* bytes, int count) {
    return write(fd, bytes, static_cast<size_t>(count)) == static_cast<ssize_t>(count);
}

bool WriteNewFile(const char* path, const char* bytes, int count) {
    int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) return false;
    bool complete = WriteAll(fd, bytes, count);
    if (close(fd) != 0) complete = false;
    return complete;
}

}  // namespace

void MakeFolder(const wchar_t* path) {
    char narrow[kNarrowPathCapacity];
    if (NarrowPath(path, narrow)) mkdir(narrow, 0777);
}

bool IsFolder(const wchar_t* path) {
    char narrow[kNarrowPathCapacity];
    struct stat info;
    return NarrowPath(path, narrow) && stat(narrow, &info) == 0 && S_ISDIR(info.st_mode);
}

bool FileReadable(const wchar_t* path) {
    char narrow[kNarrowPathCapacity];
    if (!NarrowPath(path, narrow)) return false;
    int fd = open(narrow, O_RDONLY);
    if (fd < 0) return false;
    close(fd);
    return true;
}

NewFileResult CreateFileWith(const wchar_t* path, const char* bytes, int count) {
    char narrow[kNarrowPathCapacity];
    char privateName[kNarrowPathCapacity + 16];
    if (!NarrowPath(path, narrow)) return NewFileFailed;
    std::snprintf(privateName, sizeof privateName, "%s.%ld.new", narrow, static_cast<long>(getpid()));
    if (!WriteNewFile(privateName, bytes, count)) {
        unlink(privateName);
        return NewFileFailed;
    }
    // link fails when the name is taken: of several saves starting the
    // file, exactly one succeeds.
    int linked = link(privateName, narrow);
    int error = errno;
    unlink(privateName);
    if (linked == 0) return NewFileCreated;
    return error == EEXIST ? NewFileExisted : NewFileFailed;
}

// Files here are never held against writers, so an append is done or failed.
AppendResult AppendToFile(const wchar_t* path, const char* bytes, int count) {
    char narrow[kNarrowPathCapacity];
    if (!NarrowPath(path, narrow)) return AppendFailed;
    // A file that nobody may write is read-only, as on Windows, even for a
    // user whom the file system would let through.
    struct stat info;
    if (stat(narrow, &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return AppendFailed;
    // O_APPEND: every write lands at the end of the file as it is then,
    // whoever else is appending.
    int fd = open(narrow, O_WRONLY | O_APPEND);
    if (fd < 0) return AppendFailed;
    bool complete = WriteAll(fd, bytes, count);
    if (close(fd) != 0) complete = false;
    return complete ? AppendDone : AppendFailed;
}
