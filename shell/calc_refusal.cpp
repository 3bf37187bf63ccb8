#include "shell/calc_refusal.h"

#include <cwchar>

#include "engine/text.h"
#include "shell/input_reading.h"

namespace {

const wchar_t kRefusalHeading[] = L"--calc 未执行：命令行有误，未写出报告（退出码 4）。\r\n";
constexpr int kKeyCapacity = kMaxKeyLength + 1;

struct RefusedArgument {
    const wchar_t* whole;  // as given
    wchar_t key[kKeyCapacity];
    const wchar_t* value;  // after the "=", or "" without one
};

RefusedArgument SplitArgument(const wchar_t* argument) {
    RefusedArgument split = {argument, {}, L""};
    const wchar_t* equals = std::wcschr(argument, L'=');
    int keyLength = equals ? static_cast<int>(equals - argument) : TextLength(argument);
    CopyCut(split.key, keyLength + 1 < kKeyCapacity ? keyLength + 1 : kKeyCapacity, argument);
    if (equals) split.value = equals + 1;
    return split;
}

// "10～3000 μmol/L": the accepted range, as the report writes values.
void AppendRange(wchar_t* text, double low, double high, const wchar_t* unit) {
    AppendFormatCut(text, kCalcRefusalCapacity, L"%g～%g", low, high);
    if (unit && *unit) AppendFormatCut(text, kCalcRefusalCapacity, L" %ls", unit);
}

void AppendKeys(wchar_t* text, const ToolDef& tool) {
    for (int i = 0; i < tool.inputCount && i < kMaxInputs; ++i) {
        wchar_t key[kKeyCapacity];
        if (!WidenAscii(tool.inputs[i].key, key, kKeyCapacity)) key[0] = L'\0';
        AppendFormatCut(text, kCalcRefusalCapacity, i ? L"、%ls" : L"%ls", key);
    }
}

// "1（完全受限）、2（大部分受限）…": the values a choice input takes.
void AppendChoices(wchar_t* text, const InputField& input) {
    for (int c = 0; c < input.choiceCount; ++c)
        AppendFormatCut(text, kCalcRefusalCapacity, c ? L"、%g（%ls）" : L"%g（%ls）", input.choices[c].value,
                        input.choices[c].label);
}

void AppendNotAChoice(wchar_t* text, const RefusedArgument& argument, const InputField& input) {
    if (input.multiSelect) {
        AppendFormatCut(text, kCalcRefusalCapacity,
                        L"参数“%ls”：“%ls”不是“%ls”的项目组合；写所选项目的编号 1～%d，以“+”连接，每项一次，0 "
                        L"表示都不选。",
                        argument.whole, argument.value, input.label, input.choiceCount);
        return;
    }
    AppendFormatCut(text, kCalcRefusalCapacity, L"参数“%ls”：“%ls”不是“%ls”的选项；可选：", argument.whole,
                    argument.value, input.label);
    AppendChoices(text, input);
    AppendCut(text, kCalcRefusalCapacity, L"。");
}

void AppendValueProblem(wchar_t* text, CalcCommand command, const RefusedArgument& argument, const InputField& input) {
    if (command == CalcKeyTwice) {
        AppendFormatCut(text, kCalcRefusalCapacity, L"参数“%ls”：输入“%ls”（%ls）已给出过一次，每个输入只能给一次。",
                        argument.whole, argument.key, input.label);
    } else if (command == CalcOutOfRange) {
        AppendFormatCut(text, kCalcRefusalCapacity, L"参数“%ls”：%ls %ls 超出可接受的范围 ", argument.whole,
                        input.label, argument.value);
        AppendRange(text, input.minValue, input.maxValue, input.unit);
        AppendCut(text, kCalcRefusalCapacity, L"。");
    } else if (command == CalcNotAChoice) {
        AppendNotAChoice(text, argument, input);
    } else {
        AppendFormatCut(text, kCalcRefusalCapacity,
                        L"参数“%ls”：“%ls”不是一个数值；%ls只接受一个数值，不带单位，最多 %d 个字符。",
                        argument.whole, argument.value, input.label, kInputTextLimit);
    }
}

void AppendRule(wchar_t* text, CalcCommand command, const CalcRequest& request, const ToolDef& tool) {
    RefusedArgument argument = SplitArgument(request.refusedArgument);
    switch (command) {
    case CalcNoPath:
        if (*argument.whole)
            AppendFormatCut(text, kCalcRefusalCapacity, L"--calc 之后应先写报告文件的路径，“%ls”却是本工具的输入。",
                            argument.whole);
        else
            AppendCut(text, kCalcRefusalCapacity, L"--calc 之后缺少报告文件的路径。");
        return;
    case CalcPathTooLong:
        AppendFormatCut(text, kCalcRefusalCapacity, L"报告文件的路径超过 %d 个字符：“%ls”。", kReportPathCapacity - 1,
                        argument.whole);
        return;
    case CalcNotKeyValue:
        AppendFormatCut(text, kCalcRefusalCapacity, L"参数“%ls”不是“键=值”的形式。", argument.whole);
        return;
    case CalcUnknownKey:
        AppendFormatCut(text, kCalcRefusalCapacity, L"参数“%ls”：本工具没有键为“%ls”的输入（键区分大小写）；本工具的键：",
                        argument.whole, argument.key);
        AppendKeys(text, tool);
        AppendCut(text, kCalcRefusalCapacity, L"。");
        return;
    default:
        if (request.refusedInput >= 0 && request.refusedInput < tool.inputCount)
            AppendValueProblem(text, command, argument, tool.inputs[request.refusedInput]);
        return;
    }
}

}  // namespace

void FormatCalcRefusal(CalcCommand command, const CalcRequest& request, const ToolDef& tool, wchar_t* text) {
    CopyCut(text, kCalcRefusalCapacity, kRefusalHeading);
    AppendRule(text, command, request, tool);
    AppendCut(text, kCalcRefusalCapacity, L"\r\n");
}

void RefusalPathOf(const wchar_t* reportPath, wchar_t* refusalPath) {
    FormatCut(refusalPath, kRefusalPathCapacity, L"%ls.err", reportPath);
}
