#include "shell/headless.h"

#include "engine/platform.h"
#include "shell/calc_refusal.h"
#include "shell/command_line.h"
#include "store/selftest_report.h"
#include "store/utf8_file.h"

namespace {

// Says why on the console and, when the command line names a report path,
// in PATH.err, which Notepad reads as UTF-8 by its byte-order mark. The
// buffers are on the stack: static ones would lie in every program's file.
int RefuseCalc(CalcCommand command, const CalcRequest& request, const ToolDef& tool) {
    wchar_t text[kCalcRefusalCapacity + 1];
    text[0] = L'\xFEFF';
    FormatCalcRefusal(command, request, tool, text + 1);
    WriteToConsole(text + 1);
    if (request.path[0]) {
        wchar_t path[kRefusalPathCapacity];
        RefusalPathOf(request.path, path);
        char staging[4 * (kCalcRefusalCapacity + 1)];
        WriteUtf8File(path, text, staging, sizeof staging);
    }
    return kCalcCommandRejected;
}

}  // namespace

bool RunHeadless(const wchar_t* commandLine, const ToolDef& tool, int* exitCode) {
    wchar_t path[kReportPathCapacity];
    if (ParseSelfTestPath(commandLine, path)) {
        *exitCode = RunSelfTestOf(tool, path);
        return true;
    }
    static CalcRequest request;
    CalcCommand command = ParseCalcCommand(commandLine, tool, &request);
    if (command == CalcNotAsked) return false;
    *exitCode = command == CalcAccepted ? RunCalcReport(tool, request.inputValues, request.path)
                                        : RefuseCalc(command, request, tool);
    return true;
}
