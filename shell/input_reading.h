// Reading the numbers the user typed into the input boxes. Portable, so the
// rules are tested natively.
#pragma once

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
