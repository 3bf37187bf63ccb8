#include "shell/painting.h"

#include "shell/palette.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"

namespace {

// DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS: no text here ever wraps.
constexpr UINT kTextFlags = 0x8024;

constexpr int kHeaderBottom = 88;
constexpr int kFooterTop = 660;
constexpr int kFooterBottom = 720;

// The two white panels, each with its caption and the line under it.
struct PanelLayout {
    Box panel;
    Box caption;
    Box separator;
    const wchar_t* captionText;
};

constexpr PanelLayout kPanels[] = {
    {BoxFromEdges(20, 96, 460, 648), BoxFromEdges(36, 104, 336, 134), BoxFromEdges(36, 133, 444, 134),
     L"输入参数"},
    {BoxFromEdges(476, 96, 1000, 648), BoxFromEdges(492, 104, 792, 134), BoxFromEdges(492, 133, 984, 134),
     L"计算结果"},
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
    FillBox(dc, BoxFromEdges(0, 0, 8, kHeaderBottom), kAccentColour);
    DrawTextBox(dc, BoxFromEdges(26, 12, 726, 50), tool.title, kWhite, shell.fonts.titleFont, 0);
    wchar_t subtitle[kSubtitleLineCapacity];
    FormatSubtitleLine(tool, subtitle, kSubtitleLineCapacity);
    DrawTextBox(dc, BoxFromEdges(28, 48, 748, 76), subtitle, kSubtitleColour, shell.fonts.captionFont, 0);
    DrawTextBox(dc, BoxFromEdges(width - 240, 8, width - 26, 34), kWebAddress, kWebAddressColour,
                shell.fonts.smallFont, DT_RIGHT);
}

void DrawPanels(HDC dc, const ShellState& shell) {
    for (const PanelLayout& layout : kPanels) {
        FillBox(dc, layout.panel, kWhite);
        FrameBox(dc, layout.panel, kPanelBorderColour);
    }
    for (const PanelLayout& layout : kPanels)
        DrawTextBox(dc, layout.caption, layout.captionText, kHeaderColour, shell.fonts.captionFont, 0);
    for (const PanelLayout& layout : kPanels) FillBox(dc, layout.separator, kSeparatorColour);
}

void DrawFooter(HDC dc, int width, const ShellState& shell) {
    FillBox(dc, BoxFromEdges(0, kFooterTop, width, kFooterBottom), kFooterColour);
    DrawTextBox(dc, BoxFromEdges(740, 704, 1004, 720), shell.statusText, kMutedTextColour,
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
    const ShellState& shell = Shell();
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
    DrawTextBox(item.hDC, box, caption, scheme.caption, Shell().fonts.buttonFont, DT_CENTER);
}

HBRUSH ColorControl(UINT message, HDC dc, HWND control) {
    const ShellState& shell = Shell();
    if (message == WM_CTLCOLOREDIT) {
        SetTextColor(dc, kTextColour);
        SetBkColor(dc, kWhite);
        return shell.whiteBrush;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, StaticTextColour(shell, control));
    return shell.whiteBrush;
}
