// On any screen every control and the status line stay on it: the window
// fits the work area, compact where it must be, at the DPI of the screen.
// tests/e2e/window.sh runs these on a short screen and at 144 DPI.
#include "shell/shell_state.h"
#include "tests/driver/driver_case.h"
#include "tests/driver/tool_window.h"

namespace {

void EveryControlStaysOnScreen(CaseContext& c) {
    const ToolDef& tool = Tool(c);
    const ToolLayout layout = LayoutOf(tool);
    RECT work, outer;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(c.app.window, &outer);
    Expect(c, Inside(outer, work), "the window (%ld, %ld, %ld, %ld) leaves the work area (%ld, %ld, %ld, %ld)",
           outer.left, outer.top, outer.right, outer.bottom, work.left, work.top, work.right, work.bottom);
    for (HWND child = GetWindow(c.app.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(child, &rect);
        Expect(c, Inside(rect, work), "a control at (%ld, %ld) is off the screen", rect.left, rect.top);
    }
    RECT status = RectOf(layout.status);
    MapWindowPoints(c.app.window, HWND_DESKTOP, reinterpret_cast<POINT*>(&status), 2);
    Expect(c, Inside(status, work), "the status line is off the screen");
    // Its fonts follow the DPI the layout was made for.
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    Expect(c, layout.fonts.input * 96 >= 15 * dpi * 7 / 10, "at %d DPI the inputs' font is %d pixels", dpi,
           layout.fonts.input);
    ClickAndSettle(c, CMD_CALCULATE);
    ExpectStatusLine(c, (std::wstring(L"计算完成  ") + tool.title).c_str());
}

const DriverCase kNihssCases[] = {{"screen_every_control_stays_on_screen", EveryControlStaysOnScreen}};
const CaseRegistration kNihss(kNihssCases, 1, L"Nihss.exe");

}  // namespace
