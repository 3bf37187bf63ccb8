// Turning values into the text the user reads, and the engine's calendar.
#pragma once

#include <cstdint>

// Days since 1970-01-01 in the proleptic Gregorian calendar.
typedef int64_t DayNumber;

// Room for any value FormatValue writes and any number an input box shows.
constexpr int kValueTextCapacity = 128;

// Formats value by code ("f0", "f1", "f2", "f3", "int", "pct", "date"; absent
// or unknown: two decimals). Non-finite values read "--".
void FormatValue(const char* code, double value, wchar_t* out, int capacity);

// True for a code FormatValue knows, and for none (null).
bool IsFormatCode(const char* code);

DayNumber DayNumberFromDate(int32_t year, int32_t month, int32_t day);

// Writes the date as YYYY-MM-DD (at least four year digits), cut to capacity.
void FormatDayNumber(DayNumber day, wchar_t* out, int capacity);
