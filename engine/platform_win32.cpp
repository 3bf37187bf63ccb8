#include <windows.h>

#include "engine/platform.h"

// A capacity of 0 would ask Windows for the size needed and convert nothing;
// here, as in the portable layer, it means the text does not fit.
int ConvertToUtf8(const wchar_t* text, char* out, int capacity) {
    if (capacity <= 0) return 0;
    return WideCharToMultiByte(CP_UTF8, 0, text, -1, out, capacity, nullptr, nullptr);
}

int WidenAscii(const char* text, wchar_t* out, int capacity) {
    if (capacity <= 0) return 0;
    return MultiByteToWideChar(CP_ACP, 0, text, -1, out, capacity);
}

LocalTime ReadLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

FILE* OpenFile(const wchar_t* path, const char* mode) {
    wchar_t wideMode[8];
    int n = 0;
    while (mode[n] && n < 7) {
        wideMode[n] = static_cast<wchar_t>(mode[n]);
        ++n;
    }
    wideMode[n] = L'\0';
    return _wfopen(path, wideMode);
}

namespace {

bool WriteConsoleText(HANDLE console, const wchar_t* text) {
    DWORD written = 0;
    DWORD length = static_cast<DWORD>(lstrlenW(text));
    return WriteConsoleW(console, text, length, &written, nullptr) && written == length;
}

bool WriteUtf8Text(HANDLE handle, const wchar_t* text) {
    // On the stack: a static buffer would lie in every program's file.
    char bytes[4 * kConsoleTextCapacity];
    int n = ConvertToUtf8(text, bytes, sizeof bytes);
    DWORD written = 0;
    return n > 1 && WriteFile(handle, bytes, static_cast<DWORD>(n - 1), &written, nullptr) &&
           written == static_cast<DWORD>(n - 1);
}

// A standard error handle that leads somewhere: redirected by the command
// that started the program, or a console (Wine passes a terminal on).
bool WriteToStandardError(const wchar_t* text) {
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (!error || error == INVALID_HANDLE_VALUE) return false;
    DWORD type = GetFileType(error);
    if (type == FILE_TYPE_CHAR && WriteConsoleText(error, text)) return true;
    // A console handle of a console this process is not attached to fails here.
    return type != FILE_TYPE_UNKNOWN && WriteUtf8Text(error, text);
}

}  // namespace

void WriteToConsole(const wchar_t* text) {
    if (WriteToStandardError(text)) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) {
        // The prompt of the console's shell may stand on the current line.
        WriteConsoleText(console, L"\r\n");
        WriteConsoleText(console, text);
        CloseHandle(console);
    }
    FreeConsole();
}
