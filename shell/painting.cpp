#include "shell/painting.h"

#include "shell/palette.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"

namespace {

// No text here ever wraps.
constexpr UINT kTextFlags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;

struct Panel {
    const PanelLayout& layout;
    const wchar_t* captionText;
};

const Panel kPanels[] = {
    {kInputPanel, L"输入参数"},
    {kResultPanel, L"计算结果"},
};

struct ButtonScheme {
    COLORREF fill;
    COLORREF pressedFill;
    COLORREF border;
    COLORREF caption;
};

constexpr ButtonScheme kCalculateScheme = {kCalculateFill, kCalculatePressedFill, kCalculateBorder, kWhite};
constexpr ButtonScheme kPlainScheme = {kWhite, kButtonPressedFill, kButtonBorder, kTextColour};

void DrawHeader(HDC dc, int width, const ShellState& shell) {
    const ToolDef& tool = *shell.tool;
    FillBox(dc, BoxFromEdges(0, 0, width, kHeaderBottom), kHeaderColour);
    FillBox(dc, BoxFromEdges(0, 0, kAccentStripWidth, kHeaderBottom), kAccentColour);
    DrawTextBox(dc, kTitleBox, tool.title, kWhite, shell.fonts.titleFont, 0);
    wchar_t subtitle[kSubtitleLineCapacity];
    FormatSubtitleLine(tool, subtitle, kSubtitleLineCapacity);
    DrawTextBox(dc, kSubtitleBox, subtitle, kSubtitleColour, shell.fonts.captionFont, 0);
    const Box webAddress = BoxFromEdges(width - kWebAddressLeftFromRight, kWebAddressTop,
                                        width - kWebAddressRightFromRight, kWebAddressBottom);
    DrawTextBox(dc, webAddress, kWebAddress, kWebAddressColour, shell.fonts.smallFont, DT_RIGHT);
}

void DrawPanels(HDC dc, const ShellState& shell) {
    for (const Panel& panel : kPanels) {
        FillBox(dc, panel.layout.panel, kWhite);
        FrameBox(dc, panel.layout.panel, kPanelBorderColour);
    }
    for (const Panel& panel : kPanels)
        DrawTextBox(dc, panel.layout.caption, panel.captionText, kHeaderColour, shell.fonts.captionFont, 0);
    for (const Panel& panel : kPanels) FillBox(dc, panel.layout.separator, kSeparatorColour);
}

void DrawFooter(HDC dc, int width, const ShellState& shell) {
    FillBox(dc, BoxFromEdges(0, kFooterTop, width, kFooterBottom), kFooterColour);
    DrawTextBox(dc, kStatusBox, shell.statusText, kMutedTextColour,
                shell.fonts.smallFont, DT_RIGHT);
}

COLORREF VerdictColour(int32_t level) {
    switch (level) {
    case LevelNotice: return kNoticeVerdictColour;
    case LevelWarning: return kWarningVerdictColour;
    case LevelDanger: return kDangerVerdictColour;
    default: return kNormalVerdictColour;
    }
}

COLORREF StaticTextColour(const ShellState& shell, HWND control) {
    if (control == shell.verdictLabel) return VerdictColour(shell.lastLevel);
    if (control == shell.resultEdit || control == shell.noteLabel) return kTextColour;
    return kMutedTextColour;
}

}  // namespace

void FillBox(HDC dc, const Box& box, COLORREF colour) {
    RECT rect = {box.x, box.y, box.x + box.width, box.y + box.height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void FrameBox(HDC dc, const Box& box, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box.x, box.y, box.x + box.width, box.y + box.height);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void DrawTextBox(HDC dc, const Box& box, const wchar_t* text, COLORREF colour, HFONT font,
                 UINT extraFlags) {
    RECT rect = {box.x, box.y, box.x + box.width, box.y + box.height};
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text, -1, &rect, kTextFlags | extraFlags);
    SelectObject(dc, oldFont);
}

void PaintMainWindow(HWND window) {
    const ShellState& shell = CurrentShell();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillBox(dc, BoxFromEdges(0, 0, client.right, client.bottom), kPageColour);
    DrawHeader(dc, client.right, shell);
    DrawPanels(dc, shell);
    DrawFooter(dc, client.right, shell);
    EndPaint(window, &paint);
}

void DrawOwnerButton(const DRAWITEMSTRUCT& item) {
    const ButtonScheme& scheme = item.CtlID == CMD_CALCULATE ? kCalculateScheme : kPlainScheme;
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    Box box = BoxFromEdges(item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
    FillBox(item.hDC, box, pressed ? scheme.pressedFill : scheme.fill);
    FrameBox(item.hDC, box, scheme.border);
    wchar_t caption[64];
    caption[0] = L'\0';
    GetWindowTextW(item.hwndItem, caption, 64);
    DrawTextBox(item.hDC, box, caption, scheme.caption, CurrentShell().fonts.buttonFont, DT_CENTER);
}

HBRUSH ColorControl(UINT message, HDC dc, HWND control) {
    const ShellState& shell = CurrentShell();
    if (message == WM_CTLCOLOREDIT) {
        SetTextColor(dc, kTextColour);
        SetBkColor(dc, kWhite);
        return shell.whiteBrush;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, StaticTextColour(shell, control));
    return shell.whiteBrush;
}
