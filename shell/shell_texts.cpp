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

void FormatInputRejected(const ToolDef& tool, int index, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"第 %d 项“%ls”请输入数字。", index + 1, tool.inputs[index].label);
}

void FormatCalculatedStatus(const ToolDef& tool, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"计算完成  %ls", tool.title);
}

void BuildClipText(const ToolDef& tool, const wchar_t* resultText, const wchar_t* verdictText,
                   wchar_t* out, int capacity) {
    if (tool.reportKind != ReportNone)
        CopyCut(out, capacity, resultText);
    else
        FormatCut(out, capacity, L"%ls—— %ls", resultText, verdictText);
}

void BuildClipboardText(const ToolDef& tool, const wchar_t* clipText, wchar_t* out, int capacity) {
    FormatCut(out, capacity, L"%ls\r\n%ls", tool.title, clipText);
}

int ClipboardTextCapacity(const ToolDef& tool, const wchar_t* clipText) {
    return TextLength(clipText) + TextLength(tool.title) + 16;
}

void AppendAboutClosing(wchar_t* out, int capacity) {
    AppendFormatCut(out, capacity,
                    L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
                    L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n"
                    L"\r\n"
                    L"版本 V1.0    官网：%ls",
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
