#include "launcher/launcher_layout.h"

namespace {

// The window at 96 DPI, in its pixels.
constexpr int kClientWidth = 760;
constexpr int kNaturalHeight = 640;
constexpr int kListTop = 146;
constexpr int kNaturalListBottom = 568;
// The list keeps room for a heading and a few tools.
constexpr int kShortestListHeight = 30 + 4 * 48 + 4;
// Below the list: the gap to the footer and the footer itself.
constexpr int kBelowList = kNaturalHeight - kNaturalListBottom;

constexpr int kRowTextInset = 16;
constexpr int kToolTextIndent = 28;
constexpr int kProgramNameWidth = 190;

int RowScaled(const LauncherLayout& layout, int units) {
    return Scaled(Scale{layout.scaleNumerator, layout.scaleDenominator}, units);
}

}  // namespace

LauncherLayout ComputeLauncherLayout(const ScreenMetrics& screen) {
    const Scale scale = ScaleForScreen(screen, kClientWidth, kListTop + kShortestListHeight + kBelowList);
    int listBottom = kNaturalListBottom;
    int roomUnits = RoomHeightInUnits(screen, scale);
    if (roomUnits > 0 && listBottom + kBelowList > roomUnits) listBottom = roomUnits - kBelowList;
    if (listBottom < kListTop + kShortestListHeight) listBottom = kListTop + kShortestListHeight;

    LauncherLayout layout = {};
    layout.scaleNumerator = scale.num;
    layout.scaleDenominator = scale.den;
    layout.clientWidth = Scaled(scale, kClientWidth);
    layout.clientHeight = Scaled(scale, listBottom + kBelowList);
    layout.fonts = LauncherFontHeights{ScaledFont(scale, 27), ScaledFont(scale, 14), ScaledFont(scale, 17),
                                       ScaledFont(scale, 14), ScaledFont(scale, 15), ScaledFont(scale, 15),
                                       ScaledFont(scale, 12)};
    layout.lineWidth = ScaledLine(scale);
    layout.header = HeaderBandLayout{Scaled(scale, 88), Scaled(scale, 8), ScaledEdges(scale, 26, 12, 496, 50),
                                     ScaledEdges(scale, 28, 48, 734, 76),
                                     ScaledEdges(scale, kClientWidth - 240, 8, kClientWidth - 26, 34)};
    layout.searchCaption = ScaledEdges(scale, 20, 102, 68, 132);
    layout.searchEdit = ScaledEdges(scale, 72, 102, 740, 132);
    layout.listPanel = ScaledEdges(scale, 20, kListTop, 740, listBottom);
    layout.list = ScaledEdges(scale, 21, kListTop + 1, 739, listBottom - 1);
    layout.noMatch = ScaledEdges(scale, 21, kListTop + 1, 739, kListTop + 121);
    layout.categoryRowHeight = Scaled(scale, 30);
    layout.toolRowHeight = Scaled(scale, 48);
    int footerTop = listBottom + 12;
    layout.footer = ScaledEdges(scale, 0, footerTop, kClientWidth, listBottom + kBelowList);
    layout.openButton = ScaledEdges(scale, 20, footerTop + 10, 172, footerTop + 50);
    layout.aboutButton = ScaledEdges(scale, 184, footerTop + 10, 294, footerTop + 50);
    layout.status = ScaledEdges(scale, 310, footerTop + 10, 740, footerTop + 50);
    return layout;
}

Box CategoryTextBox(const LauncherLayout& layout, const RowLayout& row) {
    int inset = RowScaled(layout, kRowTextInset);
    return BoxFromEdges(row.left + inset, row.top, row.right - inset, row.bottom);
}

Box ToolTitleBox(const LauncherLayout& layout, const RowLayout& row) {
    return BoxFromEdges(row.left + RowScaled(layout, kToolTextIndent), row.top + RowScaled(layout, 5),
                        row.right - RowScaled(layout, kRowTextInset + kProgramNameWidth), row.top + RowScaled(layout, 27));
}

Box ToolSubtitleBox(const LauncherLayout& layout, const RowLayout& row) {
    return BoxFromEdges(row.left + RowScaled(layout, kToolTextIndent), row.top + RowScaled(layout, 27),
                        row.right - RowScaled(layout, kRowTextInset), row.top + RowScaled(layout, 44));
}

Box ProgramNameBox(const LauncherLayout& layout, const RowLayout& row) {
    return BoxFromEdges(row.right - RowScaled(layout, kRowTextInset + kProgramNameWidth), row.top + RowScaled(layout, 5),
                        row.right - RowScaled(layout, kRowTextInset), row.top + RowScaled(layout, 27));
}

Box RowRuleBox(const LauncherLayout& layout, const RowLayout& row) {
    int inset = RowScaled(layout, kRowTextInset);
    return BoxFromEdges(row.left + inset, row.bottom - layout.lineWidth, row.right - inset, row.bottom);
}
