// Every tool of the suite as its window opens: its inputs in the controls of
// their kinds with their starting values, every control inside its panel and
// apart from the others, every text whole in the font it is drawn in, and
// its defaults calculated to the self-test's values in the colour of their
// level. One start of each program of the folder, from Peravin.exe's case.
#include <cstring>
#include <string>
#include <vector>

#include "engine/tool_catalogue.h"
#include "shell/drawing.h"
#include "shell/input_kind.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"
#include "tests/driver/driver_case.h"
#include "tests/driver/tool_window.h"

namespace {

const wchar_t* const kKindClasses[] = {L"Edit", L"Button", L"Button", L"ListBox"};

bool Overlap(const RECT& a, const RECT& b) {
    RECT both;
    return IntersectRect(&both, &a, &b) != 0;
}

// A font as the window makes it from its layout (a font handle belongs to
// the process that made it, so the driver makes its own).
struct Font {
    int ToolFonts::*height;
    int weight;
};
constexpr Font kLabelFont = {&ToolFonts::label, FW_NORMAL};
constexpr Font kInputFont = {&ToolFonts::input, FW_NORMAL};
constexpr Font kVerdictFont = {&ToolFonts::verdict, FW_BOLD};
constexpr Font kSmallFont = {&ToolFonts::small, FW_NORMAL};

// The text's size in that font, on one line or wrapped to width.
SIZE TextSize(const ToolLayout& layout, const Font& font, const std::wstring& text, int wrapWidth) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT made = CreateWindowFont(kInterfaceFace, -(layout.fonts.*font.height), font.weight);
    HGDIOBJ old = SelectObject(dc, made);
    RECT rect = {0, 0, wrapWidth ? wrapWidth : 100000, 0};
    DrawTextW(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_NOPREFIX | (wrapWidth ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    DeleteObject(made);
    DeleteDC(dc);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

struct Checker {
    CaseContext& c;
    const char* program;
    const ToolLayout& layout;

    void Fits(const Font& font, const std::wstring& text, int width, int height, const char* what) {
        SIZE size = TextSize(layout, font, text, height ? width : 0);
        Expect(c, size.cx <= width && (!height || size.cy <= height), "%s: %s \"%s\" takes %ld x %ld in %d x %d",
               program, what, Utf8(text).c_str(), size.cx, size.cy, width, height);
    }
};

void CheckStartingValue(Checker& check, const InputField& input, HWND control) {
    switch (KindOfInput(input)) {
    case InputNumberBox: {
        wchar_t text[kValueTextCapacity] = L"";
        if (input.todayPart != TodayNone) {
            SYSTEMTIME now;
            GetLocalTime(&now);
            const int parts[] = {now.wYear, now.wMonth, now.wDay};
            swprintf(text, kValueTextCapacity, L"%d", parts[input.todayPart - 1]);
        } else if (!input.patientValue) {
            FormatInputValue(input.defaultValue, text, kValueTextCapacity);
        }
        ExpectText(check.c, ReadText(control), text, input.key);
        return;
    }
    case InputDropDown: {
        LRESULT selected = SendMessageW(control, CB_GETCURSEL, 0, 0);
        Expect(check.c, selected >= 0 && input.choices[selected].value == input.defaultValue,
               "%s: %s opens on entry %ld", check.program, input.key, static_cast<long>(selected));
        return;
    }
    case InputCheckBox:
        Expect(check.c, (SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) == (input.defaultValue == input.choices[1].value),
               "%s: %s opens the other way", check.program, input.key);
        return;
    case InputChecklist:
        Expect(check.c, SendMessageW(control, LB_GETSELCOUNT, 0, 0) == 0, "%s: %s opens checked", check.program,
               input.key);
        return;
    }
}

void CheckChoiceTexts(Checker& check, const InputField& input, HWND control) {
    switch (KindOfInput(input)) {
    case InputDropDown: {
        // The closed list shows its entry left of the arrow, inside its edges.
        RECT box;
        GetClientRect(control, &box);
        int room = box.right - GetSystemMetrics(SM_CXVSCROLL) - 2 * GetSystemMetrics(SM_CXEDGE) - 5;
        for (int k = 0; k < input.choiceCount; ++k) check.Fits(kInputFont, ChoiceEntry(input, k), room, 0, "entry");
        return;
    }
    case InputCheckBox: {
        RECT box;
        GetClientRect(control, &box);
        check.Fits(kInputFont, ChoiceEntry(input, 1), box.right - GetSystemMetrics(SM_CXMENUCHECK) - 6, 0,
                   "check box");
        return;
    }
    case InputChecklist: {
        RECT item = {};
        SendMessageW(control, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
        // The check mark and its insets take the left of the item.
        int room = item.right - item.left - ScaledLength(check.layout, 14 + 3 * 6);
        for (int k = 0; k < input.choiceCount; ++k) check.Fits(kInputFont, ChoiceEntry(input, k), room, 0, "checklist item");
        return;
    }
    case InputNumberBox: return;
    }
}

// Every control inside the client area and its panel, no two of them over
// each other.
void CheckGeometry(Checker& check, const ToolLayout& layout) {
    RECT client;
    GetClientRect(check.c.app.window, &client);
    const RECT inputPanel = RectOf(layout.inputPanel.panel), resultPanel = RectOf(layout.resultPanel.panel);
    const RECT footer = RectOf(layout.footer);
    std::vector<RECT> placed;
    for (HWND child = GetWindow(check.c.app.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect = ControlRect(check.c.app.window, child);
        bool inside = Inside(rect, inputPanel) || Inside(rect, resultPanel) || Inside(rect, footer);
        Expect(check.c, inside && Inside(rect, client), "%s: a control at (%ld, %ld, %ld, %ld) outside its panel",
               check.program, rect.left, rect.top, rect.right, rect.bottom);
        for (const RECT& other : placed)
            Expect(check.c, !Overlap(rect, other), "%s: controls over each other at (%ld, %ld)", check.program,
                   rect.left, rect.top);
        placed.push_back(rect);
    }
}

void CheckTexts(Checker& check, const ToolDef& tool, const ToolLayout& layout) {
    for (int i = 0; i < tool.inputCount; ++i) {
        HWND label = FindChildAt(check.c.app, L"Static", layout.rows[i].label.x, layout.rows[i].label.y);
        if (Expect(check.c, label != nullptr, "%s: no label for %s", check.program, tool.inputs[i].key))
            check.Fits(kLabelFont, tool.inputs[i].label, layout.rows[i].label.width, 0, "label");
        HWND unit = FindChildAt(check.c.app, L"Static", layout.rows[i].unit.x, layout.rows[i].unit.y);
        if (unit) check.Fits(kSmallFont, ReadText(unit), layout.rows[i].unit.width, 0, "unit");
        CheckChoiceTexts(check, tool.inputs[i], FindInputBox(check.c.app, i));
    }
    for (int r = 0; r < tool.ruleCount; ++r)
        check.Fits(kVerdictFont, tool.rules[r].verdict, layout.verdict.width, 0, "verdict");
    HWND note = FindChildAt(check.c.app, L"Static", layout.note.x, layout.note.y);
    if (note) check.Fits(kSmallFont, ReadText(note), layout.note.width, layout.note.height, "note");
    HWND basis = FindChildAt(check.c.app, L"Static", layout.basis.x, layout.basis.y);
    if (basis) check.Fits(kSmallFont, ReadText(basis), layout.basis.width, layout.basis.height, "basis");
}

void CheckTool(CaseContext& c, const CatalogueEntry& entry, const std::wstring& folder) {
    std::wstring path = folder + std::wstring(entry.program, entry.program + std::strlen(entry.program)) + L".exe";
    App app;
    if (!Expect(c, LaunchApp(path.c_str(), &app), "%s did not open", entry.program)) {
        KillApp(&app);
        return;
    }
    const ToolDef& tool = *entry.tool;
    const ToolLayout layout = LayoutOf(tool);
    // The case's own window waits while the tool's is checked.
    const App own = c.app;
    c.app = app;
    Checker check{c, entry.program, layout};
    ExpectText(c, ReadText(app.window), tool.title, entry.program);
    for (int i = 0; i < tool.inputCount; ++i) {
        HWND control = FindInputBox(app, i);
        wchar_t className[32] = L"";
        GetClassNameW(control, className, 32);
        if (!Expect(c, _wcsicmp(className, kKindClasses[KindOfInput(tool.inputs[i])]) == 0, "%s: %s is a %s",
                    entry.program, tool.inputs[i].key, Utf8(className).c_str()))
            continue;
        CheckStartingValue(check, tool.inputs[i], control);
    }
    CheckGeometry(check, layout);
    CheckTexts(check, tool, layout);
    TypeDefaults(app, tool);
    PressAndSettle(c, VK_F5);
    ExpectShows(c, Defaults(tool), entry.program);
    c.app = own;
    DWORD exitCode = 1;
    Expect(c, CloseApp(&app, &exitCode) && exitCode == 0, "%s did not end cleanly (%lu)", entry.program, exitCode);
    KillApp(&app);
}

void EveryToolOpensFitsAndCalculatesItsDefaults(CaseContext& c) {
    std::wstring folder = WindowsPath(c.exePath);
    folder = folder.substr(0, folder.find_last_of(L"\\/") + 1);
    for (int t = 0; t < kToolCatalogueCount; ++t) CheckTool(c, kToolCatalogue[t], folder);
}

const DriverCase kFamilyCases[] = {
    {"family_every_tool_opens_fits_and_calculates_its_defaults", EveryToolOpensFitsAndCalculatesItsDefaults}};
const CaseRegistration registration(kFamilyCases, 1);

}  // namespace
