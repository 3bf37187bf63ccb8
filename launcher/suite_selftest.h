// "--selftest [PATH]" of the suite's launcher: the self-test of every program
// of the list that lies beside it, gathered into one report (default
// "suite-selftest.txt"); the format is in store/suite_selftest_report.h.
#pragma once

// Reads PATH from commandLine as the programs read theirs, runs each
// program's self-test into a temporary folder and writes the report.
// Returns the process exit code: 0 when every program passed, 2 when any
// reported failed outputs, 3 when any is missing, does not start or end,
// or writes no report, or when the report cannot be written.
int RunSuiteSelfTest(const wchar_t* commandLine);
