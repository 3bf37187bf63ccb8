#include "shell/headless.h"

#include "shell/command_line.h"
#include "store/selftest_report.h"

bool RunHeadless(const wchar_t* commandLine, const ToolDef& tool, int* exitCode) {
    wchar_t path[kReportPathCapacity];
    if (ParseSelfTestPath(commandLine, path)) {
        *exitCode = RunSelfTestOf(tool, path);
        return true;
    }
    static CalcRequest request;
    CalcCommand command = ParseCalcCommand(commandLine, tool, &request);
    if (command == CalcNotAsked) return false;
    *exitCode = command == CalcAccepted ? RunCalcReport(tool, request.inputValues, request.path) : kCalcCommandRejected;
    return true;
}
