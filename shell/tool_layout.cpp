#include "shell/tool_layout.h"

#include "engine/text.h"
#include "shell/input_kind.h"
#include "shell/shell_texts.h"
#include "shell/text_width.h"

namespace {

// The window at 96 DPI, in its pixels ("units" below): 1020 x 720, the
// header band, the two panels, the footer band.
constexpr int kClientWidth = 1020;
constexpr int kHeaderBottom = 88;
constexpr int kPanelTop = 96;
constexpr int kNaturalPanelHeight = 552;
// Header, the gaps around the panels and the footer: what never shrinks.
constexpr int kFixedHeight = kPanelTop + 12 + 60;

// Input rows hang off their base line y = kFirstRowY + pitch * i.
constexpr int kFirstRowY = 150;
constexpr int kRowPitch = 34;
constexpr int kTightestRowPitch = 29;
// From the first row's base line up to the panel top, and what the last
// row needs below its base line: its box and the panel's margin.
constexpr int kRowsTop = kFirstRowY - kPanelTop;
constexpr int kRowBelowBase = 23 + 16;
constexpr int kChecklistItemHeight = 24;
constexpr int kChecklistFewestItems = 5;

// The result column: verdict, result box, note, basis, with the gaps
// between them; the result box, the note and the basis give up height.
constexpr int kVerdictTop = 142 - kPanelTop;
constexpr int kVerdictHeight = 46;
constexpr int kResultGap = 8;
constexpr int kResultHeight = 232;
constexpr int kSmallestResultHeight = 120;
constexpr int kNoteGap = 16;
constexpr int kNoteHeight = 120;
constexpr int kBasisGap = 12;
constexpr int kBasisHeight = 56;
constexpr int kColumnBottomGap = 16;
constexpr int kColumnWidth = 492;
constexpr int kSmallFont = 12;


// The height a wrapped text of the small font needs in a box of the column's
// width, with a tenth to spare for where a line breaks and two pixels a line
// for the line height rounded at another scale.
int WrappedHeight(const wchar_t* text) {
    int width = EstimatedTextWidth(text, kSmallFont) * 11 / 10;
    int lines = (width + kColumnWidth - 1) / kColumnWidth;
    if (lines < 1) lines = 1;
    return lines * (LineHeight(kSmallFont) + 2);
}

int Smallest(int natural, int needed, int floor) {
    int smallest = needed > floor ? needed : floor;
    return smallest < natural ? smallest : natural;
}

struct Column {
    int result, note, basis;
};

int ColumnHeight(const Column& column) {
    return kVerdictTop + kVerdictHeight + kResultGap + column.result + kNoteGap + column.note + kBasisGap +
           column.basis + kColumnBottomGap;
}

Column SmallestColumn(const ToolDef& tool) {
    wchar_t basis[kBasisLineCapacity];
    FormatBasisLine(tool, basis, kBasisLineCapacity);
    return Column{kSmallestResultHeight, Smallest(kNoteHeight, WrappedHeight(TextOrEmpty(tool.note)), 2 * LineHeight(kSmallFont)),
                  Smallest(kBasisHeight, WrappedHeight(basis), 2 * LineHeight(kSmallFont))};
}

// The column in a panel of this height: the result box gives up height
// first, then the note, then the basis.
Column FitColumn(const Column& smallest, int panelHeight) {
    Column column = {kResultHeight, kNoteHeight, kBasisHeight};
    int excess = ColumnHeight(column) - panelHeight;
    int* parts[] = {&column.result, &column.note, &column.basis};
    const int floors[] = {smallest.result, smallest.note, smallest.basis};
    for (int i = 0; i < 3 && excess > 0; ++i) {
        int give = *parts[i] - floors[i];
        if (give > excess) give = excess;
        *parts[i] -= give;
        excess -= give;
    }
    return column;
}

int ChecklistRow(const ToolDef& tool) {
    for (int i = 0; i < InputRowCount(tool); ++i)
        if (KindOfInput(tool.inputs[i]) == InputChecklist) return i;
    return -1;
}

// The panel height the rows need at a pitch: a checklist takes what is left
// under its label and needs room for a few of its items.
int RowsHeight(const ToolDef& tool, int pitch) {
    int rows = InputRowCount(tool);
    int checklist = ChecklistRow(tool);
    if (checklist >= 0) return kRowsTop + pitch * checklist + 26 + kChecklistFewestItems * kChecklistItemHeight + 16;
    if (rows == 0) return 0;
    return kRowsTop + pitch * (rows - 1) + kRowBelowBase;
}

// The widest pitch at which the rows fit the panel.
int RowPitch(const ToolDef& tool, int panelHeight) {
    for (int pitch = kRowPitch; pitch > kTightestRowPitch; --pitch)
        if (RowsHeight(tool, pitch) <= panelHeight) return pitch;
    return kTightestRowPitch;
}

void PlaceRows(const ToolDef& tool, const Scale& scale, int pitch, int panelBottom, ToolLayout* layout) {
    for (int i = 0; i < InputRowCount(tool); ++i) {
        int y = kFirstRowY + pitch * i;
        InputRowLayout& row = layout->rows[i];
        row.label = ScaledEdges(scale, 24, y + 1, 208, y + 23);
        row.unit = ScaledEdges(scale, 374, y, 452, y + 22);
        switch (KindOfInput(tool.inputs[i])) {
        case InputNumberBox: row.control = ScaledEdges(scale, 216, y - 4, 368, y + 23); break;
        case InputDropDown: row.control = ScaledEdges(scale, 216, y - 4, 452, y + 23); break;
        case InputCheckBox: row.control = ScaledEdges(scale, 216, y - 2, 452, y + 21); break;
        case InputChecklist:
            // The list's caption spans the row; the list takes the panel below it.
            row.label = ScaledEdges(scale, 36, y + 1, 452, y + 23);
            row.control = ScaledEdges(scale, 24, y + 26, 452, panelBottom - 16);
            break;
        }
    }
}

void PlaceHeader(const Scale& scale, ToolLayout* layout) {
    HeaderBandLayout& header = layout->header;
    header.bottom = Scaled(scale, kHeaderBottom);
    header.accentWidth = Scaled(scale, 8);
    header.title = ScaledEdges(scale, 26, 12, 726, 50);
    header.subtitle = ScaledEdges(scale, 28, 48, 748, 76);
    header.webAddress = ScaledEdges(scale, kClientWidth - 240, 8, kClientWidth - 26, 34);
}

void PlacePanels(const Scale& scale, int panelBottom, ToolLayout* layout) {
    layout->inputPanel = {ScaledEdges(scale, 20, kPanelTop, 460, panelBottom), ScaledEdges(scale, 36, 104, 336, 134),
                          ScaledEdges(scale, 36, 133, 444, 134)};
    layout->resultPanel = {ScaledEdges(scale, 476, kPanelTop, 1000, panelBottom),
                           ScaledEdges(scale, 492, 104, 792, 134), ScaledEdges(scale, 492, 133, 984, 134)};
    // A line keeps at least one pixel.
    layout->inputPanel.separator.height = layout->lineWidth;
    layout->resultPanel.separator.height = layout->lineWidth;
}

void PlaceColumn(const Scale& scale, const Column& column, ToolLayout* layout) {
    int top = kPanelTop + kVerdictTop;
    layout->verdict = ScaledEdges(scale, 492, top, 984, top + kVerdictHeight);
    top += kVerdictHeight + kResultGap;
    layout->result = ScaledEdges(scale, 492, top, 984, top + column.result);
    top += column.result + kNoteGap;
    layout->note = ScaledEdges(scale, 492, top, 984, top + column.note);
    top += column.note + kBasisGap;
    layout->basis = ScaledEdges(scale, 492, top, 984, top + column.basis);
}

void PlaceFooter(const Scale& scale, int panelBottom, ToolLayout* layout) {
    int top = panelBottom + 12;
    int bottom = top + 60;
    layout->footer = ScaledEdges(scale, 0, top, kClientWidth, bottom);
    layout->status = ScaledEdges(scale, 740, bottom - 16, 1004, bottom);
    struct Span {
        int left, right;
    };
    const Span spans[kToolButtonCount] = {{20, 172}, {184, 316}, {328, 460}, {472, 604}, {616, 726}};
    for (int b = 0; b < kToolButtonCount; ++b)
        layout->buttons[b] = ScaledEdges(scale, spans[b].left, top + 8, spans[b].right, top + 48);
    layout->clientHeight = Scaled(scale, bottom);
}

void PlaceFonts(const Scale& scale, ToolLayout* layout) {
    layout->fonts = ToolFonts{ScaledFont(scale, 27), ScaledFont(scale, 14), ScaledFont(scale, 14),
                              ScaledFont(scale, 15), ScaledFont(scale, 21), ScaledFont(scale, 15),
                              ScaledFont(scale, 15), ScaledFont(scale, kSmallFont)};
}

}  // namespace

