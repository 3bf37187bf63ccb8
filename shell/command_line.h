// Reading the command line: which mode, where its report goes, and the
// inputs of a calculation asked for on the command line.
#pragma once

#include "engine/platform.h"
#include "engine/tool_def.h"

// A report path is any path the suite takes.
constexpr int kReportPathCapacity = kPathCapacity;

// The first occurrence of "--selftest" in commandLine, or null.
const wchar_t* FindSelfTestSwitch(const wchar_t* commandLine);

// Fills path (kReportPathCapacity characters) with the report path that
// follows the switch: quoted or up to the next space, at most
// kReportPathCapacity - 1 characters, "selftest.txt" when empty. Returns false when the command line
// holds no switch (window mode); path is then empty.
bool ParseSelfTestPath(const wchar_t* commandLine, wchar_t* path);

// The same reading for the suite's self-test, whose report is
// "suite-selftest.txt" when no path is given.
bool ParseSuiteSelfTestPath(const wchar_t* commandLine, wchar_t* path);

// The arguments after the program's name, split as the Windows C runtime
// splits them into argv: blanks separate; double quotes group and are
// dropped, and two of them inside quotes give one; 2n backslashes before a
// quote give n backslashes, 2n + 1 give n and a literal quote; any other
// backslash is itself.
const wchar_t* SkipProgramName(const wchar_t* commandLine);

// Copies the argument at *cursor into argument (capacity characters, cut)
// and moves *cursor past it. Returns the argument's whole length, which may
// exceed what was copied, or -1 when no argument is left.
int NextArgument(const wchar_t** cursor, wchar_t* argument, int capacity);

// "--calc PATH key=value ...": PATH is the argument right after the switch;
// every other argument names an input of the tool and its value, read as
// the input boxes read them. Inputs not given keep their defaults.
enum CalcCommand {
    CalcNotAsked,       // no "--calc" argument
    CalcAccepted,
    CalcNoPath,         // nothing, "", or one of the tool's key=value after the switch
    CalcPathTooLong,    // longer than kReportPathCapacity - 1: never cut, it would name another file
    CalcNotKeyValue,    // an argument without "="
    CalcUnknownKey,     // not an input key of the tool (keys are case-sensitive)
    CalcKeyTwice,       // a test case that says two things about one input says nothing
    CalcValueRejected,  // what an input box would reject
    CalcOutOfRange,     // outside the input's accepted range
    CalcNotAChoice,     // no value of the input's choices (or no item of its checklist)
};

struct CalcRequest {
    wchar_t path[kReportPathCapacity];
    double inputValues[kMaxInputs];
    // When the command line is refused: the first argument that broke a rule
    // (cut to the capacity; empty when the path is missing), and the input it
    // names, or -1. The path is then still read when one follows the switch,
    // so that the refusal can be written beside it; it is empty otherwise.
    wchar_t refusedArgument[kReportPathCapacity];
    int refusedInput;
};

// Reads a "--calc" command line for tool into request; request is complete
// only when the result is CalcAccepted. A choice input takes one of its
// choices' values, a checklist the numbers of its checked items joined by
// "+" (see ReadChoiceArgument); a number input a value in its range.
CalcCommand ParseCalcCommand(const wchar_t* commandLine, const ToolDef& tool, CalcRequest* request);
