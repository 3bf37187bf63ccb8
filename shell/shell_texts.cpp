#include "shell/shell_texts.h"

#include "engine/text.h"
#include "shell/input_kind.h"

const wchar_t kReadyStatus[] = L"就绪：填写参数后按 F5 或点击“计算”";
const wchar_t kCopiedStatus[] = L"结果已复制到剪贴板";
const wchar_t kResetStatus[] = L"已恢复默认值";
const wchar_t kVerdictPrompt[] = L"填写左侧参数，点击“计算”";
const wchar_t kNoResultMessage[] = L"请先点击“计算”生成结果。";
const wchar_t kNoResultCaption[] = L"提示";
const wchar_t kInputRejectedCaption[] = L"输入有误";
const wchar_t kCopyFailedMessage[] = L"结果未能复制到剪贴板，请稍后重试。";
const wchar_t kCopyFailedCaption[] = L"复制失败";
const wchar_t kAboutCaption[] = L"关于本工具";
const wchar_t kSaveNoResultMessage[] = L"请先点击“计算”生成结果，再保存记录。";
const wchar_t kSavedMessage[] = L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。";
const wchar_t kSavedCaption[] = L"已保存";
const wchar_t kSaveFailedCaption[] = L"保存失败";
const wchar_t kWebAddress[] = L"www.tolmmed.example";
const wchar_t kStaleStatus[] = L"输入已更改，请重新计算";
const wchar_t kStaleMessage[] = L"输入已更改，请重新计算后再复制或保存。";

namespace {

// The time as the record file writes it.
void AppendTime(wchar_t* out, int capacity, const LocalTime& time) {
    AppendFormatCut(out, capacity, L"%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day, time.hour,
                    time.minute, time.second);
}

// "label：value unit", "label：chosen label" or "label：item、item".
void AppendInputLine(wchar_t* out, int capacity, const InputField& input, double value, const bool* checkedItems) {
    AppendFormatCut(out, capacity, L"%ls：", input.label);
    if (input.multiSelect) {
        bool any = false;
        for (int c = 0; c < input.choiceCount; ++c) {
            if (!checkedItems[c]) continue;
            AppendFormatCut(out, capacity, any ? L"、%ls" : L"%ls", input.choices[c].label);
            any = true;
        }
        if (!any) AppendCut(out, capacity, L"无");
    } else if (input.choiceCount > 0) {
        const int chosen = ChoiceIndexOf(input, value);
        if (chosen >= 0) AppendCut(out, capacity, input.choices[chosen].label);
    } else if (input.unit && input.unit[0]) {
        AppendFormatCut(out, capacity, L"%g %ls", value, input.unit);
    } else {
        AppendFormatCut(out, capacity, L"%g", value);
    }
    AppendCut(out, capacity, L"\r\n");
}

// The result lines without the advice line that closes them.
int ResultLinesLength(const CalculationResult& last) {
    int length = TextLength(last.resultText);
    if (!last.advice) return length;
    int adviceLine = TextLength(kAdvicePrefix) + TextLength(last.advice) + 2;
    return adviceLine <= length ? length - adviceLine : length;
}

}  // namespace

void FormatInputValue(double value, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"%.6g", value);
}

void FormatChoiceEntry(const InputField& input, int choice, wchar_t* out, int capacity) {
    const InputChoice& entry = input.choices[choice];
    if (IsScoredInput(input))
        FormatCut(out, capacity, L"%ls（%g分）", entry.label, entry.value);
    else
        CopyCut(out, capacity, entry.label);
}

void FormatInputProblem(const ToolDef& tool, int index, InputProblem problem, wchar_t* out, int capacity) {
    const InputField& input = tool.inputs[index];
    switch (problem) {
    case InputOutOfRange:
        if (input.unit && input.unit[0])
            FormatCut(out, capacity, L"第 %d 项“%ls”应在 %g～%g %ls 之间，请核对单位。", index + 1, input.label,
                      input.minValue, input.maxValue, input.unit);
        else
            FormatCut(out, capacity, L"第 %d 项“%ls”应在 %g～%g 之间，请核对。", index + 1, input.label,
                      input.minValue, input.maxValue);
        return;
    case InputMissing:
        FormatCut(out, capacity, L"第 %d 项“%ls”尚未填写，请填入本患者的测量值。", index + 1, input.label);
        return;
    case InputNotAChoice:
        FormatCut(out, capacity, L"第 %d 项“%ls”只能取所列选项之一。", index + 1, input.label);
        return;
    default: FormatCut(out, capacity, L"第 %d 项“%ls”请输入数字。", index + 1, input.label);
    }
}

void FormatCalculatedStatus(const ToolDef& tool, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"计算完成  %ls", tool.title);
}

void BuildCopyText(const ToolDef& tool, const double* inputValues, const bool* checkedItems,
                   const CalculationResult& last, const LocalTime& time, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"%ls\r\n", tool.title);
    if (tool.copyResultOnly) {
        if (IsReportTool(tool))
            AppendCut(out, capacity, last.resultText);
        else
            AppendFormatCut(out, capacity, L"%ls—— %ls", last.resultText, last.verdictText);
        return;
    }
    AppendCut(out, capacity, L"计算时间：");
    AppendTime(out, capacity, time);
    AppendCut(out, capacity, L"\r\n");
    for (int i = 0; i < tool.inputCount && i < kMaxInputs; ++i)
        AppendInputLine(out, capacity, tool.inputs[i], inputValues[i], checkedItems);
    AppendFormatCut(out, capacity, L"%.*ls", ResultLinesLength(last), last.resultText);
    AppendFormatCut(out, capacity, L"—— %ls", last.verdictText);
    if (last.advice) AppendFormatCut(out, capacity, L"\r\n%ls%ls", kAdvicePrefix, last.advice);
}

// The block the clipboard has always been given: both texts (the title and
// what follows its line break) and 16 characters more.
int ClipboardTextCapacity(const wchar_t* copyText) { return TextLength(copyText) - 2 + 16; }

void AppendAboutClosing(wchar_t* out, int capacity) {
    AppendFormatCut(out, capacity,
                    L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
                    L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n"
                    L"\r\n"
                    L"版本 V" PERAVIN_VERSION_TEXT L"    官网：%ls",
                    kWebAddress);
}

void BuildAboutText(const ToolDef& tool, wchar_t* out, int capacity) {
    FormatCut(out, capacity,
              L"%ls\r\n"
              L"\r\n"
              L"分类：%ls\r\n"
              L"参考依据：%ls\r\n"
              L"\r\n",
              tool.title, tool.category, tool.basis);
    AppendCut(out, capacity, L"快捷键：F5 计算，Ctrl+S 保存记录，Ctrl+D 复制结果，Ctrl+R 清空重填，F1 关于\r\n\r\n");
    AppendAboutClosing(out, capacity);
}

void FormatBasisLine(const ToolDef& tool, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"参考依据：%ls", tool.basis);
}

void FormatSubtitleLine(const ToolDef& tool, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"%ls  ·  %ls", tool.category, TextOrEmpty(tool.subtitle));
}

void FormatSaveStatus(bool saved, const wchar_t* recordFile, wchar_t* out, int capacity) {
    FormatCut(out, capacity, saved ? L"记录已保存：%ls" : L"记录未保存：%ls", recordFile);
}

void FormatSaveFailedMessage(const wchar_t* recordFile, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"无法写入记录文件：\r\n%ls\r\n\r\n本次记录未保存。", recordFile);
}

void FormatSaveBusyMessage(const wchar_t* recordFile, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"记录文件正被其他程序（如 Excel）占用，请关闭后重试。\r\n%ls", recordFile);
}
