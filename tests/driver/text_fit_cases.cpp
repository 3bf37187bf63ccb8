// Every text of every tool of the catalogue shows whole in its control, as
// measured with the fonts the window draws it in: the title in the header,
// the category and subtitle line, each input's label and unit, each
// verdict, the note and the basis (these two wrap over their lines).
#include <cwchar>
#include <string>

#include "engine/tool_catalogue.h"
#include "tests/driver/driver_case.h"

namespace {

struct FontLook {
    int height;
    int weight;
};

constexpr FontLook kTitleLook = {-27, FW_BOLD};
constexpr FontLook kCaptionLook = {-14, FW_NORMAL};
constexpr FontLook kLabelLook = {-14, FW_NORMAL};
constexpr FontLook kVerdictLook = {-21, FW_BOLD};
constexpr FontLook kSmallLook = {-12, FW_NORMAL};

// The size the text takes in the look, in one line or wrapped to width.
SIZE Measure(const FontLook& look, const std::wstring& text, int wrapWidth = 0) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontW(look.height, 0, 0, 0, look.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             L"Microsoft YaHei UI");
    HGDIOBJ old = SelectObject(dc, font);
    RECT rect = {0, 0, wrapWidth ? wrapWidth : 100000, 0};
    UINT flags = DT_CALCRECT | DT_NOPREFIX | (wrapWidth ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, text.c_str(), -1, &rect, flags);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void ExpectFits(CaseContext& c, const char* program, const char* what, const FontLook& look,
                const std::wstring& text, int width, int height = 0) {
    SIZE size = Measure(look, text, height ? width : 0);
    bool fits = size.cx <= width && (!height || size.cy <= height);
    Expect(c, fits, "%s: %s \"%s\" takes %ld x %ld, its control %d x %d", program, what, Utf8(text).c_str(), size.cx,
           size.cy, width, height);
}

void EveryToolsTextsFit(CaseContext& c) {
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const char* program = kToolCatalogue[t].program;
        const ToolDef& tool = *kToolCatalogue[t].tool;
        ExpectFits(c, program, "title", kTitleLook, tool.title, 700);
        ExpectFits(c, program, "subtitle line", kCaptionLook,
                   std::wstring(tool.category) + L"  \x00B7  " + (tool.subtitle ? tool.subtitle : L""), 720);
        for (int i = 0; i < tool.inputCount; ++i) {
            ExpectFits(c, program, "label", kLabelLook, tool.inputs[i].label, 184);
            if (tool.inputs[i].unit) ExpectFits(c, program, "unit", kSmallLook, tool.inputs[i].unit, 78);
        }
        for (int i = 0; i < tool.ruleCount; ++i) ExpectFits(c, program, "verdict", kVerdictLook, tool.rules[i].verdict, 492);
        if (tool.note) ExpectFits(c, program, "note", kSmallLook, tool.note, 492, 120);
        ExpectFits(c, program, "basis", kSmallLook, std::wstring(L"参考依据：") + tool.basis, 492, 56);
    }
}

const DriverCase kTextFitCases[] = {{"window_every_tools_texts_fit", EveryToolsTextsFit}};
const CaseRegistration kTextFitRegistration(kTextFitCases, 1);

}  // namespace
