// The cases of the Wine driver: each runs against a freshly started program,
// records what it found wrong, and is registered by its case file for the
// program it is about (by exe file name; Peravin.exe unless named):
//     const DriverCase kCases[] = {{"name", RunName}, ...};
//     const CaseRegistration registration(kCases, sizeof kCases / sizeof kCases[0]);
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/driver/driver.h"

struct CaseContext {
    const wchar_t* exePath;  // the program under test, as the driver was given it
    App app;
    int failures;
    std::vector<std::string> notes;
};

struct DriverCase {
    const char* name;
    void (*run)(CaseContext& c);
};

struct CaseRegistration {
    CaseRegistration(const DriverCase* cases, size_t count, const wchar_t* program = L"Peravin.exe");
};

// Records a failure, described printf-style, when ok is false.
bool Expect(CaseContext& c, bool ok, const char* format, ...);
bool ExpectText(CaseContext& c, const std::wstring& actual, const std::wstring& expected, const char* what);
// The window with the keyboard focus in the program is this one.
bool ExpectFocus(CaseContext& c, HWND expected, const char* what);
// Waits for the pixel at client (x, y) to take the colour.
bool ExpectPixel(CaseContext& c, int x, int y, COLORREF colour, const char* what);
// The clipboard holds exactly the text, and its block nothing but zeros
// after the text's terminator (Wine hands the whole block to X).
void ExpectClipboardHolds(CaseContext& c, const std::wstring& text);
// Waits for a message box, checks it is the program's (owned by the main
// window) with this text, caption, icon and buttons alone, and presses one.
bool ExpectMessageBox(CaseContext& c, const wchar_t* text, const wchar_t* caption, UINT icon,
                      std::initializer_list<int> buttons = {IDOK}, int press = IDOK);
