#include "shell/tool_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/tool_catalogue.h"
#include "launcher/launcher_layout.h"
#include "shell/input_kind.h"
#include "shell/shell_texts.h"
#include "shell/text_width.h"

namespace {

bool Inside(const Box& inner, const Box& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && RightOf(inner) <= RightOf(outer) &&
           BottomOf(inner) <= BottomOf(outer);
}

bool Overlap(const Box& a, const Box& b) {
    return a.x < RightOf(b) && b.x < RightOf(a) && a.y < BottomOf(b) && b.y < BottomOf(a);
}

// What the frame adds on Windows at each DPI (caption and borders grow with it).
ScreenMetrics Screen(int dpi, int width, int height) {
    return ScreenMetrics{dpi, Box{0, 0, width, height}, 6 * dpi / 96, 29 * dpi / 96};
}

// A wrapped text of that font fits its box in lines of LineHeight.
bool WrapsInto(const wchar_t* text, int fontPixels, const Box& box) {
    int width = EstimatedTextWidth(text, fontPixels) * 11 / 10;
    int lines = (width + box.width - 1) / box.width;
    return (lines < 1 ? 1 : lines) * LineHeight(fontPixels) <= box.height;
}

// The window as it has always been at 96 DPI on a tall screen.
TEST(ToolLayout, At96DpiOnATallScreenIsTheWindowUsersKnow) {
    const ToolDef& peravin = *kToolCatalogue[0].tool;
    ToolLayout layout = ComputeToolLayout(peravin, Screen(96, 1280, 900));
    EXPECT_FALSE(layout.compact);
    EXPECT_EQ(layout.clientWidth, 1020);
    EXPECT_EQ(layout.clientHeight, 720);
    const struct {
        Box box;
        Box expected;
    } rows[] = {
        {layout.rows[0].label, {24, 151, 184, 22}},  {layout.rows[0].control, {216, 146, 152, 27}},
        {layout.rows[2].unit, {374, 218, 78, 22}},   {layout.verdict, {492, 142, 492, 46}},
        {layout.result, {492, 196, 492, 232}},       {layout.note, {492, 444, 492, 120}},
        {layout.basis, {492, 576, 492, 56}},         {layout.status, {740, 704, 264, 16}},
        {layout.buttons[ButtonCalculate], {20, 668, 152, 40}}, {layout.buttons[ButtonAbout], {616, 668, 110, 40}},
        {layout.inputPanel.panel, {20, 96, 440, 552}}, {layout.header.webAddress, {780, 8, 214, 26}},
    };
    auto Numbers = [](const Box& b) { return std::vector<int>{b.x, b.y, b.width, b.height}; };
    for (const auto& row : rows) EXPECT_EQ(Numbers(row.box), Numbers(row.expected));
    const ToolFonts& f = layout.fonts;
    EXPECT_EQ(std::vector<int>({f.title, f.caption, f.label, f.input, f.verdict, f.result, f.button, f.small}),
              std::vector<int>({27, 14, 14, 15, 21, 15, 15, 12}));
}

// Every tool at every DPI on every work area: the window on screen, every
// box inside its panel, none over another, every text within its box.
TEST(ToolLayout, EveryToolFitsEveryScreen) {
    const int dpis[] = {96, 120, 144, 192};
    const int heights[] = {728, 860, 1040};
    const int widths[] = {1366, 1440, 1920};
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        for (int dpi : dpis)
            for (int h = 0; h < 3; ++h) {
                SCOPED_TRACE(std::string(kToolCatalogue[t].program) + " at " + std::to_string(dpi) + " DPI, " +
                             std::to_string(heights[h]));
                const ScreenMetrics screen = Screen(dpi, widths[h], heights[h]);
                const ToolLayout layout = ComputeToolLayout(tool, screen);
                ASSERT_LE(layout.clientWidth + screen.frameWidth, widths[h]);
                ASSERT_LE(layout.clientHeight + screen.frameHeight, heights[h]);
                const Box client = {0, 0, layout.clientWidth, layout.clientHeight};
                std::vector<Box> boxes;
                for (int i = 0; i < tool.inputCount; ++i) {
                    const InputRowLayout& row = layout.rows[i];
                    EXPECT_TRUE(Inside(row.label, layout.inputPanel.panel) && Inside(row.control, layout.inputPanel.panel))
                        << tool.inputs[i].key;
                    boxes.push_back(row.label);
                    boxes.push_back(row.control);
                    if (KindOfInput(tool.inputs[i]) == InputNumberBox) boxes.push_back(row.unit);
                    EXPECT_LE(EstimatedTextWidth(tool.inputs[i].label, layout.fonts.label), row.label.width)
                        << tool.inputs[i].key;
                }
                for (const Box& box : {layout.verdict, layout.result, layout.note, layout.basis}) {
                    EXPECT_TRUE(Inside(box, layout.resultPanel.panel));
                    boxes.push_back(box);
                }
                for (const Box& box : layout.buttons) {
                    EXPECT_TRUE(Inside(box, layout.footer) && Inside(box, client));
                    boxes.push_back(box);
                }
                EXPECT_TRUE(Inside(layout.status, layout.footer) && Inside(layout.footer, client));
                for (size_t a = 0; a < boxes.size(); ++a)
                    for (size_t b = a + 1; b < boxes.size(); ++b) EXPECT_FALSE(Overlap(boxes[a], boxes[b])) << a << " " << b;
                for (int r = 0; r < tool.ruleCount; ++r)
                    EXPECT_LE(EstimatedTextWidth(tool.rules[r].verdict, layout.fonts.verdict), layout.verdict.width);
                if (tool.note) {
                    EXPECT_TRUE(WrapsInto(tool.note, layout.fonts.small, layout.note)) << layout.note.height;
                }
                wchar_t basis[kBasisLineCapacity];
                FormatBasisLine(tool, basis, kBasisLineCapacity);
                EXPECT_TRUE(WrapsInto(basis, layout.fonts.small, layout.basis)) << layout.basis.height;
            }
    }
}

