#include "shell/painting.h"

#include "shell/choice_list.h"
#include "shell/palette.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"

namespace {

const wchar_t* const kPanelCaptions[] = {L"输入参数", L"计算结果"};

constexpr int kChecklistTextCapacity = 128;

void DrawHeader(HDC dc, const ShellState& shell) {
    const ToolDef& tool = *shell.tool;
    wchar_t subtitle[kSubtitleLineCapacity];
    FormatSubtitleLine(tool, subtitle, kSubtitleLineCapacity);
    const HeaderBandFonts fonts = {shell.fonts.titleFont, shell.fonts.captionFont, shell.fonts.smallFont};
    DrawHeaderBand(dc, shell.layout.clientWidth, shell.layout.header, tool.title, subtitle, fonts);
}

void DrawPanels(HDC dc, const ShellState& shell) {
    const PanelLayout* panels[] = {&shell.layout.inputPanel, &shell.layout.resultPanel};
    for (const PanelLayout* panel : panels) {
        FillBox(dc, panel->panel, kWhite);
        FrameBox(dc, panel->panel, kPanelBorderColour, shell.layout.lineWidth);
    }
    for (int p = 0; p < 2; ++p)
        DrawTextBox(dc, panels[p]->caption, kPanelCaptions[p], kHeaderColour, shell.fonts.captionFont, 0);
    for (const PanelLayout* panel : panels) FillBox(dc, panel->separator, kSeparatorColour);
}

void DrawFooter(HDC dc, const ShellState& shell) {
    FillBox(dc, shell.layout.footer, kFooterColour);
    DrawTextBox(dc, shell.layout.status, shell.statusText, kMutedTextColour, shell.fonts.smallFont, DT_RIGHT);
}

COLORREF VerdictColour(int32_t level) {
    switch (level) {
    case LevelNotice: return kNoticeVerdictColour;
    case LevelWarning: return kWarningVerdictColour;
    case LevelDanger: return kDangerVerdictColour;
    default: return kNormalVerdictColour;
    }
}

// A result on screen that belongs to earlier inputs is dimmed.
COLORREF StaticTextColour(const ShellState& shell, HWND control) {
    if (control == shell.verdictLabel) return shell.stale ? kMutedTextColour : VerdictColour(shell.last.level);
    if (control == shell.resultEdit) return shell.stale ? kMutedTextColour : kTextColour;
    if (control == shell.noteLabel) return kTextColour;
    for (int i = 0; i < shell.tool->inputCount && i < kMaxInputs; ++i)
        if (control == shell.inputControls[i]) return kTextColour;
    return kMutedTextColour;
}

void DrawChecklistItem(const DRAWITEMSTRUCT& item, const ShellState& shell) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    FillBox(item.hDC, BoxFromEdges(item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom), kWhite);
    int mark = ScaledLength(shell.layout, 14);
    int inset = ScaledLength(shell.layout, 6);
    int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - mark) / 2;
    RECT box = {item.rcItem.left + inset, top, item.rcItem.left + inset + mark, top + mark};
    UINT state = DFCS_BUTTONCHECK | ((item.itemState & ODS_SELECTED) ? DFCS_CHECKED : 0);
    DrawFrameControl(item.hDC, &box, DFC_BUTTON, state);
    wchar_t text[kChecklistTextCapacity];
    text[0] = L'\0';
    if (SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0) < kChecklistTextCapacity)
        SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
    Box label = BoxFromEdges(box.right + inset, item.rcItem.top, item.rcItem.right - inset, item.rcItem.bottom);
    DrawTextBox(item.hDC, label, text, kTextColour, shell.fonts.inputFont, 0);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace

void PaintMainWindow(HWND window) {
    const ShellState& shell = CurrentShell();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillBox(dc, BoxFromEdges(0, 0, client.right, client.bottom), kPageColour);
    DrawHeader(dc, shell);
    DrawPanels(dc, shell);
    DrawFooter(dc, shell);
    EndPaint(window, &paint);
}

void DrawOwnerItem(const DRAWITEMSTRUCT& item) {
    const ShellState& shell = CurrentShell();
    if (item.CtlType == ODT_LISTBOX) {
        DrawChecklistItem(item, shell);
        return;
    }
    if (IsChoiceList(item.hwndItem)) {
        DrawChoiceList(item, shell.fonts.inputFont);
        return;
    }
    DrawButtonFace(item, item.CtlID == CMD_CALCULATE, shell.fonts.buttonFont);
}

HBRUSH ColorControl(UINT message, HDC dc, HWND control) {
    const ShellState& shell = CurrentShell();
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) {
        SetTextColor(dc, kTextColour);
        SetBkColor(dc, kWhite);
        return shell.whiteBrush;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, StaticTextColour(shell, control));
    return shell.whiteBrush;
}
