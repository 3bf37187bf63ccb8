#include "shell/commands.h"

#include "engine/calculation.h"
#include "engine/platform.h"
#include "engine/text.h"
#include "shell/clipboard.h"
#include "shell/input_controls.h"
#include "shell/local_app_data.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"
#include "store/record_log.h"

namespace {

void ShowMessage(const wchar_t* text, const wchar_t* caption, UINT icon) {
    MessageBoxW(CurrentShell().mainWindow, text, caption, MB_OK | icon);
}

void SetStatus(const wchar_t* text) {
    ShellState& shell = CurrentShell();
    CopyCut(shell.statusText, kStatusTextCapacity, text);
    // Only the status line is drawn again; the rest of the picture stays.
    const Box& box = shell.layout.status;
    const RECT status = {box.x, box.y, box.x + box.width, box.y + box.height};
    InvalidateRect(shell.mainWindow, &status, FALSE);
}

// Reads every input into inputValues; false, after telling the user and
// focusing the control, when one is refused. inputValues then keeps the
// values of the last calculation, so they never mix with new ones.
bool ReadInputControls(ShellState& shell) {
    const ToolDef& tool = *shell.tool;
    double values[kMaxInputs] = {};
    bool checked[kMaxInputChoices] = {};
    for (int i = 0; i < InputRowCount(tool); ++i) {
        InputProblem problem = ReadInputControl(shell, i, &values[i], checked);
        if (problem == InputAccepted) continue;
        wchar_t message[kInputMessageCapacity];
        FormatInputProblem(tool, i, problem, message, kInputMessageCapacity);
        ShowMessage(message, kInputRejectedCaption, MB_ICONWARNING);
        SetFocus(shell.inputControls[i]);
        return false;
    }
    for (int i = 0; i < kMaxInputs; ++i) shell.inputValues[i] = values[i];
    for (int c = 0; c < kMaxInputChoices; ++c) shell.checkedItems[c] = checked[c];
    return true;
}

// Copy and save take a result that belongs to the inputs shown, or none.
bool ResultReady(const ShellState& shell, const wchar_t* noResultMessage) {
    if (!HasResult(shell)) {
        ShowMessage(noResultMessage, kNoResultCaption, MB_ICONINFORMATION);
        return false;
    }
    if (shell.stale) {
        ShowMessage(kStaleMessage, kNoResultCaption, MB_ICONINFORMATION);
        return false;
    }
    return true;
}

// Asks whether to save again once the program holding the file has let go.
bool AskRetryBusyFile(const wchar_t* recordFile) {
    wchar_t message[kSaveFailedMessageCapacity];
    FormatSaveBusyMessage(recordFile, message, kSaveFailedMessageCapacity);
    return MessageBoxW(CurrentShell().mainWindow, message, kSaveFailedCaption, MB_RETRYCANCEL | MB_ICONWARNING) ==
           IDRETRY;
}

void ShowVerdict(ShellState& shell, const wchar_t* verdict) {
    SetWindowTextW(shell.verdictLabel, verdict);
    // Drawn again in the colour of its level, or dimmed.
    InvalidateRect(shell.verdictLabel, nullptr, TRUE);
    InvalidateRect(shell.resultEdit, nullptr, TRUE);
}

}  // namespace

void OnCalculate() {
    ShellState& shell = CurrentShell();
    if (!ReadInputControls(shell)) return;
    const ToolDef& tool = *shell.tool;
    shell.calculatedAt = ReadLocalTime();
    Calculate(tool, shell.inputValues, &shell.last);
    shell.stale = false;
    SetWindowTextW(shell.resultEdit, shell.last.resultText);
    ShowVerdict(shell, shell.last.verdictText);
    wchar_t status[kStatusTextCapacity];
    FormatCalculatedStatus(tool, status, kStatusTextCapacity);
    SetStatus(status);
    // The focus stays where it was: F5 again, Tab on, or a command key.
}

void OnInputChanged() {
    ShellState& shell = CurrentShell();
    if (shell.filling || shell.stale || !HasResult(shell)) return;
    shell.stale = true;
    ShowVerdict(shell, shell.last.verdictText);
    SetStatus(kStaleStatus);
}

void OnCopyResult() {
    ShellState& shell = CurrentShell();
    if (!ResultReady(shell, kNoResultMessage)) return;
    static wchar_t copyText[kCopyTextCapacity];
    BuildCopyText(*shell.tool, shell.inputValues, shell.checkedItems, shell.last, shell.calculatedAt, copyText,
                  kCopyTextCapacity);
    if (!PutTextOnClipboard(shell.mainWindow, copyText)) {
        ShowMessage(kCopyFailedMessage, kCopyFailedCaption, MB_ICONWARNING);
        return;
    }
    SetStatus(kCopiedStatus);
}

void OnReset() {
    ShellState& shell = CurrentShell();
    const ToolDef& tool = *shell.tool;
    shell.filling = true;
    for (int i = 0; i < InputRowCount(tool); ++i) ShowStartingValue(shell, i);
    shell.filling = false;
    shell.last.resultText[0] = L'\0';
    shell.last.level = LevelNormal;
    shell.stale = false;
    SetWindowTextW(shell.resultEdit, L"");
    ShowVerdict(shell, kVerdictPrompt);
    SetWindowTextW(shell.noteLabel, TextOrEmpty(tool.note));
    SetStatus(kResetStatus);
}

void OnAbout() {
    wchar_t about[kAboutTextCapacity];
    BuildAboutText(*CurrentShell().tool, about, kAboutTextCapacity);
    ShowMessage(about, kAboutCaption, MB_ICONINFORMATION);
}

void OnSaveRecord() {
    ShellState& shell = CurrentShell();
    if (!ResultReady(shell, kSaveNoResultMessage)) return;
    wchar_t base[kLocalAppDataCapacity];
    ReadLocalAppDataFolder(base);
    // Built once: a retry saves this very record, with the time of the click.
    static wchar_t line[kRecordLineCapacity];
    BuildRecordLine(line, *shell.tool, shell.inputValues, shell.last.resultText, shell.last.verdictText,
                    ReadLocalTime());
    wchar_t recordFile[kRecordFileCapacity];
    SaveOutcome outcome = SaveRecordLine(base, *shell.tool, line, recordFile);
    while (outcome == RecordFileBusy && AskRetryBusyFile(recordFile))
        outcome = SaveRecordLine(base, *shell.tool, line, recordFile);
    // A save that did not reach the file says so; an earlier "saved" must
    // not stay on the status line either.
    wchar_t status[kStatusTextCapacity];
    FormatSaveStatus(outcome == RecordSaved, recordFile, status, kStatusTextCapacity);
    SetStatus(status);
    if (outcome == RecordSaved) {
        ShowMessage(kSavedMessage, kSavedCaption, MB_ICONINFORMATION);
        return;
    }
    // Cancelled by the user, who has just been told why.
    if (outcome == RecordFileBusy) return;
    wchar_t message[kSaveFailedMessageCapacity];
    FormatSaveFailedMessage(recordFile, message, kSaveFailedMessageCapacity);
    ShowMessage(message, kSaveFailedCaption, MB_ICONWARNING);
}
