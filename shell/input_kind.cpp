#include "shell/input_kind.h"

#include <cwchar>

namespace {

bool IsOneOf(const wchar_t* label, const wchar_t* first, const wchar_t* second) {
    return label && (std::wcscmp(label, first) == 0 || std::wcscmp(label, second) == 0);
}

}  // namespace

InputKind KindOfInput(const InputField& input) {
    if (input.choiceCount <= 0 || !input.choices) return InputNumberBox;
    if (input.multiSelect) return InputChecklist;
    if (input.choiceCount == 2 && IsOneOf(input.choices[0].label, L"否", L"无") &&
        IsOneOf(input.choices[1].label, L"是", L"有"))
        return InputCheckBox;
    return InputDropDown;
}

bool IsScoredInput(const InputField& input) {
    return input.unit && std::wcscmp(input.unit, L"分") == 0;
}
