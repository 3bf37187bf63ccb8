#include "shell/painting.h"

#include "shell/palette.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"

namespace {

struct Panel {
    const PanelLayout& layout;
    const wchar_t* captionText;
};

const Panel kPanels[] = {
    {kInputPanel, L"输入参数"},
    {kResultPanel, L"计算结果"},
};

void DrawHeader(HDC dc, int width, const ShellState& shell) {
    const ToolDef& tool = *shell.tool;
    wchar_t subtitle[kSubtitleLineCapacity];
    FormatSubtitleLine(tool, subtitle, kSubtitleLineCapacity);
    const HeaderBandFonts fonts = {shell.fonts.titleFont, shell.fonts.captionFont, shell.fonts.smallFont};
    DrawHeaderBand(dc, width, kHeaderBand, tool.title, subtitle, fonts);
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
    DrawButtonFace(item, item.CtlID == CMD_CALCULATE, CurrentShell().fonts.buttonFont);
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
