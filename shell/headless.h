// The program's modes without a window: the self-test and the calculation
// asked for on the command line. Portable, so the Windows program, the
// native program and the tests choose a mode alike.
#pragma once

#include "engine/tool_def.h"

// Exit code of a "--calc" command line that is not run: no report written,
// the reason on the console and in PATH.err (shell/calc_refusal.h).
constexpr int kCalcCommandRejected = 4;

// Runs the mode the command line asks for with tool and sets *exitCode:
// "--selftest" (which wins when both are given), else "--calc". False when
// the command line asks for neither: the window opens.
bool RunHeadless(const wchar_t* commandLine, const ToolDef& tool, int* exitCode);
