// "保存记录": appends the last calculation to the tool's CSV file under the
// user's local application-data folder.
#include <windows.h>

#include "engine/platform.h"
#include "engine/text.h"
#include "shell/commands.h"
#include "shell/local_app_data.h"
#include "shell/shell_state.h"
#include "store/record_log.h"
#include "store/record_save.h"

namespace {

// Named in the warning when the folder itself is unknown.
const wchar_t kUnknownBaseFolder[] = L"%LOCALAPPDATA%";
constexpr int kSaveMessageCapacity = 1024;

void ShowNoResult(const ShellState& shell) {
    MessageBoxW(shell.mainWindow, L"请先点击“计算”生成结果，再保存记录。", L"提示", MB_OK | MB_ICONINFORMATION);
}

void ReportSaved(ShellState& shell, const wchar_t* recordFile) {
    FormatCut(shell.statusText, kStatusTextCapacity, L"记录已保存：%ls", recordFile);
    InvalidateRect(shell.mainWindow, nullptr, FALSE);
    MessageBoxW(shell.mainWindow, L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。", L"已保存",
                MB_OK | MB_ICONINFORMATION);
}

// A save that did not reach the file says so; an earlier "saved" must not
// stay on the status line either.
void ReportNotSaved(ShellState& shell, const wchar_t* recordFile) {
    FormatCut(shell.statusText, kStatusTextCapacity, L"记录未保存：%ls", recordFile);
    InvalidateRect(shell.mainWindow, nullptr, FALSE);
    wchar_t message[kSaveMessageCapacity];
    FormatCut(message, kSaveMessageCapacity, L"无法写入记录文件：\r\n%ls\r\n\r\n本次记录未保存。", recordFile);
    MessageBoxW(shell.mainWindow, message, L"保存失败", MB_OK | MB_ICONWARNING);
}

}  // namespace

void OnSaveRecord() {
    ShellState& shell = Shell();
    if (shell.lastResultText[0] == L'\0') {
        ShowNoResult(shell);
        return;
    }
    wchar_t base[kBaseFolderCapacity];
    wchar_t recordFile[kRecordFileCapacity];
    if (!ReadLocalAppDataFolder(base)) {
        wchar_t folder[kRecordFolderCapacity];
        FormatRecordFolder(folder, kUnknownBaseFolder);
        FormatRecordFile(recordFile, folder, shell.tool->id);
        ReportNotSaved(shell, recordFile);
        return;
    }
    bool saved = SaveRecord(base, *shell.tool, shell.inputValues, shell.lastResultText, ReadLocalTime(), recordFile);
    if (saved)
        ReportSaved(shell, recordFile);
    else
        ReportNotSaved(shell, recordFile);
}
