#include "engine/format.h"

#include <cmath>
#include <cstring>

#include "engine/platform.h"
#include "engine/text.h"

namespace {

struct FormatCode {
    const char* code;
    const char* pattern;  // null: a date
};

// Compared in this order; the first equal code decides.
const FormatCode kFormatCodes[] = {
    {"f0", "%.0f"}, {"f1", "%.1f"}, {"f2", "%.2f"}, {"f3", "%.3f"}, {"int", "%.0f"}, {"pct", "%.1f%%"}, {"date", nullptr},
};

const char kDefaultPattern[] = "%.2f";
// What a value that cannot be shown reads.
const wchar_t kNoValueText[] = L"--";
// The fixed notation of a value, terminator included.
constexpr int kValueScratchCapacity = 80;

struct CivilDate {
    long long year, month, day;
};

// civil_from_days of Howard Hinnant, "chrono-Compatible Low-Level Date
// Algorithms" (days_from_civil below is its inverse): 400-year eras of
// 146097 days, years counted from March so the leap day comes last. Exact
// for every day in 64 bits.
CivilDate CivilFromDays(DayNumber z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<long long>(year), static_cast<long long>(month), static_cast<long long>(day)};
}

// Day numbers this far out have no meaningful date; clamping them keeps the
// era arithmetic from overflowing.
constexpr DayNumber kFarthestDay = INT64_MAX / 4;

DayNumber ClampDay(DayNumber day) {
    return day > kFarthestDay ? kFarthestDay : (day < -kFarthestDay ? -kFarthestDay : day);
}

// Values of "date" beyond the 64-bit range saturate instead of overflowing.
DayNumber TruncateToDayNumber(double value) {
    if (value >= 9.2e18) return kFarthestDay;
    if (value <= -9.2e18) return -kFarthestDay;
    return static_cast<DayNumber>(value);
}

}  // namespace

DayNumber DayNumberFromDate(int32_t year, int32_t month, int32_t day) {
    const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = month <= 2 ? month + 9 : month - 3;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void FormatDayNumber(DayNumber day, wchar_t* out, int capacity) {
    CivilDate date = CivilFromDays(ClampDay(day));
    FormatCut(out, capacity, L"%04lld-%02lld-%02lld", date.year, date.month, date.day);
}

bool IsFormatCode(const char* code) {
    if (!code) return true;
    for (const FormatCode& entry : kFormatCodes)
        if (std::strcmp(entry.code, code) == 0) return true;
    return false;
}

void FormatValue(const char* code, double value, wchar_t* out, int capacity) {
    if (capacity <= 0) return;
    if (!std::isfinite(value)) {
        CopyCut(out, capacity, kNoValueText);
        return;
    }
    if (!code) code = "f2";
    const char* pattern = kDefaultPattern;
    for (const FormatCode& entry : kFormatCodes) {
        if (std::strcmp(entry.code, code) != 0) continue;
        if (!entry.pattern) {
            FormatDayNumber(TruncateToDayNumber(value), out, capacity);
            out[capacity - 1] = L'\0';
            return;
        }
        pattern = entry.pattern;
        break;
    }
    // Beyond about 1e75 the fixed notation does not fit the scratch; its first
    // digits would show the value at a wrong magnitude, so none is shown.
    char scratch[kValueScratchCapacity];
    if (!FormatCutA(scratch, kValueScratchCapacity, pattern, value)) {
        CopyCut(out, capacity, kNoValueText);
        return;
    }
    wchar_t wide[kValueScratchCapacity];
    WidenAscii(scratch, wide, kValueScratchCapacity);
    CopyCut(out, capacity, wide);
}
