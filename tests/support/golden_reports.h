// The golden file of the suite's reports, tests/golden/reports.txt: every
// tool's self-test report at its defaults, then the --calc reports of chosen
// inputs (selector rows, choices, bounds). One unit test compares it with the
// reports the code writes; `catalogue golden FILE` writes it anew.
#pragma once

#include <string>

extern const char kGoldenRewriteCommand[];

// The golden text: each report under a line "== PROGRAM --selftest" or
// "== PROGRAM --calc ARGUMENTS", in UTF-8, each "\r\n" of a report as "\n"
// (a lone CR or LF shows as \r or \n). A report counted from today's date
// shows each date as {today+N}.
std::string GoldenReports();

// "" when both texts are equal; otherwise the case and the first line where
// they differ.
std::string FirstGoldenDifference(const std::string& golden, const std::string& made);
