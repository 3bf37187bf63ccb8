#include "shell/input_controls.h"

#include "engine/text.h"
#include "shell/choice_list.h"
#include "shell/input_kind.h"
#include "shell/shell_texts.h"

namespace {

// Every input is a stop of the Tab key and a group of its own, so the arrow
// keys change a list or move in a checklist instead of leaving it.
constexpr DWORD kInputStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP;
constexpr DWORD kStaticStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kBoxStyle = kInputStyle | ES_AUTOHSCROLL;
constexpr DWORD kCheckBoxStyle = kInputStyle | BS_AUTOCHECKBOX;
// Selected items are the checked ones: a click or Space toggles one.
constexpr DWORD kChecklistStyle = kInputStyle | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                                  LBS_MULTIPLESEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr int kEntryCapacity = 128;

HWND CreateChild(const ShellState& shell, const wchar_t* className, DWORD exStyle, DWORD style, const Box& box,
                 int height, int id, HFONT font, const wchar_t* text) {
    HWND control = CreateWindowExW(exStyle, className, text, style, box.x, box.y, box.width, height, shell.mainWindow,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), shell.instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return control;
}

const InputField& InputAt(const ShellState& shell, int index) { return shell.tool->inputs[index]; }

HWND CreateCheckBox(const ShellState& shell, int index, const Box& box) {
    wchar_t entry[kEntryCapacity];
    FormatChoiceEntry(InputAt(shell, index), 1, entry, kEntryCapacity);
    return CreateChild(shell, L"BUTTON", 0, kCheckBoxStyle, box, box.height, INPUT_CONTROL_BASE + index,
                       shell.fonts.inputFont, entry);
}

HWND CreateChecklist(const ShellState& shell, int index, const Box& box) {
    const InputField& input = InputAt(shell, index);
    HWND list = CreateChild(shell, L"LISTBOX", WS_EX_CLIENTEDGE, kChecklistStyle, box, box.height,
                            INPUT_CONTROL_BASE + index, shell.fonts.inputFont, L"");
    for (int c = 0; c < input.choiceCount; ++c) {
        wchar_t entry[kEntryCapacity];
        FormatChoiceEntry(input, c, entry, kEntryCapacity);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    return list;
}

void ShowTodayPart(HWND box, TodayPart part) {
    LocalTime now = ReadLocalTime();
    int value = part == TodayYear ? now.year : part == TodayMonth ? now.month : now.day;
    wchar_t text[kValueTextCapacity];
    FormatCut(text, kValueTextCapacity, L"%d", value);
    SetWindowTextW(box, text);
}

}  // namespace

void CreateInputRow(ShellState& shell, int index) {
    const InputField& input = InputAt(shell, index);
    const InputRowLayout& row = shell.layout.rows[index];
    InputKind kind = KindOfInput(input);
    DWORD labelAlign = kind == InputChecklist ? SS_LEFT : SS_RIGHT;
    CreateChild(shell, L"STATIC", 0, kStaticStyle | labelAlign, row.label, row.label.height, 0, shell.fonts.labelFont,
                input.label);
    HWND control = nullptr;
    switch (kind) {
    case InputNumberBox:
        control = CreateChild(shell, L"EDIT", WS_EX_CLIENTEDGE, kBoxStyle, row.control, row.control.height,
                              INPUT_CONTROL_BASE + index, shell.fonts.inputFont, L"");
        // One character more than is read, so a longer text is refused, not read cut.
        SendMessageW(control, EM_SETLIMITTEXT, kInputTextCapacity - 1, 0);
        break;
    case InputDropDown:
        control = CreateChoiceList(shell.mainWindow, shell.instance, input, row.control, INPUT_CONTROL_BASE + index,
                                   shell.fonts.inputFont);
        break;
    case InputCheckBox: control = CreateCheckBox(shell, index, row.control); break;
    case InputChecklist: control = CreateChecklist(shell, index, row.control); break;
    }
    shell.inputControls[index] = control;
    if (kind == InputNumberBox && input.unit && input.unit[0])
        CreateChild(shell, L"STATIC", 0, kStaticStyle, row.unit, row.unit.height, 0, shell.fonts.smallFont,
                    input.unit);
}

void ShowStartingValue(const ShellState& shell, int index) {
    const InputField& input = InputAt(shell, index);
    HWND control = shell.inputControls[index];
    switch (KindOfInput(input)) {
    case InputDropDown: SendMessageW(control, CB_SETCURSEL, ChoiceIndexOf(input, input.defaultValue), 0); return;
    case InputCheckBox:
        SendMessageW(control, BM_SETCHECK, input.defaultValue == input.choices[1].value ? BST_CHECKED : BST_UNCHECKED,
                     0);
        return;
    case InputChecklist: SendMessageW(control, LB_SETSEL, FALSE, -1); return;
    case InputNumberBox: break;
    }
    if (input.patientValue) {
        SetWindowTextW(control, L"");
    } else if (input.todayPart != TodayNone) {
        ShowTodayPart(control, static_cast<TodayPart>(input.todayPart));
    } else {
        wchar_t value[kValueTextCapacity];
        FormatInputValue(input.defaultValue, value, kValueTextCapacity);
        SetWindowTextW(control, value);
    }
}

InputProblem ReadInputControl(const ShellState& shell, int index, double* value, bool* checked) {
    const InputField& input = InputAt(shell, index);
    HWND control = shell.inputControls[index];
    switch (KindOfInput(input)) {
    case InputDropDown: {
        LRESULT selected = SendMessageW(control, CB_GETCURSEL, 0, 0);
        *value = selected >= 0 && selected < input.choiceCount ? input.choices[selected].value : input.defaultValue;
        return InputAccepted;
    }
    case InputCheckBox:
        *value = input.choices[SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0].value;
        return InputAccepted;
    case InputChecklist:
        *value = 0;
        for (int c = 0; c < input.choiceCount && c < kMaxInputChoices; ++c) {
            checked[c] = SendMessageW(control, LB_GETSEL, c, 0) > 0;
            if (checked[c]) *value += input.choices[c].value;
        }
        return InputAccepted;
    case InputNumberBox: break;
    }
    wchar_t text[kInputTextCapacity];
    text[0] = L'\0';
    GetWindowTextW(control, text, kInputTextCapacity);
    return ReadInputValue(input, text, true, value);
}

bool IsInputChange(const ShellState& shell, int id, int code) {
    int index = id - INPUT_CONTROL_BASE;
    if (index < 0 || index >= shell.tool->inputCount || index >= kMaxInputs) return false;
    switch (KindOfInput(InputAt(shell, index))) {
    case InputNumberBox: return code == EN_CHANGE;
    case InputDropDown: return code == CBN_SELCHANGE;
    case InputCheckBox: return code == BN_CLICKED;
    case InputChecklist: return code == LBN_SELCHANGE;
    }
    return false;
}

void MeasureChecklistItem(const ShellState& shell, MEASUREITEMSTRUCT* item) {
    item->itemHeight = static_cast<UINT>(shell.layout.checklistItemHeight);
}
