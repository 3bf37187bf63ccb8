#include "launcher/launcher_painting.h"

#include "engine/tool_catalogue.h"
#include "launcher/launcher_layout.h"
#include "launcher/launcher_state.h"
#include "launcher/sibling_program.h"
#include "shell/drawing.h"
#include "shell/palette.h"

namespace {

// The program's file name beside its title.
constexpr int kProgramNameCapacity = 96;

RowLayout RowOf(const RECT& rect) { return RowLayout{rect.left, rect.top, rect.right, rect.bottom}; }

void DrawHeadingRow(HDC dc, const RowLayout& row, const wchar_t* category, const LauncherState& launcher) {
    FillBox(dc, BoxFromEdges(row.left, row.top, row.right, row.bottom), kPageColour);
    DrawTextBox(dc, CategoryTextBox(launcher.layout, row), category, kHeaderColour, launcher.fonts.categoryFont, 0);
    FillBox(dc, RowRuleBox(launcher.layout, row), kSeparatorColour);
}

struct RowColours {
    COLORREF fill;
    COLORREF title;
    COLORREF subtitle;
    COLORREF program;
};

constexpr RowColours kPlainRow = {kWhite, kTextColour, kMutedTextColour, kMutedTextColour};
// The selection in the colours of the header band's texts on the primary blue.
constexpr RowColours kSelectedRow = {kCalculateFill, kWhite, kSubtitleColour, kWebAddressColour};

void DrawToolRow(HDC dc, const RowLayout& row, const CatalogueEntry& entry, bool selected,
                 const LauncherState& launcher) {
    const RowColours& colours = selected ? kSelectedRow : kPlainRow;
    const LauncherLayout& layout = launcher.layout;
    const LauncherFonts& fonts = launcher.fonts;
    FillBox(dc, BoxFromEdges(row.left, row.top, row.right, row.bottom), colours.fill);
    DrawTextBox(dc, ToolTitleBox(layout, row), entry.tool->title, colours.title, fonts.rowTitleFont, 0);
    DrawTextBox(dc, ToolSubtitleBox(layout, row), entry.tool->subtitle ? entry.tool->subtitle : L"",
                colours.subtitle, fonts.smallFont, 0);
    wchar_t program[kProgramNameCapacity];
    SiblingProgramPath(L"", entry.program, program, kProgramNameCapacity);
    DrawTextBox(dc, ProgramNameBox(layout, row), program, colours.program, fonts.smallFont, DT_RIGHT);
    if (!selected) FillBox(dc, RowRuleBox(layout, row), kSeparatorColour);
}

void DrawListRow(const DRAWITEMSTRUCT& item) {
    const LauncherState& launcher = CurrentLauncher();
    // An empty list draws only its focus; a change of focus alone changes nothing here.
    if (item.itemID >= static_cast<UINT>(launcher.rowCount) || item.itemAction == ODA_FOCUS) return;
    const ToolRow& row = launcher.rows[item.itemID];
    if (IsToolRow(row))
        DrawToolRow(item.hDC, RowOf(item.rcItem), kToolCatalogue[row.tool], (item.itemState & ODS_SELECTED) != 0,
                    launcher);
    else
        DrawHeadingRow(item.hDC, RowOf(item.rcItem), HeadingText(row), launcher);
}

void DrawListPanel(HDC dc, const LauncherState& launcher) {
    FillBox(dc, launcher.layout.listPanel, kWhite);
    FrameBox(dc, launcher.layout.listPanel, kPanelBorderColour, launcher.layout.lineWidth);
    if (launcher.rowCount == 0)
        DrawTextBox(dc, launcher.layout.noMatch, kNoMatchText, kMutedTextColour, launcher.fonts.captionFont,
                    DT_CENTER);
}

}  // namespace

void PaintLauncherWindow(HWND window) {
    const LauncherState& launcher = CurrentLauncher();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillBox(dc, BoxFromEdges(0, 0, client.right, client.bottom), kPageColour);
    const HeaderBandFonts headerFonts = {launcher.fonts.titleFont, launcher.fonts.captionFont,
                                         launcher.fonts.smallFont};
    const LauncherLayout& layout = launcher.layout;
    DrawHeaderBand(dc, client.right, layout.header, kLauncherTitle, launcher.subtitle, headerFonts);
    DrawTextBox(dc, layout.searchCaption, kSearchCaption, kHeaderColour, launcher.fonts.captionFont, 0);
    DrawListPanel(dc, launcher);
    FillBox(dc, layout.footer, kFooterColour);
    DrawTextBox(dc, layout.status, launcher.statusText, kMutedTextColour, launcher.fonts.smallFont, DT_RIGHT);
    EndPaint(window, &paint);
}

void MeasureLauncherRow(MEASUREITEMSTRUCT* item) {
    const LauncherState& launcher = CurrentLauncher();
    bool tool = item->itemID < static_cast<UINT>(launcher.rowCount) && IsToolRow(launcher.rows[item->itemID]);
    item->itemHeight = static_cast<UINT>(tool ? launcher.layout.toolRowHeight : launcher.layout.categoryRowHeight);
}

void DrawLauncherItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_LISTBOX)
        DrawListRow(item);
    else
        DrawButtonFace(item, item.CtlID == CMD_OPEN_TOOL, CurrentLauncher().fonts.buttonFont);
}

HBRUSH ColorLauncherControl(HDC dc) {
    SetTextColor(dc, kTextColour);
    SetBkColor(dc, kWhite);
    return CurrentLauncher().whiteBrush;
}
