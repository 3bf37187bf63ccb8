// The entry of every tool's program, compiled once for all of them.
#include <windows.h>

#include "shell/startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return ShellMain(instance); }
