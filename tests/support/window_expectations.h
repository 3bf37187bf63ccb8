// What the programs' windows are expected to show, shared by the Wine
// driver's case files: the control ids, the colours of the layout and of each
// verdict level, and the shell's fixed texts. Written out here rather than
// taken from the shell's own headers, so that a changed value in the code
// shows as a failing case.
#pragma once

#include <windows.h>

// ---- Control ids ----

constexpr int kCalculateButton = 1001;
constexpr int kSaveButton = 1002;
constexpr int kCopyButton = 1003;
constexpr int kResetButton = 1004;
constexpr int kAboutButton = 1005;
constexpr int kResultBox = 3000;

// ---- Colours ----

constexpr COLORREF kPage = RGB(0xF4, 0xF7, 0xF9);
constexpr COLORREF kHeader = RGB(0x00, 0x6C, 0x96);
constexpr COLORREF kAccent = RGB(0x00, 0x84, 0xB0);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kPanelBorder = RGB(0xDA, 0xE2, 0xE8);
constexpr COLORREF kSeparator = RGB(0xE4, 0xEA, 0xEE);
constexpr COLORREF kFooter = RGB(0xEC, 0xF1, 0xF4);
constexpr COLORREF kMutedText = RGB(0x78, 0x84, 0x8E);
constexpr COLORREF kCalculateFill = RGB(0x00, 0x7A, 0xA8);
constexpr COLORREF kCalculatePressed = RGB(0x00, 0x64, 0x8A);
constexpr COLORREF kCalculateBorder = RGB(0x00, 0x6A, 0x94);
constexpr COLORREF kButtonPressed = RGB(0xE2, 0xEA, 0xF0);
constexpr COLORREF kButtonBorder = RGB(0xCE, 0xD8, 0xE0);

// The verdict's colour by level: normal, notice, warning, danger.
constexpr COLORREF kLevelColours[] = {RGB(0x00, 0x80, 0x60), RGB(0xB0, 0x84, 0x00), RGB(0xD6, 0x6C, 0x00),
                                      RGB(0xBE, 0x1E, 0x2D)};
constexpr COLORREF kNormalVerdictColour = kLevelColours[0];
constexpr COLORREF kWarningVerdictColour = kLevelColours[2];
constexpr COLORREF kDangerVerdictColour = kLevelColours[3];

// ---- The shell's fixed texts ----

const wchar_t kVerdictPrompt[] = L"填写左侧参数，点击“计算”";
const wchar_t kReadyStatus[] = L"就绪：填写参数后按 F5 或点击“计算”";
const wchar_t kCopiedStatus[] = L"结果已复制到剪贴板";
const wchar_t kResetStatus[] = L"已恢复默认值";
const wchar_t kNoResultCaption[] = L"提示";
const wchar_t kCopyNoResultMessage[] = L"请先点击“计算”生成结果。";
const wchar_t kSaveNoResultMessage[] = L"请先点击“计算”生成结果，再保存记录。";
