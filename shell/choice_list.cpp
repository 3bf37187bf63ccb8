#include "shell/choice_list.h"

#include <cwchar>

#include "engine/text.h"
#include "shell/drawing.h"
#include "shell/palette.h"
#include "shell/shell_texts.h"

namespace {

constexpr DWORD kChoiceListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_OWNERDRAW;
constexpr int kEntryCapacity = 128;
// The text stands this far from the box's left edge.
constexpr int kTextInset = 4;

// What a control keeps: its input, its choice, whether its list is open.
// One slot per input of the window.
struct ChoiceListData {
    const InputField* input;
    int selected;
    bool open;
    WNDPROC buttonProc;
};

ChoiceListData slots[kMaxInputs];
int slotsUsed = 0;

ChoiceListData* DataOf(HWND control) {
    return reinterpret_cast<ChoiceListData*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

void EntryText(const ChoiceListData& data, int index, wchar_t* out) {
    if (index < 0 || index >= data.input->choiceCount) {
        out[0] = L'\0';
        return;
    }
    FormatChoiceEntry(*data.input, index, out, kEntryCapacity);
}

// Shows index as the choice; a choice the user made is told to the parent.
void Select(HWND control, ChoiceListData& data, int index, bool byUser) {
    if (index < 0 || index >= data.input->choiceCount) return;
    bool changed = index != data.selected;
    data.selected = index;
    wchar_t entry[kEntryCapacity];
    EntryText(data, index, entry);
    SetWindowTextW(control, entry);
    InvalidateRect(control, nullptr, FALSE);
    if (byUser && changed)
        SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(control));
}

// The entries as a popup menu under the control, the chosen one checked.
void OpenList(HWND control, ChoiceListData& data) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    for (int c = 0; c < data.input->choiceCount; ++c) {
        wchar_t entry[kEntryCapacity];
        EntryText(data, c, entry);
        AppendMenuW(menu, MF_STRING | (c == data.selected ? MF_CHECKED : 0), static_cast<UINT_PTR>(c + 1), entry);
    }
    RECT box;
    GetWindowRect(control, &box);
    TPMPARAMS keepClear = {sizeof keepClear, box};
    data.open = true;
    UINT chosen = TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_VERTICAL,
                                   box.left, box.bottom, GetParent(control), &keepClear);
    data.open = false;
    DestroyMenu(menu);
    if (chosen > 0) Select(control, data, static_cast<int>(chosen) - 1, true);
}

// The keys of a closed list: a step, an end, or opening it.
bool OnKey(HWND control, ChoiceListData& data, WPARAM key) {
    int last = data.input->choiceCount - 1;
    switch (key) {
    case VK_UP:
    case VK_LEFT: Select(control, data, data.selected > 0 ? data.selected - 1 : 0, true); return true;
    case VK_DOWN:
    case VK_RIGHT: Select(control, data, data.selected < last ? data.selected + 1 : last, true); return true;
    case VK_HOME: Select(control, data, 0, true); return true;
    case VK_END: Select(control, data, last, true); return true;
    case VK_F4:
    case VK_SPACE: OpenList(control, data); return true;
    }
    return false;
}

int FindEntry(const ChoiceListData& data, const wchar_t* text) {
    for (int c = 0; c < data.input->choiceCount; ++c) {
        wchar_t entry[kEntryCapacity];
        EntryText(data, c, entry);
        if (text && std::wcscmp(entry, text) == 0) return c;
    }
    return CB_ERR;
}

// The combobox's messages, answered as a combobox answers them.
bool AnswerListMessage(const ChoiceListData& data, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* answer) {
    wchar_t entry[kEntryCapacity];
    switch (message) {
    case CB_GETCURSEL: *answer = data.selected; return true;
    case CB_GETCOUNT: *answer = data.input->choiceCount; return true;
    case CB_GETDROPPEDSTATE: *answer = data.open; return true;
    case CB_GETLBTEXTLEN:
        EntryText(data, static_cast<int>(wParam), entry);
        *answer = entry[0] ? TextLength(entry) : CB_ERR;
        return true;
    case CB_GETLBTEXT:
        EntryText(data, static_cast<int>(wParam), entry);
        if (!entry[0]) {
            *answer = CB_ERR;
            return true;
        }
        // The caller's buffer holds the entry: it asked CB_GETLBTEXTLEN first.
        CopyCut(reinterpret_cast<wchar_t*>(lParam), TextLength(entry) + 1, entry);
        *answer = TextLength(entry);
        return true;
    case CB_FINDSTRINGEXACT: *answer = FindEntry(data, reinterpret_cast<const wchar_t*>(lParam)); return true;
    }
    return false;
}

LRESULT CALLBACK ChoiceListProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    ChoiceListData& data = *DataOf(control);
    LRESULT answer = 0;
    if (AnswerListMessage(data, message, wParam, lParam, &answer)) return answer;
    switch (message) {
    case CB_SETCURSEL:
        Select(control, data, static_cast<int>(wParam), false);
        return data.selected;
    case WM_GETDLGCODE:
        return CallWindowProcW(data.buttonProc, control, message, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (OnKey(control, data, wParam)) return 0;
        break;
    case WM_KEYUP:
        if (wParam == VK_SPACE) return 0;  // the list opened on the key going down
        break;
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN || wParam == VK_UP) {
            OpenList(control, data);
            return 0;
        }
        break;
    // A press opens the list, as a combobox's does; the release that
    // follows lands beside it, so the list stays open for a click.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(control);
        OpenList(control, data);
        return 0;
    }
    return CallWindowProcW(data.buttonProc, control, message, wParam, lParam);
}

}  // namespace

HWND CreateChoiceList(HWND parent, HINSTANCE instance, const InputField& input, const Box& box, int id, HFONT font) {
    if (slotsUsed >= kMaxInputs) return nullptr;
    ChoiceListData& data = slots[slotsUsed++];
    data = ChoiceListData{&input, -1, false, nullptr};
    HWND control = CreateWindowExW(0, L"BUTTON", L"", kChoiceListStyle, box.x, box.y, box.width, box.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!control) return nullptr;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&data));
    data.buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChoiceListProc)));
    return control;
}

bool IsChoiceList(HWND control) {
    for (int s = 0; s < slotsUsed; ++s)
        if (DataOf(control) == &slots[s]) return true;
    return false;
}

void DrawChoiceList(const DRAWITEMSTRUCT& item, HFONT font) {
    RECT box = item.rcItem;
    FillBox(item.hDC, BoxFromEdges(box.left, box.top, box.right, box.bottom), kWhite);
    DrawEdge(item.hDC, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    RECT arrow = {box.right - GetSystemMetrics(SM_CXVSCROLL), box.top, box.right, box.bottom};
    DrawFrameControl(item.hDC, &arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    wchar_t text[kEntryCapacity];
    text[0] = L'\0';
    GetWindowTextW(item.hwndItem, text, kEntryCapacity);
    RECT textBox = {box.left + kTextInset, box.top, arrow.left - 1, box.bottom};
    DrawTextBox(item.hDC, BoxFromEdges(textBox.left, textBox.top, textBox.right, textBox.bottom), text, kTextColour,
                font, 0);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = {box.left + 1, box.top + 1, arrow.left - 1, box.bottom - 1};
        DrawFocusRect(item.hDC, &focus);
    }
}
