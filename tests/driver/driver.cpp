#include "tests/driver/driver.h"

#include <algorithm>
#include <cstdio>

namespace {

// A tool's window, and the launcher's.
const wchar_t* const kMainWindowClasses[] = {L"TolmMedToolWnd", L"TolmMedSuiteWnd"};
constexpr DWORD kPollStepMs = 10;

DWORD Now() { return GetTickCount(); }

bool TimedOut(DWORD start, DWORD timeoutMs) { return Now() - start > timeoutMs; }

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// A visible top-level window of the class; of the process unless it is 0,
// with the caption unless it is null.
struct TopLevelSearch {
    DWORD process;
    const wchar_t* className;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM data) {
    TopLevelSearch* search = reinterpret_cast<TopLevelSearch*>(data);
    if (search->process && ProcessOf(window) != search->process) return TRUE;
    if (!IsWindowVisible(window) || ClassOf(window) != search->className) return TRUE;
    if (search->caption && ReadText(window) != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindTopLevel(DWORD process, const wchar_t* className, const wchar_t* caption = nullptr) {
    TopLevelSearch search = {process, className, caption, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindMainWindow(DWORD process) {
    for (const wchar_t* className : kMainWindowClasses)
        if (HWND window = FindTopLevel(process, className)) return window;
    return nullptr;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

LPARAM ClientPoint(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

LPARAM CentreOf(HWND control) {
    RECT rect;
    GetClientRect(control, &rect);
    return ClientPoint(rect.right / 2, rect.bottom / 2);
}

// The edit box the fence uses: a tool's result box, or else the first
// edit box of the window (the launcher's search box).
HWND FenceBox(const App& app) {
    if (HWND box = FindControl(app, 3000)) return box;
    for (HWND child : ChildrenOf(app.window))
        if (_wcsicmp(ClassOf(child).c_str(), L"Edit") == 0) return child;
    return nullptr;
}

// A posted message that goes behind everything posted before it; once its
// effect shows, all earlier posted messages have been handled. The box's
// own text limit is put back afterwards.
void Fence(const App& app) {
    static DWORD mark = 0x00100000;
    HWND box = FenceBox(app);
    DWORD_PTR limit = 0;
    if (!box || !SendMessageTimeoutW(box, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, 1000, &limit)) return;
    const DWORD_PTR ownLimit = limit;
    ++mark;
    PostMessageW(box, EM_SETLIMITTEXT, mark, 0);
    DWORD start = Now();
    while (!TimedOut(start, 5000)) {
        if (SendMessageTimeoutW(box, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, 1000, &limit) && limit == mark) break;
        Sleep(kPollStepMs);
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(box, EM_SETLIMITTEXT, ownLimit, 0, SMTO_NORMAL, 1000, &ignored);
}

bool NeedsPainting(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    for (HWND child : ChildrenOf(window))
        if (GetUpdateRect(child, nullptr, FALSE)) return true;
    return false;
}

// ---- Pixels ----

// Draws into a top-down 32-bit bitmap and reads it back.
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    void* bits;
    int width;
    int height;
};

bool OpenCanvas(int width, int height, COLORREF background, Canvas* canvas) {
    canvas->width = width;
    canvas->height = height;
    canvas->dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    canvas->bitmap = CreateDIBSection(canvas->dc, &info, DIB_RGB_COLORS, &canvas->bits, nullptr, 0);
    if (!canvas->bitmap) {
        DeleteDC(canvas->dc);
        return false;
    }
    canvas->old = SelectObject(canvas->dc, canvas->bitmap);
    RECT all = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(canvas->dc, &all, brush);
    DeleteObject(brush);
    return true;
}

void CloseCanvas(Canvas* canvas, Capture* result) {
    GdiFlush();
    const uint32_t* source = static_cast<const uint32_t*>(canvas->bits);
    result->width = canvas->width;
    result->height = canvas->height;
    result->pixels.resize(static_cast<size_t>(canvas->width) * canvas->height);
    for (size_t i = 0; i < result->pixels.size(); ++i) {
        uint32_t p = source[i];
        result->pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    SelectObject(canvas->dc, canvas->old);
    DeleteObject(canvas->bitmap);
    DeleteDC(canvas->dc);
}

}  // namespace

bool CaptureScreen(const RECT& rect, Capture* capture) {
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    Canvas canvas;
    if (width <= 0 || height <= 0 || !OpenCanvas(width, height, RGB(0, 0, 0), &canvas)) return false;
    HDC screen = GetDC(nullptr);
    bool ok = BitBlt(canvas.dc, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != 0;
    ReleaseDC(nullptr, screen);
    CloseCanvas(&canvas, capture);
    return ok;
}

namespace {

bool RenderIcon(HICON icon, int width, int height, COLORREF background, Capture* rendered) {
    Canvas canvas;
    if (!OpenCanvas(width, height, background, &canvas)) return false;
    DrawIconEx(canvas.dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    CloseCanvas(&canvas, rendered);
    return true;
}

// How far the captured icon is from a system icon, counting only the pixels
// the icon covers fully; 1.0 when nothing can be compared.
double IconDistance(const Capture& shown, LPCWSTR iconName) {
    HICON icon = LoadIconW(nullptr, iconName);
    Capture onBlack, onWhite;
    if (!icon || !RenderIcon(icon, shown.width, shown.height, RGB(0, 0, 0), &onBlack) ||
        !RenderIcon(icon, shown.width, shown.height, RGB(255, 255, 255), &onWhite))
        return 1.0;
    int opaque = 0, differing = 0;
    for (size_t i = 0; i < shown.pixels.size(); ++i) {
        if (onBlack.pixels[i] != onWhite.pixels[i]) continue;
        ++opaque;
        if (onBlack.pixels[i] != shown.pixels[i]) ++differing;
    }
    return opaque ? static_cast<double>(differing) / opaque : 1.0;
}

struct IconKind {
    UINT flag;
    LPCWSTR name;
};

const IconKind kIconKinds[] = {
    {MB_ICONWARNING, reinterpret_cast<LPCWSTR>(IDI_WARNING)},
    {MB_ICONINFORMATION, reinterpret_cast<LPCWSTR>(IDI_INFORMATION)},
    {MB_ICONERROR, reinterpret_cast<LPCWSTR>(IDI_ERROR)},
    {MB_ICONQUESTION, reinterpret_cast<LPCWSTR>(IDI_QUESTION)},
};

// Which system icon the icon control shows, by its pixels on screen.
UINT IdentifyIcon(HWND iconControl) {
    RECT rect;
    GetWindowRect(iconControl, &rect);
    Capture shown;
    if (!CaptureScreen(rect, &shown)) return 0;
    UINT best = 0;
    double bestDistance = 0.05;  // a few blended edge pixels may differ
    for (const IconKind& kind : kIconKinds) {
        double distance = IconDistance(shown, kind.name);
        if (distance <= bestDistance) {
            best = kind.flag;
            bestDistance = distance;
        }
    }
    return best;
}

void ReadMessageBox(HWND box, MessageBoxSeen* seen) {
    seen->box = box;
    seen->owner = GetWindow(box, GW_OWNER);
    seen->caption = ReadText(box);
    seen->text.clear();
    seen->icon = 0;
    seen->buttonCount = 0;
    HWND iconControl = nullptr;
    for (HWND child : ChildrenOf(box)) {
        if (!IsWindowVisible(child)) continue;
        std::wstring className = ClassOf(child);
        if (_wcsicmp(className.c_str(), L"Button") == 0) {
            ++seen->buttonCount;
        } else if (_wcsicmp(className.c_str(), L"Static") == 0) {
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                iconControl = child;
            else if (seen->text.empty())
                seen->text = ReadText(child);
        }
    }
    // The icon is read from the screen, so give the box time to paint.
    DWORD start = Now();
    while (iconControl && !seen->icon && !TimedOut(start, 3000)) {
        seen->icon = IdentifyIcon(iconControl);
        if (!seen->icon) Sleep(kPollStepMs * 5);
    }
}

}  // namespace

// ---- The program under test ----

std::wstring WindowsPath(const wchar_t* path) {
    std::wstring result = path;
    if (result.empty() || result[0] != L'/') return result;
    for (wchar_t& c : result)
        if (c == L'/') c = L'\\';
    return L"Z:" + result;
}

bool LaunchApp(const wchar_t* exePath, App* app) {
    *app = App{};
    std::wstring path = WindowsPath(exePath);
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &app->process))
        return false;
    DWORD start = Now();
    while (!app->window && !TimedOut(start, 20000)) {
        if (WaitForSingleObject(app->process.hProcess, 0) == WAIT_OBJECT_0) return false;
        app->window = FindMainWindow(app->process.dwProcessId);
        if (!app->window) Sleep(kPollStepMs);
    }
    if (!app->window) return false;
    Settle(*app);
    return true;
}

bool AppRunning(const App& app) {
    return app.process.hProcess && WaitForSingleObject(app.process.hProcess, 0) == WAIT_TIMEOUT;
}

bool CloseApp(App* app, DWORD* exitCode) {
    if (AppRunning(*app)) PostMessageW(app->window, WM_CLOSE, 0, 0);
    bool ended = WaitForSingleObject(app->process.hProcess, 10000) == WAIT_OBJECT_0;
    if (ended) GetExitCodeProcess(app->process.hProcess, exitCode);
    return ended;
}

void KillApp(App* app) {
    if (!app->process.hProcess) return;
    if (AppRunning(*app)) {
        TerminateProcess(app->process.hProcess, 99);
        WaitForSingleObject(app->process.hProcess, 5000);
    }
    CloseHandle(app->process.hProcess);
    CloseHandle(app->process.hThread);
    *app = App{};
}

void Settle(const App& app) {
    Fence(app);
    DWORD start = Now();
    while (NeedsPainting(app.window) && !TimedOut(start, 3000)) Sleep(kPollStepMs);
    Fence(app);
    // The screen catches up once the program waits for its next message.
    Sleep(40);
}

// ---- Controls ----

HWND FindControl(const App& app, int id) { return GetDlgItem(app.window, id); }

HWND FindInputBox(const App& app, int index) { return FindControl(app, 2000 + index); }

RECT ControlRect(HWND parent, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND FindChildAt(const App& app, const wchar_t* className, int x, int y) {
    for (HWND child : ChildrenOf(app.window)) {
        if (_wcsicmp(ClassOf(child).c_str(), className) != 0) continue;
        RECT rect = ControlRect(app.window, child);
        if (rect.left == x && rect.top == y) return child;
    }
    return nullptr;
}


std::wstring ReadText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 2000, &length)) return L"<no answer>";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]), SMTO_NORMAL, 2000,
                        &copied);
    text.resize(copied);
    return text;
}

void SetText(HWND control, const wchar_t* text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 2000, &result);
}

void Click(HWND control) {
    PressMouse(control);
    ReleaseMouse(control, true);
}

void PressMouse(HWND control) { PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(control)); }

