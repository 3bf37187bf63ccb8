// Operates the real Peravin.exe from outside, as a user would: finds its
// window and controls, types into boxes, clicks, presses keys, reads texts,
// message boxes, the clipboard and the pixels on screen. Used by every case
// file of the Wine driver.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// ---- The program under test ----

struct App {
    PROCESS_INFORMATION process;
    HWND window;
};

// A Unix path as Windows programs reach it (through Z:); a Windows path as
// it is.
std::wstring WindowsPath(const wchar_t* path);

// Starts exePath (a Windows path, or a Unix one that is reached through Z:)
// and waits for its main window. False when no window came.
bool LaunchApp(const wchar_t* exePath, App* app);

// Closes the window as the close button would and waits for the process to
// end. False when it did not end; exitCode gets its code.
bool CloseApp(App* app, DWORD* exitCode);

// Ends whatever is left of the process.
void KillApp(App* app);

bool AppRunning(const App& app);

// Waits until the program has handled everything sent so far and has
// finished painting.
void Settle(const App& app);

// ---- Controls ----

HWND FindControl(const App& app, int id);
HWND FindInputBox(const App& app, int index);
// Where the control lies in its parent's client area.
RECT ControlRect(HWND parent, HWND control);
// The child whose top-left corner is at (x, y) in client coordinates.
HWND FindChildAt(const App& app, const wchar_t* className, int x, int y);

std::wstring ReadText(HWND window);
void SetText(HWND control, const wchar_t* text);

// A click with the left button in the middle of the control.
void Click(HWND control);
// The two halves of a click; a release outside the control clicks nothing.
void PressMouse(HWND control);
void ReleaseMouse(HWND control, bool inside);

// The window that has the keyboard focus in the program, or null.
HWND FocusedWindow(const App& app);
// A key-down posted to target, as the keyboard would send it.
void PostKeyDown(HWND target, UINT virtualKey);
// A key pressed by the user: goes to the window with the focus.
void PressKey(const App& app, UINT virtualKey);

// Keys held together as the keyboard sends them, to the program's window
// that has the focus: every key goes down in order, then up in reverse
// (Ctrl+S, Shift+Tab). The program's window is brought to the front first.
void PressChord(const App& app, const std::vector<UINT>& keys);

// Characters typed into the control, one WM_CHAR each, as the keyboard
// (or an input method) sends them.
void TypeText(HWND control, const wchar_t* text);
// A click, or a double click, with the left button at client (x, y).
void ClickAt(HWND control, int x, int y, bool twice = false);

// ---- List boxes ----

// The texts of a list box's items, in order.
std::vector<std::wstring> ReadListItems(HWND list);
// The selected item's index, or -1.
int ListSelection(HWND list);

// A visible top-level window of the program of this class (a dropped
// list, a message box), or null.
HWND FindProgramWindow(const App& app, const wchar_t* className);

// ---- Other programs' windows ----

// Waits for a visible top-level window of the class with this caption, of
// any process; null when none came.
HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, DWORD timeoutMs = 20000);
// Closes it as the close button would and waits for its process to end.
bool CloseWindowAndWait(HWND window);

// ---- Message boxes ----

struct MessageBoxSeen {
    HWND box;
    HWND owner;
    std::wstring caption;
    std::wstring text;
    UINT icon;          // MB_ICONWARNING, MB_ICONINFORMATION, ... or 0
    int buttonCount;    // visible buttons
};

// Waits for a message box of the program to appear and reads it.
bool WaitForMessageBox(const App& app, MessageBoxSeen* seen, DWORD timeoutMs = 5000);
// Any message box of the program open now.
bool MessageBoxOpen(const App& app);
// Presses the button (IDOK, IDRETRY, ...) and waits until the box has gone.
bool PressButton(const App& app, const MessageBoxSeen& seen, int button);

// ---- Clipboard ----

// The CF_UNICODETEXT on the clipboard, exactly, and every byte of its block
// past the text's terminator too; false when there is none.
bool ReadClipboard(std::wstring* text, std::vector<unsigned char>* block = nullptr);
bool WriteClipboardText(const wchar_t* text);
// Keeps the clipboard open, so no other program can open it.
bool HoldClipboard();
void ReleaseClipboard();

// ---- Pixels ----

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// What is on screen in the client rectangle (client coordinates).
bool CaptureClient(const App& app, const RECT& rect, Capture* capture);
COLORREF ReadPixel(const App& app, int x, int y);
// Polls until the pixel has the colour; false when it never does.
bool WaitForPixel(const App& app, int x, int y, COLORREF colour, DWORD timeoutMs = 3000);
int CountColour(const Capture& capture, COLORREF colour);

// What is on screen in a rectangle of screen coordinates.
bool CaptureScreen(const RECT& rect, Capture* capture);
// Writes the capture as a 24-bit BMP file.
bool SaveBitmap(const Capture& capture, const wchar_t* path);

// How a text is drawn: font, colours and DrawTextW flags.
struct TextLook {
    const wchar_t* face;
    int height;
    int weight;
    COLORREF colour;
    COLORREF background;
    UINT flags;
};

// Draws text as the program would into a rectangle of its own.
bool RenderText(const TextLook& look, const wchar_t* text, int width, int height, Capture* rendered);
// Polls until the client rectangle shows exactly the text in that look.
bool RegionShowsText(const App& app, const RECT& rect, const wchar_t* text, const TextLook& look,
                     DWORD timeoutMs = 3000);

// ---- Output ----

std::string Utf8(const std::wstring& text);
std::string ColourName(COLORREF colour);
