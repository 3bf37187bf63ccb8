// Starts a program, lets a tool calculate once with its default inputs (the
// launcher shows its list as it opens), saves a picture of the whole window
// and closes it:
//     peravin_screenshot.exe PATH\Peravin.exe OUT.bmp
#include <cstdio>

#include "tests/driver/driver.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        printf("usage: peravin_screenshot PATH\\Peravin.exe OUT.bmp\n");
        return 2;
    }
    App app;
    if (!LaunchApp(argv[1], &app)) {
        printf("the program did not show its window\n");
        KillApp(&app);
        return 1;
    }
    if (HWND calculate = FindControl(app, 1001)) {
        Click(calculate);
        Settle(app);
    }
    // The text cursor blinks; a second look lets the picture settle.
    Sleep(300);
    RECT outer;
    GetWindowRect(app.window, &outer);
    Capture picture;
    bool saved = CaptureScreen(outer, &picture) && SaveBitmap(picture, argv[2]);
    DWORD exitCode = 1;
    bool closed = CloseApp(&app, &exitCode);
    KillApp(&app);
    if (!saved) printf("the picture could not be saved\n");
    return saved && closed && exitCode == 0 ? 0 : 1;
}
