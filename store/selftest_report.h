// The report of the headless modes: one calculation, with the default inputs
// (--selftest) or with those of the command line (--calc), written as a
// pipe-separated UTF-8 report.
#pragma once

#include <cstdint>

#include "engine/tool_def.h"

constexpr int kSelfTestReportCapacity = 16384;

// Exit codes: every output computed, some output failed, report not written.
constexpr int kSelfTestPassed = 0;
constexpr int kSelfTestOutputsFailed = 2;
constexpr int kSelfTestNotWritten = 3;

// The DETAIL field: resultText with carriage returns dropped and line feeds
// as spaces, cut after kSelfTestDetailLimit characters.
constexpr int kSelfTestDetailLimit = 8000;
void FlattenDetail(const wchar_t* resultText, wchar_t* detail);

// Builds the report of tool into report (kSelfTestReportCapacity characters)
// and returns the number of output formulas that failed.
int32_t BuildSelfTestReport(const ToolDef& tool, wchar_t* report);

// Runs the self-test of the configured tool and writes the report to path.
int RunSelfTest(const wchar_t* path);
int RunSelfTestOf(const ToolDef& tool, const wchar_t* path);

// The report of one calculation with the given input values (one per input
// of tool): the self-test's lines, with one line "IN|key|label|value" per
// input after the TOOL line, the value as "%g" prints it. Returns the number
// of output formulas that failed.
int32_t BuildCalcReport(const ToolDef& tool, const double* inputValues, wchar_t* report);

// Builds that report, writes it to path and returns as the self-test does.
int RunCalcReport(const ToolDef& tool, const double* inputValues, const wchar_t* path);
