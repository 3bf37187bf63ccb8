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

bool ChooseWithMouse(const App& app, HWND list, int index) {
    Click(list);
    Settle(app);
    HWND dropped = FindProgramWindow(app, L"ComboLBox");
    if (!dropped) return false;
    RECT item = {};
    SendMessageW(dropped, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    // The dropped list takes an entry as the button goes up over it.
    LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageW(dropped, WM_MOUSEMOVE, 0, point);
    PostMessageW(dropped, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(dropped, WM_LBUTTONUP, 0, point);
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
