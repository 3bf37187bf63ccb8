#include <windows.h>

#include "launcher/launcher_window.h"
#include "launcher/suite_selftest.h"
#include "shell/command_line.h"

// "--selftest" checks every program of the suite and shows nothing;
// otherwise the launcher's window opens.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const wchar_t* commandLine = GetCommandLineW();
    if (FindSelfTestSwitch(commandLine)) return RunSuiteSelfTest(commandLine);
    // Every coordinate and font height is in pixels, unscaled.
    SetProcessDPIAware();
    return RunLauncherWindow(instance);
}
