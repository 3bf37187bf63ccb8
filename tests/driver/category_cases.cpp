// One tool of each category of the suite, as the user meets it: it opens
// with its defaults, a calculation shows the result text and verdict the
// calculation run gives for them, and the verdict takes the colour of its
// level. The run itself is checked against the clinical reference by the
// unit tests; here the window must show exactly what it computes.
#include <cstring>
#include <string>

#include "engine/calculation.h"
#include "engine/tool_catalogue.h"
#include "tests/driver/driver_case.h"
#include "tests/support/window_expectations.h"

namespace {


const ToolDef* ToolOf(const char* program) {
    for (int t = 0; t < kToolCatalogueCount; ++t)
        if (std::strcmp(kToolCatalogue[t].program, program) == 0) return kToolCatalogue[t].tool;
    return nullptr;
}

template <const char* Program>
void ShowsWhatItsDefaultsGive(CaseContext& c) {
    const ToolDef* tool = ToolOf(Program);
    if (!Expect(c, tool != nullptr, "%s is not in the catalogue", Program)) return;
    double inputs[kMaxInputs] = {};
    for (int i = 0; i < tool->inputCount; ++i) inputs[i] = tool->inputs[i].defaultValue;
    static wchar_t result[8192], last[8192];
    wchar_t verdict[512];
    int32_t level = 0;
    RunCalculation(*tool, inputs, result, 8192, verdict, 512, &level, last, 8192);

    ExpectText(c, ReadText(c.app.window), tool->title, "window caption");
    Click(FindControl(c.app, kCalculateButton));
    Settle(c.app);
    ExpectText(c, ReadText(FindControl(c.app, kResultBox)), result, "result box");
    ExpectText(c, ReadText(FindVerdictLabel(c.app)), verdict, "verdict");
    const COLORREF other = level == LevelNormal ? kLevelColours[LevelDanger] : kLevelColours[LevelNormal];
    ExpectVerdictColour(c, kLevelColours[level], other);
}

// One tool per category of formula tools, with defaults that reach each level.
#define CATEGORY_TOOL(name, program)                                                                  \
    constexpr char name[] = #program;                                                                \
    const DriverCase name##Cases[] = {{"category_" #program "_shows_what_its_defaults_give",         \
                                       ShowsWhatItsDefaultsGive<name>}};                             \
    const CaseRegistration name##Registration(name##Cases, 1, L"" #program ".exe");

CATEGORY_TOOL(kNutrition, GlucoseInfusionTotal)      // 营养支持, warning
CATEGORY_TOOL(kInfusion, DripRate)                   // 输液用药, notice
CATEGORY_TOOL(kKidney, EGFR)                         // 肾功能, notice
CATEGORY_TOOL(kBody, BodyMassIndex)                  // 体格测量, normal
CATEGORY_TOOL(kCirculation, Cha2ds2Vasc)             // 循环, danger
CATEGORY_TOOL(kElectrolytes, CorrectedCalcium)       // 电解质与检验, notice
CATEGORY_TOOL(kLiver, MeldScore)                     // 肝功能, warning
CATEGORY_TOOL(kObstetrics, DueDate)                  // 产科, normal
CATEGORY_TOOL(kPaediatrics, ChildDose)               // 儿科, normal
CATEGORY_TOOL(kNursing, MorseFallScale)              // 护理评估, normal
CATEGORY_TOOL(kCriticalCare, News2)                  // 重症评分, normal

}  // namespace

namespace {

// The tools with the most inputs: every row lies inside the input panel, and
// every label and unit shows whole in its static in the font it is drawn with.
void EveryRowFitsItsPanel(CaseContext& c) {
    const RECT panel = {20, 96, 460, 648};
    int rows = 0;
    for (HWND control = GetWindow(c.app.window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        RECT box;
        GetWindowRect(control, &box);
        MapWindowPoints(HWND_DESKTOP, c.app.window, reinterpret_cast<POINT*>(&box), 2);
        if (box.left >= panel.right) continue;  // the result column and the buttons
        if (box.top >= panel.bottom) continue;
        ++rows;
        Expect(c, box.bottom <= panel.bottom, "a control of the input panel reaches y %ld", box.bottom);
        wchar_t className[32] = L"";
        GetClassNameW(control, className, 32);
        if (_wcsicmp(className, L"Static") != 0) continue;
        std::wstring text = ReadText(control);
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE extent = {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        Expect(c, extent.cx <= box.right - box.left, "\"%s\" is %ld pixels wide in a static of %ld",
               Utf8(text).c_str(), extent.cx, box.right - box.left);
    }
    Expect(c, rows >= 20, "only %d controls in the input panel", rows);
}

const DriverCase kPaduaCases[] = {{"padua_every_row_fits_its_panel", EveryRowFitsItsPanel}};
const CaseRegistration kPaduaRegistration(kPaduaCases, 1, L"PaduaScore.exe");
const DriverCase kBarthelCases[] = {{"barthel_every_row_fits_its_panel", EveryRowFitsItsPanel}};
const CaseRegistration kBarthelRegistration(kBarthelCases, 1, L"BarthelIndex.exe");

}  // namespace
