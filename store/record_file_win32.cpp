#include <windows.h>

#include "engine/text.h"
#include "store/record_file.h"

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The appenders' lock is one byte far beyond any record file's data, so
// that it never stands in a reader's way.
constexpr DWORD kAppendLockOffsetHigh = 0x40000000;

// The file path, a dot, a process id and ".new".
constexpr int kPrivateNameCapacity = 560;

// One save at a time per process, so the process id keeps the name private;
// it lies beside the target, so putting it in place is a rename.
void FormatPrivateName(wchar_t* name, const wchar_t* path) {
    FormatCut(name, kPrivateNameCapacity, L"%ls.%lu.new", path, GetCurrentProcessId());
}

bool WriteAll(HANDLE file, const char* bytes, int count) {
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes, static_cast<DWORD>(count), &written, nullptr);
    return ok && written == static_cast<DWORD>(count);
}

bool WriteNewFile(const wchar_t* path, const char* bytes, int count) {
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool complete = WriteAll(file, bytes, count);
    if (!CloseHandle(file)) complete = false;
    return complete;
}

}  // namespace

void MakeFolder(const wchar_t* path) { CreateDirectoryW(path, nullptr); }

bool IsFolder(const wchar_t* path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileReadable(const wchar_t* path) {
    HANDLE file = CreateFileW(path, GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

NewFileResult CreateFileWith(const wchar_t* path, const char* bytes, int count) {
    wchar_t privateName[kPrivateNameCapacity];
    FormatPrivateName(privateName, path);
    if (!WriteNewFile(privateName, bytes, count)) {
        DeleteFileW(privateName);
        return NewFileFailed;
    }
    // Without MOVEFILE_REPLACE_EXISTING the rename fails when the name is
    // taken: of several saves starting the file, exactly one succeeds.
    if (MoveFileExW(privateName, path, 0)) return NewFileCreated;
    DWORD error = GetLastError();
    DeleteFileW(privateName);
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? NewFileExisted : NewFileFailed;
}

AppendResult AppendToFile(const wchar_t* path, const char* bytes, int count) {
    // A file marked read-only stays as it is, even where the file system
    // would let this user write it.
    DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return AppendFailed;
    // Append access: every write lands at the end of the file. Read access
    // only so that the file can be locked.
    HANDLE file = CreateFileW(path, FILE_READ_DATA | FILE_APPEND_DATA, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    // A spreadsheet showing the file lets others read it only.
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION ? AppendFileBusy : AppendFailed;
    // Where the end of the file is and the write happen under one lock:
    // not every file system makes an append by another program wait.
    OVERLAPPED region = {};
    region.OffsetHigh = kAppendLockOffsetHigh;
    bool complete = LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &region);
    if (complete) {
        complete = WriteAll(file, bytes, count);
        UnlockFileEx(file, 0, 1, 0, &region);
    }
    if (!CloseHandle(file)) complete = false;
    return complete ? AppendDone : AppendFailed;
}
