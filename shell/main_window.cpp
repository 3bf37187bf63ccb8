#include "shell/main_window.h"

// Placeholder until the window lands: window mode cannot start yet.
int RunMainWindow(HINSTANCE, const ToolDef&) { return 1; }
