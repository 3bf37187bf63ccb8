// Runs every registered case, each against its own start of the program:
//     driver.exe PATH\Peravin.exe [part of a case name]
// Only the cases registered for that program run. One line per case, then "N passed, M failed"; exit code 1 on any failure.
//     driver.exe --programs
// Lists the programs that have cases, one exe name a line.
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "tests/driver/driver_case.h"

namespace {

struct CaseTable {
    const DriverCase* cases;
    size_t count;
    const wchar_t* program;
};

std::vector<CaseTable>& Registry() {
    static std::vector<CaseTable> tables;
    return tables;
}

// The program must end cleanly after every case, with no box left open.
void FinishCase(CaseContext& c) {
    if (!AppRunning(c.app)) return;
    MessageBoxSeen seen;
    if (MessageBoxOpen(c.app) && WaitForMessageBox(c.app, &seen, 0)) {
        Expect(c, false, "message box left open: \"%s\" (%s)", Utf8(seen.text).c_str(), Utf8(seen.caption).c_str());
        PressButton(c.app, seen, IDOK);
    }
    DWORD exitCode = 0;
    if (Expect(c, CloseApp(&c.app, &exitCode), "the program did not end after closing"))
        Expect(c, exitCode == 0, "exit code %lu after closing", exitCode);
}

bool RunCase(const DriverCase& driverCase, const wchar_t* exePath) {
    CaseContext c{};
    c.exePath = exePath;
    if (Expect(c, LaunchApp(exePath, &c.app), "the program did not start or showed no window")) {
        driverCase.run(c);
        FinishCase(c);
    }
    KillApp(&c.app);
    printf("%s %s\n", c.failures ? "FAIL" : "PASS", driverCase.name);
    for (const std::string& note : c.notes) printf("    %s\n", note.c_str());
    fflush(stdout);
    return c.failures == 0;
}

// A text as a note shows it: line breaks written out, so a note stays one line.
std::string Quoted(const std::wstring& text) {
    std::string shown = "\"";
    for (char c : Utf8(text)) {
        if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else
            shown += c;
    }
    return shown + "\"";
}

// The exe's file name, compared without regard to case as Windows does.
bool IsProgram(const wchar_t* exePath, const wchar_t* program) {
    const wchar_t* name = exePath;
    for (const wchar_t* p = exePath; *p; ++p)
        if (*p == L'\\' || *p == L'/') name = p + 1;
    return _wcsicmp(name, program) == 0;
}

bool Selected(const char* name, const wchar_t* filter) {
    if (!filter) return true;
    std::wstring wideName(name, name + strlen(name));
    return wideName.find(filter) != std::wstring::npos;
}

}  // namespace

CaseRegistration::CaseRegistration(const DriverCase* cases, size_t count, const wchar_t* program) {
    Registry().push_back(CaseTable{cases, count, program});
}

bool Expect(CaseContext& c, bool ok, const char* format, ...) {
    if (ok) return true;
    ++c.failures;
    char note[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(note, sizeof note, format, args);
    va_end(args);
    c.notes.push_back(note);
    return false;
}

bool ExpectText(CaseContext& c, const std::wstring& actual, const std::wstring& expected, const char* what) {
    return Expect(c, actual == expected, "%s: %s, expected %s", what, Quoted(actual).c_str(),
                  Quoted(expected).c_str());
}

bool ExpectFocus(CaseContext& c, HWND expected, const char* what) {
    return Expect(c, FocusedWindow(c.app) == expected, "focus is not on %s", what);
}

bool ExpectPixel(CaseContext& c, int x, int y, COLORREF colour, const char* what) {
    if (WaitForPixel(c.app, x, y, colour)) return true;
    return Expect(c, false, "%s at (%d, %d): %s, expected %s", what, x, y, ColourName(ReadPixel(c.app, x, y)).c_str(),
                  ColourName(colour).c_str());
}

void ExpectClipboardHolds(CaseContext& c, const std::wstring& text) {
    std::wstring held;
    std::vector<unsigned char> block;
    if (!Expect(c, ReadClipboard(&held, &block), "no Unicode text on the clipboard")) return;
    ExpectText(c, held, text, "clipboard");
    // Zeros after the text's terminator, in a block of both texts at two
    // bytes a character and 32 bytes.
    const size_t textBytes = (text.size() + 1) * sizeof(wchar_t), ruleBytes = (text.size() - 2) * sizeof(wchar_t) + 32;
    const bool zeros = block.size() >= textBytes && std::all_of(block.begin() + textBytes, block.end(),
                                                                [](unsigned char byte) { return byte == 0; });
    Expect(c, zeros && block.size() == ruleBytes, "clipboard block of %zu bytes, expected %zu ending in zeros",
           block.size(), ruleBytes);
}

bool ExpectMessageBox(CaseContext& c, const wchar_t* text, const wchar_t* caption, UINT icon,
                      std::initializer_list<int> buttons, int press) {
    MessageBoxSeen seen;
    if (!Expect(c, WaitForMessageBox(c.app, &seen), "no message box \"%s\" appeared", Utf8(text).c_str()))
        return false;
    int before = c.failures;
    ExpectText(c, seen.text, text, "message box text");
    ExpectText(c, seen.caption, caption, "message box caption");
    Expect(c, seen.icon == icon, "message box icon 0x%X, expected 0x%X", seen.icon, icon);
    Expect(c, seen.owner == c.app.window, "message box not owned by the main window");
    bool each = true;
    for (int button : buttons) each &= GetDlgItem(seen.box, button) != nullptr;
    Expect(c, each && seen.buttonCount == static_cast<int>(buttons.size()), "message box has %d other buttons",
           seen.buttonCount);
    Expect(c, PressButton(c.app, seen, press), "message box did not close on button %d", press);
    return c.failures == before;
}

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) {
        printf("usage: driver PATH\\Peravin.exe [part of a case name]\n");
        return 2;
    }
    if (wcscmp(argv[1], L"--programs") == 0) {
        std::vector<std::wstring> listed;
        for (const CaseTable& table : Registry()) {
            if (std::find(listed.begin(), listed.end(), table.program) != listed.end()) continue;
            listed.push_back(table.program);
            printf("%s\n", Utf8(table.program).c_str());
        }
        return 0;
    }
    const wchar_t* filter = argc > 2 ? argv[2] : nullptr;
    int passed = 0, failed = 0;
    for (const CaseTable& table : Registry())
        for (size_t i = 0; i < table.count && IsProgram(argv[1], table.program); ++i) {
            if (!Selected(table.cases[i].name, filter)) continue;
            if (RunCase(table.cases[i], argv[1]))
                ++passed;
            else
                ++failed;
        }
    printf("%d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}