void ReleaseMouse(HWND control, bool inside) {
    PostMessageW(control, WM_LBUTTONUP, 0, inside ? CentreOf(control) : ClientPoint(-20, -20));
}

HWND FocusedWindow(const App& app) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(app.process.dwThreadId, &info)) return nullptr;
    return info.hwndFocus;
}

void PostKeyDown(HWND target, UINT virtualKey) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(target, WM_KEYDOWN, virtualKey, scan | 1);
}

void PressKey(const App& app, UINT virtualKey) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(app.process.dwThreadId, &info);
    HWND target = info.hwndFocus ? info.hwndFocus : info.hwndActive ? info.hwndActive : app.window;
    PostKeyDown(target, virtualKey);
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(target, WM_KEYUP, virtualKey, scan | 1 | 0xC0000000);
}

void PressChord(const App& app, const std::vector<UINT>& keys) {
    SetForegroundWindow(app.window);
    Settle(app);
    std::vector<INPUT> inputs;
    for (UINT key : keys) {
        INPUT down = {};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = static_cast<WORD>(key);
        inputs.push_back(down);
    }
    for (size_t i = keys.size(); i-- > 0;) {
        INPUT up = {};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = static_cast<WORD>(keys[i]);
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(up);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void TypeText(HWND control, const wchar_t* text) {
    for (const wchar_t* c = text; *c; ++c) PostMessageW(control, WM_CHAR, *c, 1);
}

void ClickAt(HWND control, int x, int y, bool twice) {
    LPARAM point = ClientPoint(x, y);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(control, WM_LBUTTONUP, 0, point);
    if (!twice) return;
    PostMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    PostMessageW(control, WM_LBUTTONUP, 0, point);
}

// ---- List boxes ----

std::vector<std::wstring> ReadListItems(HWND list) {
    std::vector<std::wstring> items(std::max<LRESULT>(0, SendMessageW(list, LB_GETCOUNT, 0, 0)));
    for (size_t i = 0; i < items.size(); ++i) {
        items[i].resize(std::max<LRESULT>(0, SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1);
        items[i].resize(std::max<LRESULT>(0, SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&items[i][0]))));
    }
    return items;
}

int ListSelection(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }

HWND FindProgramWindow(const App& app, const wchar_t* className) {
    return FindTopLevel(app.process.dwProcessId, className);
}

// ---- Other programs' windows ----

HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, DWORD timeoutMs) {
    DWORD start = Now();
    HWND window = nullptr;
    while (!(window = FindTopLevel(0, className, caption)) && !TimedOut(start, timeoutMs)) Sleep(kPollStepMs);
    return window;
}