// More DPI, bigger window and fonts; a short screen makes it compact, never
// taller than the work area.
TEST(ToolLayout, ScalesWithTheDpiAndCompactsOnAShortScreen) {
    const ToolDef& peravin = *kToolCatalogue[0].tool;
    EXPECT_EQ(ComputeToolLayout(peravin, Screen(144, 1920, 1200)).fonts.input, 22);
    EXPECT_EQ(ComputeToolLayout(peravin, Screen(192, 2560, 1600)).clientWidth, 2040);
    ToolLayout shortScreen = ComputeToolLayout(peravin, Screen(96, 1366, 728));
    EXPECT_TRUE(shortScreen.compact);
    EXPECT_EQ(shortScreen.rows[0].control.width, 152);
    EXPECT_LT(shortScreen.result.height, 232);
}

TEST(LauncherLayout, FitsEveryScreenAndIsTheKnownWindowAt96Dpi) {
    LauncherLayout known = ComputeLauncherLayout(Screen(96, 1366, 768));
    EXPECT_EQ(known.clientWidth, 760);
    EXPECT_EQ(known.clientHeight, 640);
    EXPECT_EQ(known.list.x, 21);
    EXPECT_EQ(known.status.y, 590);
    for (int dpi : {96, 120, 144, 192})
        for (int height : {728, 860, 1040}) {
            ScreenMetrics screen = Screen(dpi, 1366, height);
            LauncherLayout layout = ComputeLauncherLayout(screen);
            EXPECT_LE(layout.clientHeight + screen.frameHeight, height) << dpi;
            EXPECT_LE(layout.clientWidth + screen.frameWidth, 1366) << dpi;
            EXPECT_TRUE(Inside(layout.list, layout.listPanel) && BottomOf(layout.listPanel) <= layout.footer.y);
            EXPECT_GE(layout.list.height, layout.categoryRowHeight + 4 * layout.toolRowHeight) << dpi;
        }
}

}  // namespace
