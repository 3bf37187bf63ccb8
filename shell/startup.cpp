#include "shell/startup.h"

#include "engine/tool_def.h"
#include "shell/command_line.h"
#include "shell/main_window.h"
#include "store/selftest_report.h"

int ShellMain(HINSTANCE instance) {
    wchar_t path[kReportPathCapacity];
    if (ParseSelfTestPath(GetCommandLineW(), path)) return RunSelfTest(path);
    // Every coordinate and font height is in pixels, unscaled.
    SetProcessDPIAware();
    return RunMainWindow(instance, ConfiguredTool());
}
