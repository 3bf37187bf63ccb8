#include "launcher/suite_selftest.h"

#include <windows.h>

#include "engine/platform.h"
#include "engine/text.h"
#include "engine/tool_catalogue.h"
#include "launcher/suite_selftest_report.h"
#include "shell/command_line.h"

namespace {

// Room for a folder of a long-path install and a program's name.
constexpr int kFolderCapacity = 1024;
constexpr int kProgramCommandCapacity = 2 * kFolderCapacity + 64;
// A self-test takes a fraction of a second; one that hangs must not hold
// up the whole check.
constexpr DWORD kProgramTimeLimitMs = 60000;

// The folder of this program, with its closing backslash.
bool ReadOwnFolder(wchar_t* folder) {
    DWORD length = GetModuleFileNameW(nullptr, folder, kFolderCapacity);
    if (length == 0 || length >= kFolderCapacity) return false;
    wchar_t* slash = wcsrchr(folder, L'\\');
    if (!slash) return false;
    slash[1] = L'\0';
    return true;
}

// A folder of this run under the user's temporary folder, with its closing
// backslash.
bool MakeReportFolder(wchar_t* folder) {
    wchar_t temp[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) return false;
    FormatCut(folder, kFolderCapacity, L"%lsTolmMedSuite-selftest-%lu\\", temp, GetCurrentProcessId());
    return CreateDirectoryW(folder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

void ReportPathOf(const wchar_t* folder, const char* program, wchar_t* path) {
    wchar_t name[kMaxKeyLength + 1];
    if (!WidenAscii(program, name, kMaxKeyLength + 1)) name[0] = L'\0';
    FormatCut(path, kFolderCapacity, L"%ls%ls.txt", folder, name);
}

ProgramRun RunProgram(const char* program, const wchar_t* reportPath, void* context) {
    const wchar_t* programFolder = static_cast<const wchar_t*>(context);
    wchar_t name[kMaxKeyLength + 1];
    if (!WidenAscii(program, name, kMaxKeyLength + 1)) return {ProgramNotStarted, 0};
    wchar_t exe[kFolderCapacity];
    FormatCut(exe, kFolderCapacity, L"%ls%ls.exe", programFolder, name);
    // A report left from an earlier run must not pass for this one's.
    DeleteFileW(reportPath);
    wchar_t commandLine[kProgramCommandCapacity];
    FormatCut(commandLine, kProgramCommandCapacity, L"\"%ls\" --selftest \"%ls\"", exe, reportPath);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(exe, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        DWORD error = GetLastError();
        bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? ProgramMissing : ProgramNotStarted, 0};
    }
    CloseHandle(process.hThread);
    ProgramRun run = {ProgramEnded, 0};
    if (WaitForSingleObject(process.hProcess, kProgramTimeLimitMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, kProgramTimeLimitMs);
        run.end = ProgramTimedOut;
    } else {
        DWORD exitCode = 0;
        if (!GetExitCodeProcess(process.hProcess, &exitCode)) run.end = ProgramNotStarted;
        run.exitCode = exitCode;
    }
    CloseHandle(process.hProcess);
    return run;
}

void RemoveReportFolder(const wchar_t* folder) {
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        wchar_t path[kFolderCapacity];
        ReportPathOf(folder, kToolCatalogue[t].program, path);
        DeleteFileW(path);
    }
    RemoveDirectoryW(folder);
}

}  // namespace

int RunSuiteSelfTest(const wchar_t* commandLine) {
    wchar_t path[kReportPathCapacity];
    // Called without the switch, it runs as if the switch stood alone.
    if (!ParseSuiteSelfTestPath(commandLine, path)) ParseSuiteSelfTestPath(L"--selftest", path);
    static wchar_t programFolder[kFolderCapacity];
    static wchar_t reportFolder[kFolderCapacity];
    if (!ReadOwnFolder(programFolder) || !MakeReportFolder(reportFolder)) return kSuiteNotRun;
    int exitCode =
        RunSuiteChecks(kToolCatalogue, kToolCatalogueCount, reportFolder, path, RunProgram, programFolder);
    RemoveReportFolder(reportFolder);
    return exitCode;
}
