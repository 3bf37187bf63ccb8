// The texts the window shows: fixed wording and the few built from the tool.
// Portable, so every character is tested natively and under Wine.
#pragma once

#include "engine/calculation.h"
#include "engine/tool_def.h"

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

constexpr int kValueTextCapacity = 64;
constexpr int kInputMessageCapacity = 256;
constexpr int kAboutTextCapacity = 1400;
constexpr int kBasisLineCapacity = 512;
constexpr int kSubtitleLineCapacity = 256;
constexpr int kSaveFailedMessageCapacity = 1024;
// The copy command's text: a whole result, "—— " and a whole verdict.
constexpr int kClipTextCapacity = kResultTextCapacity + kVerdictTextCapacity + 2;

// A default value as the input boxes show it ("%.6g").
void FormatInputValue(double value, wchar_t* out, int capacity);

// Choice c of a choice input as its list shows it: the label and, for a
// scored item (unit 分), its points: "轻度受限（3分）".
void FormatChoiceEntry(const InputField& input, int choice, wchar_t* out, int capacity);

// "第 %d 项“%ls”请输入数字。" for the input at index (counted from 0).
void FormatInputRejected(const ToolDef& tool, int index, wchar_t* out, int capacity);

// "计算完成  %ls" with the tool's title.
void FormatCalculatedStatus(const ToolDef& tool, wchar_t* out, int capacity);

// What the copy command puts below the title: a report as it is (cut to the
// buffer), a formula result followed by "—— " and the verdict.
void BuildClipText(const ToolDef& tool, const wchar_t* resultText, const wchar_t* verdictText,
                   wchar_t* out, int capacity);

// The clipboard's text: the title, a line break, the clip text.
void BuildClipboardText(const ToolDef& tool, const wchar_t* clipText, wchar_t* out, int capacity);

// The characters of the clipboard block: room for both texts, the line
// break and a little more.
int ClipboardTextCapacity(const ToolDef& tool, const wchar_t* clipText);

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
