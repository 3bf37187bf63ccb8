// Reading an input's value: the number typed into a box, its accepted range,
// a choice named on the command line. Portable, so the rules are tested
// natively.
#pragma once

#include "engine/tool_def.h"

// At most 127 characters of a box are read.
constexpr int kInputTextLimit = 127;
// Room for one character more than is read, so that a box holding more
// shows as too long instead of being read in part.
constexpr int kInputTextCapacity = kInputTextLimit + 2;

// Reads one box. A text longer than kInputTextLimit is rejected. An empty
// box, or one of spaces only, reads 0. Otherwise, past spaces at both ends,
// the text must be one whole number as wcstod reads it (decimal, exponent,
// hexadecimal) and finite. Returns false, leaving value alone, when it is not.
bool ReadInputNumber(const wchar_t* text, double* value);

// Reads count boxes. Returns -1 with every value written to values when all
// are accepted, or the index of the first rejected box with values untouched,
// so that values never mix new and old input.
int ReadInputNumbers(const wchar_t* const* texts, int count, double* values);

// Why an input's value was not taken.
enum InputProblem {
    InputAccepted,
    InputNotANumber,   // not one whole finite number (or longer than a box reads)
    InputOutOfRange,   // outside the input's accepted range: a wrong unit, most often
    InputMissing,      // a measurement of the patient left empty
    InputNotAChoice,   // on the command line: no value of the input's choices
};

// Any value when the input has no range (both bounds 0).
bool InAcceptedRange(const InputField& input, double value);

// A box's text for this input, as ReadInputNumber reads it, then its range.
// An empty box reads 0, except that of a patient measurement when
// emptyIsMissing is set: no stranger's value is ever assumed for it.
InputProblem ReadInputValue(const InputField& input, const wchar_t* text, bool emptyIsMissing, double* value);

// What the command line gives a choice input: a number that equals one of
// its choices' values; for a checklist, the numbers of the checked items in
// its list (1 for the first) joined by "+", each at most once, "0" for none,
// the value their sum.
InputProblem ReadChoiceArgument(const InputField& input, const wchar_t* text, double* value);
