// Why a "--calc" command line was refused, in the words the administrator
// who ran it reads on the console and in the file beside the report path.
// Portable, so that the wording of every rule is tested natively.
#pragma once

#include "engine/platform.h"
#include "engine/tool_def.h"
#include "shell/command_line.h"

constexpr int kCalcRefusalCapacity = kConsoleTextCapacity;

// Fills text (kCalcRefusalCapacity characters) for a refused command
// (neither CalcAccepted nor CalcNotAsked), as ParseCalcCommand left request:
// a line saying that no report was written, then the rule the argument
// broke, with the argument quoted as given. Lines end in CR LF.
void FormatCalcRefusal(CalcCommand command, const CalcRequest& request, const ToolDef& tool, wchar_t* text);

// The refusal's file beside the report path PATH: PATH.err.
constexpr int kRefusalPathCapacity = kReportPathCapacity + 4;
void RefusalPathOf(const wchar_t* reportPath, wchar_t* refusalPath);
