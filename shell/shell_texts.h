// The texts the window shows: fixed wording and the few built from the tool.
// Portable, so every character is tested natively and under Wine.
#pragma once

#include "engine/calculation.h"
#include "engine/format.h"
#include "engine/platform.h"
#include "engine/tool_def.h"
#include "shell/input_reading.h"

extern const wchar_t kReadyStatus[];
extern const wchar_t kCopiedStatus[];
extern const wchar_t kResetStatus[];
extern const wchar_t kVerdictPrompt[];
extern const wchar_t kNoResultMessage[];
extern const wchar_t kNoResultCaption[];
extern const wchar_t kInputRejectedCaption[];
extern const wchar_t kCopyFailedMessage[];
extern const wchar_t kCopyFailedCaption[];
extern const wchar_t kAboutCaption[];
extern const wchar_t kSaveNoResultMessage[];
extern const wchar_t kSavedMessage[];
extern const wchar_t kSavedCaption[];
extern const wchar_t kSaveFailedCaption[];
extern const wchar_t kWebAddress[];
extern const wchar_t kStaleStatus[];
extern const wchar_t kStaleMessage[];

constexpr int kInputMessageCapacity = 256;
constexpr int kAboutTextCapacity = 1400;
constexpr int kBasisLineCapacity = 512;
constexpr int kSubtitleLineCapacity = 256;
constexpr int kSaveFailedMessageCapacity = 1024;
// The copy command's text: a whole result and verdict, and what the copy
// says about the calculation (its time and every input).
constexpr int kCopyTextCapacity = kResultTextCapacity + kVerdictTextCapacity + 4096;

// A default value as the input boxes show it ("%.6g").
void FormatInputValue(double value, wchar_t* out, int capacity);

// Choice c of a choice input as its list shows it: the label and, for a
// scored item (unit 分), its points: "轻度受限（3分）".
void FormatChoiceEntry(const InputField& input, int choice, wchar_t* out, int capacity);

// Why the input at index (counted from 0) was not taken, naming it by its
// position from 1 and its label: "第 %d 项“%ls”请输入数字。", its range and
// unit, or that this patient's value is missing.
void FormatInputProblem(const ToolDef& tool, int index, InputProblem problem, wchar_t* out, int capacity);

// "计算完成  %ls" with the tool's title.
void FormatCalculatedStatus(const ToolDef& tool, wchar_t* out, int capacity);

// What the copy command puts on the clipboard, for the calculation in last
// made at time from inputValues (and the checklist's checkedItems). A tool
// that copies its result only: the title, a line break, a report as it is or
// a formula result with "—— " and the verdict. Every other tool: the title,
// "计算时间：" and the time, each input as "label：value unit" (a choice by
// its chosen label, a checklist by its checked items), the result lines,
// "—— " and the verdict, and the advice.
void BuildCopyText(const ToolDef& tool, const double* inputValues, const bool* checkedItems,
                   const CalculationResult& last, const LocalTime& time, wchar_t* out, int capacity);

// The characters of the clipboard block for that text: the text, its
// terminator and a little more.
int ClipboardTextCapacity(const wchar_t* copyText);

void BuildAboutText(const ToolDef& tool, wchar_t* out, int capacity);

// Appends what closes every About box of the suite: the disclaimer lines,
// the version and the web address.
void AppendAboutClosing(wchar_t* out, int capacity);

// "参考依据：%ls" with the tool's basis.
void FormatBasisLine(const ToolDef& tool, wchar_t* out, int capacity);

// "%ls  ·  %ls" with the category and the subtitle (empty when absent).
void FormatSubtitleLine(const ToolDef& tool, wchar_t* out, int capacity);

// "记录已保存：%ls" or "记录未保存：%ls" with the record file's path.
void FormatSaveStatus(bool saved, const wchar_t* recordFile, wchar_t* out, int capacity);

// The warning of a save that did not reach its file, naming the file.
void FormatSaveFailedMessage(const wchar_t* recordFile, wchar_t* out, int capacity);

// The question of a save whose file another program holds: close it, then
// retry; names the file.
void FormatSaveBusyMessage(const wchar_t* recordFile, wchar_t* out, int capacity);
