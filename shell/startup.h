// The program's entry: the self-test or the main window.
#pragma once

#include <windows.h>

int ShellMain(HINSTANCE instance);
