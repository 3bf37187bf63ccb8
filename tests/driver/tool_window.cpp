#include "tests/driver/tool_window.h"

#include <algorithm>
#include <cstring>

#include "engine/tool_catalogue.h"
#include "shell/palette.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"
#include "shell/window_frame.h"

namespace {

const COLORREF kLevelColours[] = {kNormalVerdictColour, kNoticeVerdictColour, kWarningVerdictColour,
                                  kDangerVerdictColour};

}  // namespace

const ToolDef& ToolOfWindow(const App& app) {
    std::wstring caption = ReadText(app.window);
    for (int t = 0; t < kToolCatalogueCount; ++t)
        if (caption == kToolCatalogue[t].tool->title) return *kToolCatalogue[t].tool;
    return *kToolCatalogue[0].tool;
}

const ToolDef* ToolOfProgram(const char* program) {
    for (int t = 0; t < kToolCatalogueCount; ++t)
        if (std::strcmp(kToolCatalogue[t].program, program) == 0) return kToolCatalogue[t].tool;
    return nullptr;
}

ToolLayout LayoutOf(const ToolDef& tool) { return ComputeToolLayout(tool, ReadScreenMetrics()); }

RECT RectOf(const Box& box) { return RECT{box.x, box.y, box.x + box.width, box.y + box.height}; }

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

void ExpectFramed(CaseContext& c, int clientWidth, int clientHeight) {
    RECT client, outer, work, resized;
    GetClientRect(c.app.window, &client);
    GetWindowRect(c.app.window, &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    Expect(c, client.right == clientWidth && client.bottom == clientHeight, "client %ld x %ld", client.right,
           client.bottom);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int x = std::max<int>(work.left, work.left + (work.right - work.left - width) / 2);
    Expect(c, Inside(outer, work) && outer.left == x, "window at (%ld, %ld)-(%ld, %ld), centred at x %d", outer.left,
           outer.top, outer.right, outer.bottom, x);
    SetWindowPos(c.app.window, nullptr, 0, 0, width + 200, height + 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(c.app);
    GetWindowRect(c.app.window, &resized);
    Expect(c, resized.right - resized.left == width && resized.bottom - resized.top == height, "resized to %ld x %ld",
           resized.right - resized.left, resized.bottom - resized.top);
}

HWND FindVerdictLabel(const App& app) {
    ToolLayout layout = LayoutOf(ToolOfWindow(app));
    return FindChildAt(app, L"Static", layout.verdict.x, layout.verdict.y);
}

std::vector<double> Defaults(const ToolDef& tool) {
    std::vector<double> values(kMaxInputs);
    for (int i = 0; i < tool.inputCount; ++i) values[i] = tool.inputs[i].defaultValue;
    return values;
}

void TypeDefaults(const App& app, const ToolDef& tool) {
    for (int i = 0; i < tool.inputCount; ++i) {
        if (tool.inputs[i].choiceCount > 0) continue;
        wchar_t text[kValueTextCapacity];
        FormatInputValue(tool.inputs[i].defaultValue, text, kValueTextCapacity);
        SetText(FindInputBox(app, i), text);
    }
}

const CalculationResult& CalculationOf(const ToolDef& tool, const double* inputs) {
    static CalculationResult result;
    Calculate(tool, inputs, &result);
    return result;
}

std::wstring ChoiceEntry(const InputField& input, int c) {
    wchar_t entry[128];
    FormatChoiceEntry(input, c, entry, 128);
    return entry;
}

// A click of the real mouse at a point of the screen.
void ClickScreenPoint(POINT point) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (point.x * 65535 + width / 2) / (width - 1);
        input.mi.dy = (point.y * 65535 + height / 2) / (height - 1);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, inputs, sizeof(INPUT));
}

