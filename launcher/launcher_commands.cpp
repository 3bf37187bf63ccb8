#include "launcher/launcher_commands.h"

#include <windows.h>

#include "engine/text.h"
#include "engine/tool_catalogue.h"
#include "launcher/launcher_layout.h"
#include "launcher/launcher_state.h"
#include "launcher/sibling_program.h"
#include "shell/main_window.h"

namespace {

int ShownTools(const LauncherState& launcher) {
    int shown = 0;
    for (int r = 0; r < launcher.rowCount; ++r)
        if (IsToolRow(launcher.rows[r]) && launcher.rows[r].category != kRecentRows) ++shown;
    return shown;
}

void SetStatus(LauncherState& launcher, const wchar_t* text) {
    CopyCut(launcher.statusText, kLauncherStatusCapacity, text);
    const Box& box = launcher.layout.status;
    const RECT status = {box.x, box.y, box.x + box.width, box.y + box.height};
    InvalidateRect(launcher.mainWindow, &status, FALSE);
}

void FillList(LauncherState& launcher) {
    HWND list = launcher.toolList;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (int r = 0; r < launcher.rowCount; ++r) {
        const ToolRow& row = launcher.rows[r];
        const wchar_t* text = IsToolRow(row) ? kToolCatalogue[row.tool].tool->title : HeadingText(row);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    int first = NearestToolRow(launcher.rows, launcher.rowCount, 0);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(first), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ShowWindow(list, launcher.rowCount > 0 ? SW_SHOW : SW_HIDE);
    InvalidateRect(list, nullptr, TRUE);
}

int SelectedRow(const LauncherState& launcher) {
    LRESULT selected = SendMessageW(launcher.toolList, LB_GETCURSEL, 0, 0);
    return selected >= 0 && selected < launcher.rowCount ? static_cast<int>(selected) : -1;
}

void Select(const LauncherState& launcher, int row) {
    SendMessageW(launcher.toolList, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    // Moving up to a category's first tool shows its heading too.
    int above = row - 1;
    if (above >= 0 && !IsToolRow(launcher.rows[above]) &&
        SendMessageW(launcher.toolList, LB_GETTOPINDEX, 0, 0) > above)
        SendMessageW(launcher.toolList, LB_SETTOPINDEX, static_cast<WPARAM>(above), 0);
}

void WarnNotOpened(const LauncherState& launcher, const wchar_t* path, const wchar_t* title, DWORD error) {
    wchar_t message[kOpenFailedMessageCapacity];
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        FormatProgramMissingMessage(path, title, message, kOpenFailedMessageCapacity);
    else
        FormatProgramNotStartedMessage(path, title, error, message, kOpenFailedMessageCapacity);
    MessageBoxW(launcher.mainWindow, message, kOpenFailedCaption, MB_OK | MB_ICONWARNING);
}

// The path of the program beside the launcher; false when it cannot be told.
bool ProgramPath(const char* program, wchar_t* path) {
    static wchar_t ownPath[kProgramPathCapacity];
    DWORD length = GetModuleFileNameW(nullptr, ownPath, kProgramPathCapacity);
    if (length == 0 || length >= static_cast<DWORD>(kProgramPathCapacity)) return false;
    return SiblingProgramPath(ownPath, program, path, kProgramPathCapacity);
}

// A tool already open is brought to the front, not started a second time
// exactly on top of the first.
bool BringToFront(const CatalogueEntry& entry) {
    HWND open = FindWindowW(kToolWindowClass, entry.tool->title);
    if (!open) return false;
    if (IsIconic(open)) ShowWindow(open, SW_RESTORE);
    SetForegroundWindow(open);
    return true;
}

}  // namespace

void OnSearchChanged() {
    LauncherState& launcher = CurrentLauncher();
    wchar_t query[kSearchTextCapacity];
    query[0] = L'\0';
    GetWindowTextW(launcher.searchEdit, query, kSearchTextCapacity);
    launcher.rowCount = BuildLauncherRows(kToolCatalogue, kToolCatalogueCount, kToolCategories, kToolCategoryCount,
                                          query, launcher.recent.tools, launcher.recent.count, launcher.rows,
                                          kMaxToolRows);
    FillList(launcher);
    wchar_t status[kLauncherStatusCapacity];
    FormatListStatus(ShownTools(launcher), kToolCatalogueCount, HasSearchTerms(query), status, kLauncherStatusCapacity);
    SetStatus(launcher, status);
}

void OnMoveSelection(int step) {
    const LauncherState& launcher = CurrentLauncher();
    int row = StepToolRow(launcher.rows, launcher.rowCount, SelectedRow(launcher), step);
    if (row >= 0) Select(launcher, row);
}

void OnMovePage(int step) {
    const LauncherState& launcher = CurrentLauncher();
    int rowsShown = launcher.layout.list.height / launcher.layout.toolRowHeight;
    int row = SelectedRow(launcher);
    for (int moved = 0; moved < (rowsShown > 1 ? rowsShown - 1 : 1); ++moved) {
        int next = StepToolRow(launcher.rows, launcher.rowCount, row, step);
        if (next == row || next < 0) break;
        row = next;
    }
    if (row >= 0) Select(launcher, row);
}

void OnListSelectionChanged() {
    const LauncherState& launcher = CurrentLauncher();
    int selected = SelectedRow(launcher);
    int row = NearestToolRow(launcher.rows, launcher.rowCount, selected);
    if (row >= 0 && row != selected) Select(launcher, row);
}

void OnOpenTool() {
    LauncherState& launcher = CurrentLauncher();
    int row = SelectedRow(launcher);
    if (row < 0 || !IsToolRow(launcher.rows[row])) return;
    const CatalogueEntry& entry = kToolCatalogue[launcher.rows[row].tool];
    // Opened or brought to the front, it is the tool used last; the list
    // shows it first from the next start or search on.
    NoteToolOpened(&launcher.recent, launcher.rows[row].tool);
    SaveRecentTools(launcher.recentFile, launcher.recent, kToolCatalogue);
    wchar_t status[kLauncherStatusCapacity];
    FormatOpenedStatus(entry.tool->title, status, kLauncherStatusCapacity);
    if (BringToFront(entry)) {
        SetStatus(launcher, status);
        return;
    }
    static wchar_t path[kProgramPathCapacity];
    static wchar_t commandLine[kProgramPathCapacity + 2];
    if (!ProgramPath(entry.program, path)) {
        WarnNotOpened(launcher, path, entry.tool->title, ERROR_FILENAME_EXCED_RANGE);
        return;
    }
    // The program's own path, quoted, is its whole command line.
    FormatCut(commandLine, kProgramPathCapacity + 2, L"\"%ls\"", path);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(path, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        WarnNotOpened(launcher, path, entry.tool->title, GetLastError());
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    SetStatus(launcher, status);
}

void OnClearSearch() {
    const LauncherState& launcher = CurrentLauncher();
    if (GetWindowTextLengthW(launcher.searchEdit) > 0) SetWindowTextW(launcher.searchEdit, L"");
    SetFocus(launcher.searchEdit);
}

void OnLauncherAbout() {
    const LauncherState& launcher = CurrentLauncher();
    wchar_t about[kLauncherAboutCapacity];
    BuildLauncherAboutText(kToolCatalogueCount, about, kLauncherAboutCapacity);
    MessageBoxW(launcher.mainWindow, about, kLauncherAboutCaption, MB_OK | MB_ICONINFORMATION);
    SetFocus(launcher.searchEdit);
}

void ForwardCharToSearch(WPARAM character, LPARAM flags) {
    const LauncherState& launcher = CurrentLauncher();
    SetFocus(launcher.searchEdit);
    int length = GetWindowTextLengthW(launcher.searchEdit);
    SendMessageW(launcher.searchEdit, EM_SETSEL, static_cast<WPARAM>(length), length);
    SendMessageW(launcher.searchEdit, WM_CHAR, character, flags);
}
