#include "shell/commands.h"

#include <shlobj.h>

#include "engine/calculation.h"
#include "engine/platform.h"
#include "engine/text.h"
#include "shell/clipboard.h"
#include "shell/input_reading.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"
#include "store/record_log.h"

namespace {

int InputRows(const ToolDef& tool) { return tool.inputCount < kMaxInputs ? tool.inputCount : kMaxInputs; }

void ShowMessage(const wchar_t* text, const wchar_t* caption, UINT icon) {
    MessageBoxW(CurrentShell().mainWindow, text, caption, MB_OK | icon);
}

void SetStatus(const wchar_t* text) {
    ShellState& shell = CurrentShell();
    CopyCut(shell.statusText, kStatusTextCapacity, text);
    InvalidateRect(shell.mainWindow, nullptr, FALSE);
}

// The per-user local application-data folder, as SHGetFolderPathW hands it
// over (MAX_PATH characters). Empty when Windows cannot tell it.
constexpr int kBaseFolderCapacity = MAX_PATH;

void ReadLocalAppDataFolder(wchar_t* base) {
    base[0] = L'\0';
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base))) base[0] = L'\0';
}

// Reads every box into inputValues; false, after telling the user and
// focusing the box, when one does not hold a number.
bool ReadInputBoxes(ShellState& shell) {
    const ToolDef& tool = *shell.tool;
    wchar_t texts[kMaxInputs][kInputTextCapacity];
    const wchar_t* textsRead[kMaxInputs];
    int rows = InputRows(tool);
    for (int i = 0; i < rows; ++i) {
        texts[i][0] = L'\0';
        GetWindowTextW(shell.inputEdits[i], texts[i], kInputTextCapacity);
        textsRead[i] = texts[i];
    }
    int rejected = ReadInputNumbers(textsRead, rows, shell.inputValues);
    if (rejected < 0) return true;
    wchar_t message[kInputMessageCapacity];
    FormatInputRejected(tool, rejected, message, kInputMessageCapacity);
    ShowMessage(message, kInputRejectedCaption, MB_ICONWARNING);
    SetFocus(shell.inputEdits[rejected]);
    return false;
}

}  // namespace

void OnCalculate() {
    ShellState& shell = CurrentShell();
    if (!ReadInputBoxes(shell)) return;
    const ToolDef& tool = *shell.tool;
    wchar_t resultText[kResultTextCapacity];
    wchar_t verdictText[kVerdictTextCapacity];
    RunCalculation(tool, shell.inputValues, resultText, kResultTextCapacity, verdictText, kVerdictTextCapacity,
                   &shell.lastLevel, shell.lastResultText, kLastResultCapacity);
    shell.clipText[0] = L'\0';
    SetWindowTextW(shell.resultEdit, resultText);
    SetWindowTextW(shell.verdictLabel, verdictText);
    BuildClipText(tool, resultText, verdictText, shell.clipText, kClipTextCapacity);
    // The verdict is drawn again in the colour of its new level.
    InvalidateRect(shell.verdictLabel, nullptr, TRUE);
    InvalidateRect(shell.mainWindow, nullptr, FALSE);
    wchar_t status[kStatusTextCapacity];
    FormatCalculatedStatus(tool, status, kStatusTextCapacity);
    SetStatus(status);
    // Enter and F5 rest until the user is back in a box or on a button.
    SetFocus(shell.mainWindow);
}

void OnCopyResult() {
    ShellState& shell = CurrentShell();
    if (!shell.lastResultText[0]) {
        ShowMessage(kNoResultMessage, kNoResultCaption, MB_ICONINFORMATION);
        return;
    }
    if (!PutResultOnClipboard(shell.mainWindow, *shell.tool, shell.clipText)) {
        ShowMessage(kCopyFailedMessage, kCopyFailedCaption, MB_ICONWARNING);
        return;
    }
    SetStatus(kCopiedStatus);
}

void OnReset() {
    ShellState& shell = CurrentShell();
    const ToolDef& tool = *shell.tool;
    for (int i = 0; i < InputRows(tool); ++i) {
        wchar_t value[kValueTextCapacity];
        FormatInputValue(tool.inputs[i].defaultValue, value, kValueTextCapacity);
        SetWindowTextW(shell.inputEdits[i], value);
    }
    SetWindowTextW(shell.resultEdit, L"");
    SetWindowTextW(shell.verdictLabel, kVerdictPrompt);
    SetWindowTextW(shell.noteLabel, TextOrEmpty(tool.note));
    CopyCut(shell.statusText, kStatusTextCapacity, kResetStatus);
    shell.lastResultText[0] = L'\0';
    shell.lastLevel = 0;
    InvalidateRect(shell.mainWindow, nullptr, FALSE);
}

void OnAbout() {
    wchar_t about[kAboutTextCapacity];
    BuildAboutText(*CurrentShell().tool, about, kAboutTextCapacity);
    ShowMessage(about, kAboutCaption, MB_ICONINFORMATION);
}

void OnSaveRecord() {
    ShellState& shell = CurrentShell();
    if (!shell.lastResultText[0]) {
        ShowMessage(kSaveNoResultMessage, kNoResultCaption, MB_ICONINFORMATION);
        return;
    }
    wchar_t base[kBaseFolderCapacity];
    ReadLocalAppDataFolder(base);
    wchar_t recordFile[kRecordFileCapacity];
    bool saved = SaveRecord(base, *shell.tool, shell.inputValues, shell.lastResultText, ReadLocalTime(), recordFile);
    // A save that did not reach the file says so; an earlier "saved" must
    // not stay on the status line either.
    wchar_t status[kStatusTextCapacity];
    FormatSaveStatus(saved, recordFile, status, kStatusTextCapacity);
    SetStatus(status);
    if (saved) {
        ShowMessage(kSavedMessage, kSavedCaption, MB_ICONINFORMATION);
        return;
    }
    wchar_t message[kSaveFailedMessageCapacity];
    FormatSaveFailedMessage(recordFile, message, kSaveFailedMessageCapacity);
    ShowMessage(message, kSaveFailedCaption, MB_ICONWARNING);
}
