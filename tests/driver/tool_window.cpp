#include "tests/driver/tool_window.h"

#include <cstring>
#include <cwchar>

#include "engine/tool_catalogue.h"
#include "shell/palette.h"
#include "shell/shell_texts.h"
#include "shell/window_frame.h"

namespace {

const ToolDef& ToolOrPeravin(const App& app) {
    const ToolDef* tool = ToolOfWindow(app);
    return tool ? *tool : *kToolCatalogue[0].tool;
}

}  // namespace

const ToolDef* ToolOfWindow(const App& app) {
    std::wstring caption = ReadText(app.window);
    for (int t = 0; t < kToolCatalogueCount; ++t)
        if (caption == kToolCatalogue[t].tool->title) return kToolCatalogue[t].tool;
    return nullptr;
}

const ToolDef* ToolOfProgram(const char* program) {
    for (int t = 0; t < kToolCatalogueCount; ++t)
        if (std::strcmp(kToolCatalogue[t].program, program) == 0) return kToolCatalogue[t].tool;
    return nullptr;
}

ToolLayout LayoutOfWindow(const App&, const ToolDef& tool) { return ComputeToolLayout(tool, ReadScreenMetrics()); }

RECT RectOf(const Box& box) { return RECT{box.x, box.y, box.x + box.width, box.y + box.height}; }

RECT ControlRect(HWND parent, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
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

const CalculationResult& DefaultCalculationOf(const ToolDef& tool) {
    double inputs[kMaxInputs] = {};
    for (int i = 0; i < tool.inputCount; ++i) inputs[i] = tool.inputs[i].defaultValue;
    return CalculationOf(tool, inputs);
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
    RECT box;
    GetWindowRect(list, &box);
    ClickScreenPoint(POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2});
    HWND menu = nullptr;
    for (int wait = 0; wait < 200 && !(menu = FindProgramWindow(app, L"#32768")); ++wait) Sleep(10);
    if (!menu) return false;
    // The entries stand one under the other, all of one height.
    RECT client;
    GetClientRect(menu, &client);
    MapWindowPoints(menu, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    if (count <= 0) return false;
    const int itemHeight = (client.bottom - client.top) / count;
    RECT item = {client.left, client.top + index * itemHeight, client.right, client.top + (index + 1) * itemHeight};
    ClickScreenPoint(POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    for (int wait = 0; wait < 200 && IsWindowVisible(menu); ++wait) Sleep(10);
    Settle(app);
    return true;
}

HWND FindVerdictLabel(const App& app) {
    ToolLayout layout = LayoutOfWindow(app, ToolOrPeravin(app));
    return FindChildAt(app, L"Static", layout.verdict.x, layout.verdict.y);
}

bool StatusLineShows(const App& app, const wchar_t* text, DWORD timeoutMs) {
    ToolLayout layout = LayoutOfWindow(app, ToolOrPeravin(app));
    const TextLook look = {L"Microsoft YaHei UI", -layout.fonts.small, FW_NORMAL, kMutedTextColour, kFooterColour,
                           DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_RIGHT};
    return RegionShowsText(app, RectOf(layout.status), text, look, timeoutMs);
}