bool CloseWindowAndWait(HWND window) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, ProcessOf(window));
    PostMessageW(window, WM_CLOSE, 0, 0);
    bool ended = process && WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
    if (process) CloseHandle(process);
    return ended;
}

// ---- Message boxes ----

bool WaitForMessageBox(const App& app, MessageBoxSeen* seen, DWORD timeoutMs) {
    DWORD start = Now();
    HWND box = nullptr;
    while (!(box = FindTopLevel(app.process.dwProcessId, L"#32770")) && !TimedOut(start, timeoutMs))
        Sleep(kPollStepMs);
    if (!box) return false;
    ReadMessageBox(box, seen);
    return true;
}

bool MessageBoxOpen(const App& app) { return FindTopLevel(app.process.dwProcessId, L"#32770") != nullptr; }

bool PressButton(const App& app, const MessageBoxSeen& seen, int button) {
    if (HWND control = GetDlgItem(seen.box, button))
        PostMessageW(control, BM_CLICK, 0, 0);
    else
        PostMessageW(seen.box, WM_COMMAND, button, 0);
    DWORD start = Now();
    while (IsWindow(seen.box) && !TimedOut(start, 5000)) Sleep(kPollStepMs);
    if (IsWindow(seen.box)) return false;
    Settle(app);
    return true;
}

