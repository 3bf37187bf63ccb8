#include "tests/records/record_test_support.h"

#include <chrono>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace fs = std::filesystem;

fs::path FsPath(const std::wstring& path) {
#ifdef _WIN32
    return fs::path(path);
#else
    // Test paths are ASCII; the record log's backslashes are separators here.
    std::string narrow;
    for (wchar_t c : path) narrow += c == L'\\' ? '/' : static_cast<char>(c);
    return fs::path(narrow);
#endif
}

bool PathExists(const std::wstring& path) {
    std::error_code error;
    return fs::exists(FsPath(path), error);
}

bool IsDirectory(const std::wstring& path) {
    std::error_code error;
    return fs::is_directory(FsPath(path), error);
}

void RemovePath(const std::wstring& path) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(FsPath(path), error))
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
    fs::permissions(FsPath(path), fs::perms::owner_write, fs::perm_options::add, error);
    fs::remove_all(FsPath(path), error);
}

void MakeDirectories(const std::wstring& path) {
    std::error_code error;
    fs::create_directories(FsPath(path), error);
}

void MakeReadOnly(const std::wstring& path) {
    std::error_code error;
    fs::permissions(FsPath(path), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, error);
}

intptr_t OpenLikeSpreadsheet(const std::wstring& path) {
#ifdef _WIN32
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<intptr_t>(file);
#else
    (void)path;
    return 0;
#endif
}

void CloseHeldFile(intptr_t handle) {
#ifdef _WIN32
    CloseHandle(reinterpret_cast<HANDLE>(handle));
#else
    (void)handle;
#endif
}

intptr_t StartSelf(const std::wstring& arguments) {
#ifdef _WIN32
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(self, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 0;
    CloseHandle(process.hThread);
    return reinterpret_cast<intptr_t>(process.hProcess);
#else
    std::string narrow;
    for (wchar_t c : arguments) narrow += static_cast<char>(c);
    std::string self = fs::read_symlink("/proc/self/exe").string();
    std::string command = "exec '" + self + "' " + narrow;
    const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) return 0;
    return static_cast<intptr_t>(child);
#endif
}

int WaitForExit(intptr_t handle) {
#ifdef _WIN32
    HANDLE process = reinterpret_cast<HANDLE>(handle);
    WaitForSingleObject(process, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return static_cast<int>(code);
#else
    int status = 0;
    if (waitpid(static_cast<pid_t>(handle), &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

void SleepMilliseconds(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
