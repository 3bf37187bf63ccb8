// The launcher's entry for "--selftest", and nothing else.
#include <windows.h>

#include "shell/suite_selftest.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return RunSuiteSelfTest(GetCommandLineW()); }