int LineHeight(int fontPixels) { return (fontPixels * 4 + 2) / 3; }

int ScaledLength(const ToolLayout& layout, int pixels) {
    return Scaled(Scale{layout.scaleNumerator, layout.scaleDenominator}, pixels);
}

ToolLayout ComputeToolLayout(const ToolDef& tool, const ScreenMetrics& screen) {
    const Column smallest = SmallestColumn(tool);
    int rowsHeight = RowsHeight(tool, kTightestRowPitch);
    int smallestPanel = ColumnHeight(smallest) > rowsHeight ? ColumnHeight(smallest) : rowsHeight;
    if (smallestPanel > kNaturalPanelHeight) smallestPanel = kNaturalPanelHeight;

    // As the DPI asks, unless the work area is too narrow, or too short for
    // even the compact window.
    const Scale scale = ScaleForScreen(screen, kClientWidth, kFixedHeight + smallestPanel);

    // The panel as tall as the work area lets it be, in units.
    int panelHeight = kNaturalPanelHeight;
    int roomUnits = RoomHeightInUnits(screen, scale);
    if (roomUnits > 0 && kFixedHeight + panelHeight > roomUnits) panelHeight = roomUnits - kFixedHeight;
    if (panelHeight < smallestPanel) panelHeight = smallestPanel;
    // A column that fits in less leaves the rest to the rows.
    const Column column = FitColumn(smallest, panelHeight);
    int panelBottom = kPanelTop + panelHeight;

    ToolLayout layout = {};
    layout.scaleNumerator = scale.num;
    layout.scaleDenominator = scale.den;
    layout.compact = panelHeight < kNaturalPanelHeight || Smaller(scale, Scale{screen.dpi > 0 ? screen.dpi : 96, 96});
    layout.clientWidth = Scaled(scale, kClientWidth);
    layout.lineWidth = ScaledLine(scale);
    layout.checklistItemHeight = Scaled(scale, kChecklistItemHeight);
    PlaceFonts(scale, &layout);
    PlaceHeader(scale, &layout);
    PlacePanels(scale, panelBottom, &layout);
    PlaceRows(tool, scale, RowPitch(tool, panelHeight), panelBottom, &layout);
    PlaceColumn(scale, column, &layout);
    PlaceFooter(scale, panelBottom, &layout);
    return layout;
}