// ---- Clipboard ----

namespace {

// Another program may hold the clipboard for a moment.
bool OpenClipboardSoon() {
    DWORD start = Now();
    while (!OpenClipboard(nullptr)) {
        if (TimedOut(start, 2000)) return false;
        Sleep(kPollStepMs);
    }
    return true;
}

}  // namespace

bool ReadClipboard(std::wstring* text, std::vector<unsigned char>* block) {
    text->clear();
    if (!OpenClipboardSoon()) return false;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* locked = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (locked) {
        size_t capacity = GlobalSize(data) / sizeof(wchar_t), length = 0;
        while (length < capacity && locked[length]) ++length;
        text->assign(locked, length);
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(locked);
        if (block) block->assign(bytes, bytes + GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return locked != nullptr;
}

bool WriteClipboardText(const wchar_t* text) {
    if (!OpenClipboardSoon()) return false;
    size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool placed = false;
    if (block) {
        memcpy(GlobalLock(block), text, bytes);
        GlobalUnlock(block);
        placed = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block);
        if (!placed) GlobalFree(block);
    }
    CloseClipboard();
    return placed;
}

bool HoldClipboard() { return OpenClipboardSoon(); }

void ReleaseClipboard() { CloseClipboard(); }

// ---- Pixels ----

bool CaptureClient(const App& app, const RECT& rect, Capture* capture) {
    RECT screen = rect;
    MapWindowPoints(app.window, HWND_DESKTOP, reinterpret_cast<POINT*>(&screen), 2);
    return CaptureScreen(screen, capture);
}

COLORREF ReadPixel(const App& app, int x, int y) {
    Capture capture;
    RECT rect = {x, y, x + 1, y + 1};
    if (!CaptureClient(app, rect, &capture)) return CLR_INVALID;
    return capture.At(0, 0);
}

bool WaitForPixel(const App& app, int x, int y, COLORREF colour, DWORD timeoutMs) {
    DWORD start = Now();
    while (ReadPixel(app, x, y) != colour) {
        if (TimedOut(start, timeoutMs)) return false;
        Sleep(kPollStepMs);
    }
    return true;
}

bool SaveBitmap(const Capture& capture, const wchar_t* path) {
    int rowBytes = (capture.width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = capture.width;
    info.biHeight = -capture.height;  // top-down
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(rowBytes) * capture.height;
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* out = _wfopen(path, L"wb");
    if (!out) return false;
    bool ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1;
    std::vector<unsigned char> row(static_cast<size_t>(rowBytes), 0);
    for (int y = 0; ok && y < capture.height; ++y) {
        for (int x = 0; x < capture.width; ++x) {
            COLORREF pixel = capture.At(x, y);
            row[x * 3] = GetBValue(pixel);
            row[x * 3 + 1] = GetGValue(pixel);
            row[x * 3 + 2] = GetRValue(pixel);
        }
        ok = fwrite(row.data(), row.size(), 1, out) == 1;
    }
    return fclose(out) == 0 && ok;
}

int CountColour(const Capture& capture, COLORREF colour) {
    int count = 0;
    for (COLORREF pixel : capture.pixels)
        if (pixel == colour) ++count;
    return count;
}

bool RenderText(const TextLook& look, const wchar_t* text, int width, int height, Capture* rendered) {
    Canvas canvas;
    if (!OpenCanvas(width, height, look.background, &canvas)) return false;
    HFONT font = CreateFontW(look.height, 0, 0, 0, look.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             look.face);
    HGDIOBJ oldFont = SelectObject(canvas.dc, font);
    SetBkMode(canvas.dc, TRANSPARENT);
    SetTextColor(canvas.dc, look.colour);
    RECT rect = {0, 0, width, height};
    DrawTextW(canvas.dc, text, -1, &rect, look.flags);
    SelectObject(canvas.dc, oldFont);
    DeleteObject(font);
    CloseCanvas(&canvas, rendered);
    return true;
}

bool RegionShowsText(const App& app, const RECT& rect, const wchar_t* text, const TextLook& look,
                     DWORD timeoutMs) {
    Capture expected, shown;
    if (!RenderText(look, text, rect.right - rect.left, rect.bottom - rect.top, &expected)) return false;
    DWORD start = Now();
    while (!CaptureClient(app, rect, &shown) || shown.pixels != expected.pixels) {
        if (TimedOut(start, timeoutMs)) return false;
        Sleep(kPollStepMs * 2);
    }
    return true;
}

// ---- Output ----

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                    nullptr);
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &result[0], bytes, nullptr,
                        nullptr);
    return result;
}

std::string ColourName(COLORREF colour) {
    if (colour == CLR_INVALID) return "(unreadable)";
    char name[16];
    snprintf(name, sizeof name, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return name;
}
