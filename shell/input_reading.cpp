#include "shell/input_reading.h"

#include <cmath>
#include <cwchar>

#include "engine/text.h"
#include "engine/tool_def.h"

namespace {

const wchar_t* SkipSpaces(const wchar_t* text) {
    while (*text == L' ') ++text;
    return text;
}

}  // namespace

bool ReadInputNumber(const wchar_t* text, double* value) {
    // Reading a part of the box would show another number than was typed.
    if (TextLength(text) > kInputTextLimit) return false;
    const wchar_t* start = SkipSpaces(text);
    if (!*start) {
        *value = 0;
        return true;
    }
    wchar_t* end = nullptr;
    double number = wcstod(start, &end);
    // Nothing read, or anything but spaces left over, is not a number.
    if (end == start || *SkipSpaces(end)) return false;
    if (!std::isfinite(number)) return false;
    *value = number;
    return true;
}

int ReadInputNumbers(const wchar_t* const* texts, int count, double* values) {
    double read[kMaxInputs];
    if (count > kMaxInputs) count = kMaxInputs;
    for (int i = 0; i < count; ++i)
        if (!ReadInputNumber(texts[i], &read[i])) return i;
    for (int i = 0; i < count; ++i) values[i] = read[i];
    return -1;
}

bool InAcceptedRange(const InputField& input, double value) {
    if (input.minValue == 0 && input.maxValue == 0) return true;
    return value >= input.minValue && value <= input.maxValue;
}

InputProblem ReadInputValue(const InputField& input, const wchar_t* text, bool emptyIsMissing, double* value) {
    if (emptyIsMissing && input.patientValue && !*SkipSpaces(text)) return InputMissing;
    double read = 0;
    if (!ReadInputNumber(text, &read)) return InputNotANumber;
    if (!InAcceptedRange(input, read)) return InputOutOfRange;
    *value = read;
    return InputAccepted;
}

namespace {

// "n+m+...": whole item numbers of the list, each once.
InputProblem ReadCheckedItems(const InputField& input, const wchar_t* text, double* value) {
    const wchar_t* at = SkipSpaces(text);
    if (at[0] == L'0' && !*SkipSpaces(at + 1)) {
        *value = 0;
        return InputAccepted;
    }
    bool checked[kMaxInputChoices] = {};
    double sum = 0;
    for (;;) {
        int item = 0;
        int digits = 0;
        for (; *at >= L'0' && *at <= L'9' && digits < 4; ++at, ++digits) item = item * 10 + (*at - L'0');
        if (digits == 0 || item < 1 || item > input.choiceCount || checked[item - 1]) return InputNotAChoice;
        checked[item - 1] = true;
        sum += input.choices[item - 1].value;
        if (*at == L'+') {
            ++at;
            continue;
        }
        if (*SkipSpaces(at)) return InputNotAChoice;
        break;
    }
    *value = sum;
    return InputAccepted;
}

}  // namespace

InputProblem ReadChoiceArgument(const InputField& input, const wchar_t* text, double* value) {
    if (TextLength(text) > kInputTextLimit) return InputNotAChoice;
    if (input.multiSelect) return ReadCheckedItems(input, text, value);
    double read = 0;
    if (!ReadInputNumber(text, &read) || !*SkipSpaces(text) || ChoiceIndexOf(input, read) < 0) return InputNotAChoice;
    *value = read;
    return InputAccepted;
}
