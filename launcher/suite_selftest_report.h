// The suite's self-test: every program of the list runs its own self-test,
// and one UTF-8 report gathers a line per program and the counts:
//
//     id|program|title|exit code|level|verdict
//     COUNTS|tools|passed|outputs failed|not run
//
// For a program that did not run or left no report of its own, the exit
// code is "-" when it did not end by itself, the level "-", and the verdict
// field says what went wrong. Portable: the caller runs the programs.
#pragma once

#include <cstdint>

#include "engine/tool_catalogue.h"

// Exit codes: every program passed; some program reported failed outputs;
// some program is missing, did not start or end, or left no report (or the
// suite's own report was not written). The last wins over the others.
constexpr int kSuitePassed = 0;
constexpr int kSuiteOutputsFailed = 2;
constexpr int kSuiteNotRun = 3;

enum ProgramRunEnd {
    ProgramEnded,
    ProgramMissing,
    ProgramNotStarted,
    ProgramTimedOut,
};

struct ProgramRun {
    ProgramRunEnd end;
    uint32_t exitCode;  // when it ended
};

// Runs "<program>.exe --selftest <reportPath>" and waits for it to end.
using ProgramRunner = ProgramRun (*)(const char* program, const wchar_t* reportPath, void* context);

// What the suite reads of one program's self-test report.
constexpr int kVerdictFieldBytes = 2048;
struct SelfTestFields {
    int32_t toolId;
    int32_t level;
    char verdict[kVerdictFieldBytes];  // UTF-8, as the report holds it
};

// Reads the first TOOL, LEVEL and VERDICT lines of a report. False when one
// is missing or malformed, or the verdict does not fit.
bool ReadSelfTestFields(const char* bytes, int count, SelfTestFields* fields);

// Runs the self-test of each of the count entries through runner, in list
// order, each report at "<reportFolder><program>.txt" (reportFolder ends in
// a separator), and writes the suite's report to path. A path that cannot
// be written runs no program. Returns the exit code.
int RunSuiteChecks(const CatalogueEntry* entries, int count, const wchar_t* reportFolder, const wchar_t* path,
                   ProgramRunner runner, void* context);
