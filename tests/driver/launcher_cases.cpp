// The launcher as the ward user meets it: every tool under its category, the
// search narrowing the list as one types, the keys (Tab, arrows, Page Up and
// Down, Enter, Esc), opening a tool beside it or bringing it to the front,
// the tools opened last at the top of the next start, the warnings for a
// program that is not there, its place on the ward's screen and its look.
#include <string>
#include <vector>

#include "engine/tool_catalogue.h"
#include "launcher/launcher_layout.h"
#include "launcher/launcher_state.h"
#include "launcher/launcher_texts.h"
#include "launcher/tool_search.h"
#include "shell/local_app_data.h"
#include "shell/main_window.h"
#include "shell/palette.h"
#include "shell/window_frame.h"
#include "tests/driver/driver_case.h"
#include "tests/driver/tool_window.h"

namespace {

const wchar_t kLauncherFile[] = L"TolmMedSuite.exe";

using Rows = std::vector<std::wstring>;

LauncherLayout Layout() { return ComputeLauncherLayout(ReadScreenMetrics()); }

HWND SearchBox(const CaseContext& c) { return FindControl(c.app, LAUNCHER_SEARCH_ID); }
HWND ToolList(const CaseContext& c) { return FindControl(c.app, LAUNCHER_LIST_ID); }

// The rows the launcher must list for a query: the catalogue's, as the
// search finds them, with no tools opened before.
Rows RowsFor(const wchar_t* query) {
    ToolRow rows[kMaxToolRows];
    int count = BuildToolRows(kToolCatalogue, kToolCatalogueCount, kToolCategories, kToolCategoryCount, query, rows,
                              kMaxToolRows);
    Rows texts;
    for (int r = 0; r < count; ++r)
        texts.push_back(IsToolRow(rows[r]) ? kToolCatalogue[rows[r].tool].tool->title : kToolCategories[rows[r].category]);
    return texts;
}

int ToolsIn(const Rows& rows) {
    int tools = 0;
    for (const std::wstring& row : rows) {
        bool heading = false;
        for (int c = 0; c < kToolCategoryCount; ++c) heading |= row == kToolCategories[c];
        tools += !heading;
    }
    return tools;
}

std::wstring ListStatus(int shown, bool searching) {
    wchar_t text[kLauncherStatusCapacity];
    FormatListStatus(shown, kToolCatalogueCount, searching, text, kLauncherStatusCapacity);
    return text;
}

void Search(CaseContext& c, const wchar_t* text) {
    PostKeyDown(SearchBox(c), VK_ESCAPE);
    TypeText(SearchBox(c), text);
    Settle(c.app);
}

bool ExpectRows(CaseContext& c, const Rows& expected, const char* when) {
    Rows shown = ReadListItems(ToolList(c));
    if (shown == expected) return true;
    std::string listed;
    for (const std::wstring& row : shown) listed += " | " + Utf8(row);
    return Expect(c, false, "%s: %u rows, expected %u:%s", when, static_cast<unsigned>(shown.size()),
                  static_cast<unsigned>(expected.size()), listed.c_str());
}

void ExpectStatus(CaseContext& c, const std::wstring& text) {
    const LauncherLayout layout = Layout();
    ExpectStatusLine(c, layout.status, layout.fonts.small, text.c_str());
}

// The middle of row index of the list, in its client coordinates.
POINT RowCentre(const CaseContext& c, int index) {
    RECT rect = {};
    SendMessageW(ToolList(c), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// ---- Cases ----

// Every tool under its category, the focus in the search box, the first tool
// selected; the About box gives the focus back to the search box.
void OpensWithEveryToolUnderItsCategory(CaseContext& c) {
    ExpectText(c, ReadText(c.app.window), kLauncherTitle, "window caption");
    ExpectFocus(c, SearchBox(c), "the search box");
    Rows all = RowsFor(L"");
    Expect(c, ToolsIn(all) == kToolCatalogueCount, "%d tools listed", ToolsIn(all));
    ExpectRows(c, all, "at start");
    Expect(c, ListSelection(ToolList(c)) == 1, "selection %d, expected the first tool", ListSelection(ToolList(c)));
    ExpectStatus(c, ListStatus(kToolCatalogueCount, false));
    ClickAndSettle(c, CMD_LAUNCHER_ABOUT);
    wchar_t about[kLauncherAboutCapacity];
    BuildLauncherAboutText(kToolCatalogueCount, about, kLauncherAboutCapacity);
    ExpectMessageBox(c, about, kLauncherAboutCaption, MB_ICONINFORMATION);
    ExpectFocus(c, SearchBox(c), "the search box after the About box");
}

// A Chinese fragment, an abbreviation, pinyin initials and full pinyin, a
// program name with ".exe", a word of an input's label, nothing at all; Esc
// clears the search.
void SearchNarrowsTheList(CaseContext& c) {
    const wchar_t* queries[] = {L"体表", L"bmi", L"tzzs", L"tizhong", L"MeldScore.exe", L"肌酐", L"疼痛", L"zzzz"};
    for (const wchar_t* query : queries) {
        Search(c, query);
        std::string when = "after typing \"" + Utf8(query) + "\"";
        Rows expected = RowsFor(query);
        ExpectRows(c, expected, when.c_str());
        Expect(c, ListSelection(ToolList(c)) == (expected.empty() ? -1 : 1), "%s: selection %d", when.c_str(),
               ListSelection(ToolList(c)));
        Expect(c, (IsWindowVisible(ToolList(c)) != 0) == !expected.empty(), "%s: the list is %s", when.c_str(),
               expected.empty() ? "shown" : "hidden");
        ExpectStatus(c, ListStatus(ToolsIn(expected), true));
    }
    const LauncherLayout layout = Layout();
    const TextLook noMatch = {L"Microsoft YaHei UI", -layout.fonts.caption, FW_NORMAL, kMutedTextColour, kWhite,
                              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_CENTER};
    Expect(c, RegionShowsText(c.app, RectOf(layout.noMatch), kNoMatchText, noMatch),
           "the empty list does not say that nothing matched");
    PressAndSettle(c, VK_ESCAPE);
    ExpectText(c, ReadText(SearchBox(c)), L"", "search box after Esc");
    ExpectRows(c, RowsFor(L""), "after Esc");
    ExpectStatus(c, ListStatus(kToolCatalogueCount, false));
}

// Up and Down pass over headings; Page Down goes a list's height further;
// a click on a heading selects nothing; Home and End land on tools; typing
// in the list goes on in the search box; Tab goes round the search box, the
// list and the buttons.
void KeysMoveOverToolRows(CaseContext& c) {
    Rows all = RowsFor(L"");
    PressAndSettle(c, VK_DOWN);
    Expect(c, ListSelection(ToolList(c)) == 2, "Down: selection %d", ListSelection(ToolList(c)));
    PressAndSettle(c, VK_NEXT);
    int paged = ListSelection(ToolList(c));
    Expect(c, paged > 5 && paged < static_cast<int>(all.size()), "Page Down: selection %d", paged);
    PressAndSettle(c, VK_PRIOR);
    Expect(c, ListSelection(ToolList(c)) < paged, "Page Up: selection %d", ListSelection(ToolList(c)));
    ExpectFocus(c, SearchBox(c), "the search box after the keys");
    Search(c, L"gir");
    POINT heading = RowCentre(c, 0), first = RowCentre(c, 1);
    ClickAt(ToolList(c), heading.x, heading.y);
    Settle(c.app);
    Expect(c, ListSelection(ToolList(c)) == 1, "a click on the heading: selection %d", ListSelection(ToolList(c)));
    ClickAt(ToolList(c), first.x, first.y);
    Settle(c.app);
    ExpectFocus(c, ToolList(c), "the list after a click");
    PressAndSettle(c, VK_END);
    int last = static_cast<int>(RowsFor(L"gir").size()) - 1;
    Expect(c, ListSelection(ToolList(c)) == last, "End: selection %d", ListSelection(ToolList(c)));
    PressAndSettle(c, VK_HOME);
    Expect(c, ListSelection(ToolList(c)) == 1, "Home: selection %d", ListSelection(ToolList(c)));
    TypeText(ToolList(c), L"x");
    Settle(c.app);
    ExpectText(c, ReadText(SearchBox(c)), L"girx", "search box after typing in the list");
    ExpectFocus(c, SearchBox(c), "the search box after typing in the list");
    Search(c, L"");
    const HWND order[] = {ToolList(c), FindControl(c.app, CMD_OPEN_TOOL), FindControl(c.app, CMD_LAUNCHER_ABOUT),
                          SearchBox(c)};
    for (HWND next : order) {
        ChordAndSettle(c, {VK_TAB});
        ExpectFocus(c, next, "the next control after Tab");
    }
    ChordAndSettle(c, {VK_SHIFT, VK_TAB});
    ExpectFocus(c, FindControl(c.app, CMD_LAUNCHER_ABOUT), "the About button after Shift+Tab");
}

std::wstring OpenedStatus(const wchar_t* title) {
    wchar_t text[kLauncherStatusCapacity];
    FormatOpenedStatus(title, text, kLauncherStatusCapacity);
    return text;
}

// Enter or a double click opens the tool beside the launcher, which stays;
// opening it again brings its window to the front instead of a second copy;
// the next start lists it first under 最近使用.
void OpensToolsAndListsThemFirstNextTime(CaseContext& c) {
    const ToolDef& bmi = *ToolOfProgram("BodyMassIndex");
    const ToolDef& gcs = *ToolOfProgram("GlasgowComaScale");
    Search(c, L"tzzs");
    PostKeyDown(SearchBox(c), VK_RETURN);
    HWND first = WaitForWindow(kToolWindowClass, bmi.title);
    if (!Expect(c, first != nullptr, "no window of %s appeared", Utf8(bmi.title).c_str())) return;
    Search(c, L"tzzs");
    PostKeyDown(SearchBox(c), VK_RETURN);
    Settle(c.app);
    Sleep(1000);
    int copies = 0;
    for (HWND w = FindWindowW(kToolWindowClass, bmi.title); w; w = FindWindowExW(nullptr, w, kToolWindowClass, bmi.title))
        ++copies;
    Expect(c, copies == 1, "%d windows of the tool after opening it twice", copies);
    Expect(c, GetForegroundWindow() == first, "the open tool was not brought to the front");
    Expect(c, CloseWindowAndWait(first), "the tool did not end when closed");
    ExpectStatus(c, OpenedStatus(bmi.title));
    Search(c, L"gcs");
    POINT row = RowCentre(c, 1);
    ClickAt(ToolList(c), row.x, row.y, true);
    HWND second = WaitForWindow(kToolWindowClass, gcs.title);
    if (Expect(c, second != nullptr, "a double click opened no tool")) CloseWindowAndWait(second);
    Expect(c, AppRunning(c.app), "the launcher ended after opening tools");
    DWORD exitCode = 0;
    CloseApp(&c.app, &exitCode);
    KillApp(&c.app);
    if (!Expect(c, LaunchApp(c.exePath, &c.app), "the launcher did not start again")) return;
    Rows shown = ReadListItems(ToolList(c));
    Rows top(shown.begin(), shown.begin() + (shown.size() < 3 ? shown.size() : 3));
    Expect(c, top == Rows({kRecentHeading, gcs.title, bmi.title}), "the next start does not list the tools opened last first");
    Expect(c, ListSelection(ToolList(c)) == 1, "the last tool opened is not selected");
    // The other cases start without tools opened before.
    wchar_t base[kLocalAppDataCapacity], file[kRecentFileCapacity];
    ReadLocalAppDataFolder(base);
    if (FormatRecentFile(file, base)) DeleteFileW(file);
}

// The launcher alone in a folder of its own: the tool it opens is missing,
// or is no program; each gets the warning naming it, and nothing else
// happens.
void MissingProgramWarns(CaseContext& c) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"peravin-launcher-" + std::to_wstring(GetTickCount());
    const std::wstring launcher = folder + L"\\" + kLauncherFile;
    const std::wstring notAProgram = folder + L"\\GlucoseInfusionTotal.exe";
    DWORD exitCode = 0;
    if (!Expect(c, CreateDirectoryW(folder.c_str(), nullptr) &&
                       CopyFileW(WindowsPath(c.exePath).c_str(), launcher.c_str(), TRUE),
                "the launcher could not be copied to %s", Utf8(folder).c_str()))
        return;
    HANDLE empty = CreateFileW(notAProgram.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    CloseHandle(empty);
    CloseApp(&c.app, &exitCode);
    KillApp(&c.app);
    if (Expect(c, LaunchApp(launcher.c_str(), &c.app), "the copied launcher did not start")) {
        Search(c, L"Peravin.exe");
        PostKeyDown(SearchBox(c), VK_RETURN);
        wchar_t message[kOpenFailedMessageCapacity];
        FormatProgramMissingMessage((folder + L"\\Peravin.exe").c_str(), L"Peravin", message, kOpenFailedMessageCapacity);
        ExpectMessageBox(c, message, kOpenFailedCaption, MB_ICONWARNING);
        Expect(c, !WaitForWindow(kToolWindowClass, L"Peravin", 1000), "a Peravin window appeared");
        Search(c, L"GlucoseInfusionTotal");
        PostKeyDown(SearchBox(c), VK_RETURN);
        MessageBoxSeen seen;
        if (Expect(c, WaitForMessageBox(c.app, &seen), "no warning for a file that is no program")) {
            Expect(c, seen.text.find(notAProgram) != std::wstring::npos && seen.caption == kOpenFailedCaption &&
                          seen.icon == MB_ICONWARNING && seen.owner == c.app.window,
                   "not the launcher's warning naming the file: %s", Utf8(seen.text).c_str());
            PressButton(c.app, seen, IDOK);
        }
        Expect(c, CloseApp(&c.app, &exitCode) && exitCode == 0, "the copied launcher did not end cleanly");
    }
    KillApp(&c.app);
    DeleteFileW(launcher.c_str());
    DeleteFileW(notAProgram.c_str());
    RemoveDirectoryW(folder.c_str());
}

// On the ward's 1366 x 768 screen the launcher stays in the work area,
// centred, its client area the layout's, its size pinned.
void FitsTheWardScreen(CaseContext& c) {
    const LauncherLayout layout = Layout();
    ExpectFramed(c, layout.clientWidth, layout.clientHeight);
}

void PaintsTheFamilyLook(CaseContext& c) {
    const LauncherLayout l = Layout();
    RECT selected = {};
    SendMessageW(ToolList(c), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
    const int selectedY = l.list.y + (selected.top + selected.bottom) / 2;
    const struct {
        int x, y;
        COLORREF colour;
        const char* what;
    } pixels[] = {
        {l.clientWidth - 160, l.header.bottom - 20, kHeaderColour, "header band"},
        {0, 0, kAccentColour, "accent strip"},
        {10, l.header.bottom + 4, kPageColour, "page under the header"},
        {l.listPanel.x, l.listPanel.y + 100, kPanelBorderColour, "list panel border"},
        {RightOf(l.list) - 30, selectedY, kCalculateFill, "the selected tool row"},
        {10, l.footer.y + 6, kFooterColour, "footer band"},
        {l.openButton.x + 5, BottomOf(l.openButton) - 5, kCalculateFill, "open button"},
        {l.aboutButton.x + 6, BottomOf(l.aboutButton) - 5, kWhite, "About button"},
    };
    for (const auto& pixel : pixels) ExpectPixel(c, pixel.x, pixel.y, pixel.colour, pixel.what);
    const TextLook title = {L"Microsoft YaHei UI", -l.fonts.title, FW_BOLD, kWhite, kHeaderColour,
                            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS};
    Expect(c, RegionShowsText(c.app, RectOf(l.header.title), kLauncherTitle, title), "the header does not show the title");
}

const DriverCase kLauncherCases[] = {
    {"launcher_opens_with_every_tool_under_its_category", OpensWithEveryToolUnderItsCategory},
    {"launcher_search_narrows_the_list", SearchNarrowsTheList},
    {"launcher_keys_move_over_tool_rows", KeysMoveOverToolRows},
    {"launcher_opens_tools_and_lists_them_first_next_time", OpensToolsAndListsThemFirstNextTime},
    {"launcher_missing_program_warns", MissingProgramWarns},
    {"launcher_fits_the_ward_screen", FitsTheWardScreen},
    {"launcher_paints_the_family_look", PaintsTheFamilyLook},
};

const CaseRegistration registration(kLauncherCases, sizeof kLauncherCases / sizeof kLauncherCases[0],
                                    kLauncherFile);

}  // namespace
