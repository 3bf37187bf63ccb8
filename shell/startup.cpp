#include "shell/startup.h"

#include "engine/tool_def.h"
#include "shell/headless.h"
#include "shell/main_window.h"

int ShellMain(HINSTANCE instance) {
    int exitCode = 0;
    if (RunHeadless(GetCommandLineW(), ConfiguredTool(), &exitCode)) return exitCode;
    // Every coordinate and font height is in pixels, unscaled.
    SetProcessDPIAware();
    return RunMainWindow(instance, ConfiguredTool());
}
