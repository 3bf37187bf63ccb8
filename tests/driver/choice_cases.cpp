// Inputs chosen by their clinical wording: a drop-down list (Braden), yes/no
// items as check boxes (Padua), a report's selectors by name (the
// compatibility check), a checklist (Caprini); and the refusals of a number
// box: a value outside its range, a patient's measurement left empty.
#include <string>
#include <vector>

#include "engine/text.h"
#include "shell/input_kind.h"
#include "shell/palette.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"
#include "tests/driver/driver_case.h"
#include "tests/driver/tool_window.h"

namespace {

LRESULT Selection(HWND list) { return SendMessageW(list, CB_GETCURSEL, 0, 0); }

int ChoiceIndex(const InputField& input, double value) {
    for (int i = 0; i < input.choiceCount; ++i)
        if (input.choices[i].value == value) return i;
    return -1;
}

std::wstring CopiedText(CaseContext& c) {
    ClickAndSettle(c, CMD_COPY_RESULT);
    std::wstring copied;
    ReadClipboard(&copied);
    return copied;
}

bool Holds(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

// ---- Braden: drop-down lists ----

// Each list offers its choices in words with their points and opens on the
// default; Down and Up change it without opening; a click opens it and a
// click takes an entry; the result is the calculation's for those values; the
// copy names every chosen item and carries the advice; reset restores.
void ListsChooseByKeyboardAndMouse(CaseContext& c) {
    const ToolDef& tool = Tool(c);
    std::vector<double> values = Defaults(tool);
    for (int i = 0; i < tool.inputCount; ++i) {
        HWND list = FindInputBox(c.app, i);
        const InputField& input = tool.inputs[i];
        Expect(c, SendMessageW(list, CB_GETCOUNT, 0, 0) == input.choiceCount, "list %d: %ld entries", i,
               static_cast<long>(SendMessageW(list, CB_GETCOUNT, 0, 0)));
        for (int k = 0; k < input.choiceCount; ++k) {
            wchar_t entry[128] = L"";
            if (SendMessageW(list, CB_GETLBTEXTLEN, k, 0) < 128) SendMessageW(list, CB_GETLBTEXT, k, reinterpret_cast<LPARAM>(entry));
            ExpectText(c, entry, ChoiceEntry(input, k), "list entry");
        }
        Expect(c, Selection(list) == ChoiceIndex(input, input.defaultValue), "list %d opens on %ld", i,
               static_cast<long>(Selection(list)));
    }
    // Perception (the first list, which has the focus) one level worse by
    // the keyboard, moisture by the mouse.
    HWND perception = FindInputBox(c.app, 0);
    PressAndSettle(c, VK_UP);
    Expect(c, !SendMessageW(perception, CB_GETDROPPEDSTATE, 0, 0), "the arrow key opened the list");
    int chosen = ChoiceIndex(tool.inputs[0], tool.inputs[0].defaultValue) - 1;
    Expect(c, Selection(perception) == chosen, "Up selected %ld, expected %d", static_cast<long>(Selection(perception)),
           chosen);
    values[0] = tool.inputs[0].choices[chosen].value;
    HWND moisture = FindInputBox(c.app, 1);
    Expect(c, ChooseWithMouse(c.app, moisture, 1), "the moisture list did not open on a click");
    Expect(c, Selection(moisture) == 1, "the mouse selected %ld", static_cast<long>(Selection(moisture)));
    values[1] = tool.inputs[1].choices[1].value;
    PressAndSettle(c, VK_F5);
    ExpectShows(c, values);
    const CalculationResult& expected = CalculationOf(tool, values.data());
    std::wstring copied = CopiedText(c);
    for (int i = 0; i < tool.inputCount; ++i) {
        int k = ChoiceIndex(tool.inputs[i], values[i]);
        Expect(c, Holds(copied, std::wstring(tool.inputs[i].label) + L"：" + tool.inputs[i].choices[k].label + L"\r\n"),
               "the copy does not name %s", Utf8(tool.inputs[i].label).c_str());
    }
    if (Expect(c, expected.advice != nullptr, "no advice for these items")) {
        Expect(c, Holds(ReadText(FindControl(c.app, RESULT_EDIT_ID)), std::wstring(kAdvicePrefix) + expected.advice),
               "the result box does not end with the advice");
        Expect(c, Holds(copied, std::wstring(kAdvicePrefix) + expected.advice), "the copy lacks the advice");
    }
    ClickAndSettle(c, CMD_RESET);
    Expect(c, Selection(perception) == ChoiceIndex(tool.inputs[0], tool.inputs[0].defaultValue) &&
                  Selection(moisture) == ChoiceIndex(tool.inputs[1], tool.inputs[1].defaultValue),
           "reset left the lists on %ld and %ld", static_cast<long>(Selection(perception)),
           static_cast<long>(Selection(moisture)));
}

// ---- Padua: check boxes ----

// A yes/no item is one check box: one click or Space checks it.
void YesNoItemsAreCheckBoxes(CaseContext& c) {
    const ToolDef& tool = Tool(c);
    std::vector<double> values = Defaults(tool);
    TypeDefaults(c.app, tool);
    int boxes = 0;
    for (int i = 0; i < tool.inputCount; ++i) {
        if (KindOfInput(tool.inputs[i]) != InputCheckBox) continue;
        ++boxes;
        HWND box = FindInputBox(c.app, i);
        ExpectText(c, ReadText(box), ChoiceEntry(tool.inputs[i], 1), "check box");
        Expect(c, SendMessageW(box, BM_GETCHECK, 0, 0) == BST_UNCHECKED, "item %d opens checked", i);
    }
    Expect(c, boxes >= 9, "%d check boxes", boxes);
    ClickAndSettle(c, INPUT_CONTROL_BASE + 0);
    values[0] = tool.inputs[0].choices[1].value;
    ClickAndSettle(c, INPUT_CONTROL_BASE + 1);
    PressAndSettle(c, VK_SPACE);
    Expect(c, SendMessageW(FindInputBox(c.app, 1), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
           "Space did not uncheck the clicked item");
    ClickAndSettle(c, INPUT_CONTROL_BASE + 2);
    values[2] = tool.inputs[2].choices[1].value;
    Expect(c, SendMessageW(FindInputBox(c.app, 0), BM_GETCHECK, 0, 0) == BST_CHECKED, "a click did not check");
    PressAndSettle(c, VK_RETURN);
    ExpectShows(c, values);
}

// ---- The compatibility check: selectors by name ----

int EntryNamed(HWND list, const wchar_t* name) {
    return static_cast<int>(SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)));
}

void SelectorsChooseDrugsByName(CaseContext& c) {
    const ToolDef& tool = Tool(c);
    const wchar_t* names[] = {L"万古霉素", L"胰岛素"};
    std::vector<double> values = Defaults(tool);
    for (int i = 0; i < 2; ++i) {
        HWND list = FindInputBox(c.app, i);
        int entry = EntryNamed(list, names[i]);
        if (!Expect(c, entry >= 0, "no entry %s", Utf8(names[i]).c_str())) return;
        if (!Expect(c, ChooseWithMouse(c.app, list, entry), "the list of drug %d did not take a click", i + 1)) return;
        values[i] = tool.inputs[i].choices[entry].value;
    }
    ClickAndSettle(c, CMD_CALCULATE);
    ExpectShows(c, values);
    std::wstring copied = CopiedText(c);
    Expect(c, Holds(copied, std::wstring(tool.inputs[0].label) + L"：" + names[0]), "the copy does not name drug A");
}

// ---- Caprini: a checklist ----

void ToggleItem(CaseContext& c, HWND list, int item) {
    RECT rect = {};
    SendMessageW(list, LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&rect));
    ClickAt(list, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    Settle(c.app);
}

// Items are checked by a click or by the arrows and Space; the score is the
// calculation's for their sum; the copy names them; reset unchecks them.
void ChecklistChecksItemsByKeyboardAndMouse(CaseContext& c) {
    const ToolDef& tool = Tool(c);
    int last = tool.inputCount - 1;
    const InputField& checklist = tool.inputs[last];
    HWND list = FindInputBox(c.app, last);
    Expect(c, SendMessageW(list, LB_GETCOUNT, 0, 0) == checklist.choiceCount, "%ld items",
           static_cast<long>(SendMessageW(list, LB_GETCOUNT, 0, 0)));
    Expect(c, SendMessageW(list, LB_GETSELCOUNT, 0, 0) == 0, "items checked at start");
    std::vector<double> values = Defaults(tool);
    ToggleItem(c, list, 1);
    ToggleItem(c, list, 11);
    // The keyboard: to the third item and Space.
    SendMessageW(list, LB_SETCARETINDEX, 0, FALSE);
    for (int step = 0; step < 2; ++step) {
        PressAndSettle(c, VK_DOWN);
    }
    PressAndSettle(c, VK_SPACE);
    values[last] = checklist.choices[1].value + checklist.choices[11].value + checklist.choices[2].value;
    Expect(c, SendMessageW(list, LB_GETSELCOUNT, 0, 0) == 3, "%ld items checked",
           static_cast<long>(SendMessageW(list, LB_GETSELCOUNT, 0, 0)));
    PressAndSettle(c, VK_F5);
    ExpectShows(c, values);
    std::wstring copied = CopiedText(c);
    std::wstring named = std::wstring(checklist.label) + L"：" + checklist.choices[1].label + L"、" +
                         checklist.choices[2].label + L"、" + checklist.choices[11].label;
    Expect(c, Holds(copied, named), "the copy does not name the checked items: %s", Utf8(copied).c_str());
    ClickAndSettle(c, CMD_RESET);
    Expect(c, SendMessageW(list, LB_GETSELCOUNT, 0, 0) == 0, "reset left items checked");
}

// ---- EGFR: a number box's refusals ----

void ExpectRefusal(CaseContext& c, int index, InputProblem problem) {
    ClickAndSettle(c, CMD_CALCULATE);
    wchar_t message[kInputMessageCapacity];
    FormatInputProblem(Tool(c), index, problem, message, kInputMessageCapacity);
    ExpectMessageBox(c, message, kInputRejectedCaption, MB_ICONWARNING);
    ExpectFocus(c, FindInputBox(c.app, index), "the refused box");
}

// The patient's age and creatinine open empty and must be entered; a
// creatinine typed in mg/dL is refused with the range and unit.
void RefusesAnEmptyMeasurementAndAWrongUnit(CaseContext& c) {
    const ToolDef& tool = Tool(c);
    for (int i = 0; i < tool.inputCount; ++i)
        if (tool.inputs[i].patientValue) ExpectText(c, ReadText(FindInputBox(c.app, i)), L"", "a measurement at start");
    ExpectRefusal(c, 1, InputMissing);
    SetText(FindInputBox(c.app, 1), L"60");
    SetText(FindInputBox(c.app, 2), L"1.0");
    ExpectRefusal(c, 2, InputOutOfRange);
    ExpectText(c, ReadText(FindControl(c.app, RESULT_EDIT_ID)), L"", "result box after the refusal");
    SetText(FindInputBox(c.app, 2), L"88.4");
    ClickAndSettle(c, CMD_CALCULATE);
    std::vector<double> values = Defaults(tool);
    values[1] = 60;
    values[2] = 88.4;
    ExpectShows(c, values);
}

const DriverCase kBradenCases[] = {{"braden_lists_choose_by_keyboard_and_mouse", ListsChooseByKeyboardAndMouse}};
const CaseRegistration kBraden(kBradenCases, 1, L"BradenScale.exe");
const DriverCase kPaduaCases[] = {{"padua_yes_no_items_are_check_boxes", YesNoItemsAreCheckBoxes}};
const CaseRegistration kPadua(kPaduaCases, 1, L"PaduaScore.exe");
const DriverCase kCompatibilityCases[] = {
    {"compatibility_selectors_choose_drugs_by_name", SelectorsChooseDrugsByName}};
const CaseRegistration kCompatibility(kCompatibilityCases, 1, L"CompatibilityCheck.exe");
const DriverCase kCapriniCases[] = {
    {"caprini_checklist_checks_items_by_keyboard_and_mouse", ChecklistChecksItemsByKeyboardAndMouse}};
const CaseRegistration kCaprini(kCapriniCases, 1, L"Caprini.exe");
const DriverCase kEgfrCases[] = {
    {"egfr_refuses_an_empty_measurement_and_a_wrong_unit", RefusesAnEmptyMeasurementAndAWrongUnit}};
const CaseRegistration kEgfr(kEgfrCases, 1, L"EGFR.exe");

}  // namespace
