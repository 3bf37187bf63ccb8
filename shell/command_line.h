// Reading the command line: which mode, and where the self-test report goes.
#pragma once

constexpr int kReportPathCapacity = 520;

// The first occurrence of "--selftest" in commandLine, or null.
const wchar_t* FindSelfTestSwitch(const wchar_t* commandLine);

// Fills path (kReportPathCapacity characters) with the report path that
// follows the switch: quoted or up to the next space, at most 519
// characters, "selftest.txt" when empty. Returns false when the command line
// holds no switch (window mode); path is then empty.
bool ParseSelfTestPath(const wchar_t* commandLine, wchar_t* path);