bool ChooseWithMouse(const App& app, HWND list, int index) {
    SetForegroundWindow(app.window);
    for (int wait = 0; wait < 100 && GetForegroundWindow() != app.window; ++wait) Sleep(10);
    Settle(app);
    RECT box;
    GetWindowRect(list, &box);
    // A press on the box opens its menu; pressed again while no menu shows
    // (the first press may only have activated the window).
    HWND menu = nullptr;
    for (int attempt = 0; attempt < 2 && !menu; ++attempt) {
        ClickScreenPoint(POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2});
        for (int wait = 0; wait < 150 && !(menu = FindProgramWindow(app, L"#32768")); ++wait) Sleep(10);
    }
    if (!menu) return false;
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    if (count <= 0) return false;
    // The menu is placed and drawn before it takes a click.
    RECT client = {}, before = {};
    for (int wait = 0; wait < 100; ++wait) {
        GetClientRect(menu, &client);
        if (IsWindowVisible(menu) && client.bottom > 0 && EqualRect(&client, &before)) break;
        before = client;
        Sleep(20);
    }
    Sleep(100);
    MapWindowPoints(menu, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    // The entries stand one under the other, all of one height.
    const int itemHeight = (client.bottom - client.top) / count;
    const POINT entry = {(client.left + client.right) / 2, client.top + index * itemHeight + itemHeight / 2};
    // One click: a second one, once the menu has gone, would land on the
    // controls beneath it.
    ClickScreenPoint(entry);
    for (int wait = 0; wait < 300 && IsWindowVisible(menu); ++wait) Sleep(10);
    // A menu left open would take every key after it.
    if (IsWindowVisible(menu)) {
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        Settle(app);
        return false;
    }
    Settle(app);
    return true;
}

void ClickAndSettle(CaseContext& c, int id) {
    Click(FindControl(c.app, id));
    Settle(c.app);
}

void PressAndSettle(CaseContext& c, UINT key) {
    PressKey(c.app, key);
    Settle(c.app);
}

void ChordAndSettle(CaseContext& c, const std::vector<UINT>& keys) {
    PressChord(c.app, keys);
    Settle(c.app);
}

bool ExpectStatusLine(CaseContext& c, const Box& status, int smallFont, const wchar_t* text) {
    const TextLook look = {L"Microsoft YaHei UI", -smallFont, FW_NORMAL, kMutedTextColour, kFooterColour,
                           DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_RIGHT};
    return Expect(c, RegionShowsText(c.app, RectOf(status), text, look), "the status line does not show \"%s\"",
                  Utf8(text).c_str());
}

bool ExpectStatusLine(CaseContext& c, const wchar_t* text) {
    const ToolLayout layout = LayoutOf(Tool(c));
    return ExpectStatusLine(c, layout.status, layout.fonts.small, text);
}

void ExpectVerdictColour(CaseContext& c, COLORREF colour, COLORREF otherColour) {
    const RECT verdict = ControlRect(c.app.window, FindVerdictLabel(c.app));
    Capture shown;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(20)) {
        CaptureClient(c.app, verdict, &shown);
        if (CountColour(shown, colour) >= 10 && CountColour(shown, otherColour) == 0) return;
    }
    Expect(c, false, "verdict: %d pixels of %s and %d of %s", CountColour(shown, colour), ColourName(colour).c_str(),
           CountColour(shown, otherColour), ColourName(otherColour).c_str());
}

void ExpectShows(CaseContext& c, const std::vector<double>& values, const char* when, bool dimmed) {
    const CalculationResult& expected = CalculationOf(Tool(c), values.data());
    const std::string box = "result box " + std::string(when), verdict = "verdict " + std::string(when);
    ExpectText(c, ReadText(FindControl(c.app, RESULT_EDIT_ID)), expected.resultText, box.c_str());
    ExpectText(c, ReadText(FindVerdictLabel(c.app)), expected.verdictText, verdict.c_str());
    const COLORREF level = kLevelColours[expected.level];
    if (dimmed)
        ExpectVerdictColour(c, kMutedTextColour, level);
    else
        ExpectVerdictColour(c, level, kLevelColours[expected.level == 0 ? 3 : 0]);
}
