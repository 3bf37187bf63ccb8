// The launcher as the ward user meets it: every tool under its category,
// the search box narrowing the list as one types, the keys, opening a tool
// beside it, the warning for a program that is not there, its place on a
// 1366 x 768 screen and its look.
#include <string>
#include <vector>

#include "engine/tool_catalogue.h"
#include "tests/driver/driver_case.h"
#include "tests/support/window_expectations.h"

namespace {

const wchar_t kLauncherFile[] = L"TolmMedSuite.exe";
const wchar_t kTitle[] = L"临床工具箱";
const wchar_t kToolWindowClass[] = L"TolmMedToolWnd";
// Texts with the number of tools, "%d" standing for it.
const wchar_t kAllToolsStatus[] = L"共 %d 个工具：↑↓ 选择，回车或双击打开";
const wchar_t kNoMatchStatus[] = L"没有找到匹配的工具：按 Esc 清空查找";
const wchar_t kSubtitle[] = L"共 %d 个临床工具  \x00B7  输入名称、缩写或拼音首字母查找";
const wchar_t kAboutText[] =
    L"临床工具箱\r\n"
    L"\r\n"
    L"共 %d 个临床工具，按分类列出；输入名称、缩写或拼音首字母即可查找。\r\n"
    L"\r\n"
    L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
    L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n"
    L"\r\n"
    L"版本 V1.0    官网：www.tolmmed.example";
const wchar_t kBmiTitle[] = L"体质指数（中国成人标准）";
const wchar_t kGcsTitle[] = L"格拉斯哥昏迷评分（GCS）";

constexpr int kSearchId = 100;
constexpr int kListId = 101;
constexpr int kAboutId = 1102;

// Rows of the list, in its client coordinates.
constexpr int kHeadingHeight = 30;
constexpr int kToolRowHeight = 48;
constexpr int kRowClickX = 100;

constexpr COLORREF kCalculateFill = RGB(0x00, 0x7A, 0xA8);

using Rows = std::vector<std::wstring>;

std::wstring WithToolCount(const wchar_t* format) {
    wchar_t text[1024];
    swprintf(text, 1024, format, kToolCatalogueCount);
    return text;
}

// Every category of the suite in its order, each followed by its tools'
// titles in list order.
Rows EverySuiteRow() {
    Rows rows;
    for (int c = 0; c < kToolCategoryCount; ++c) {
        Rows tools;
        for (int t = 0; t < kToolCatalogueCount; ++t)
            if (std::wstring(kToolCatalogue[t].tool->category) == kToolCategories[c])
                tools.push_back(kToolCatalogue[t].tool->title);
        if (tools.empty()) continue;
        rows.push_back(kToolCategories[c]);
        rows.insert(rows.end(), tools.begin(), tools.end());
    }
    return rows;
}

HWND SearchBox(const CaseContext& c) { return FindControl(c.app, kSearchId); }
HWND ToolList(const CaseContext& c) { return FindControl(c.app, kListId); }

// Esc, then the text typed into the search box.
void Search(CaseContext& c, const wchar_t* text) {
    PostKeyDown(SearchBox(c), VK_ESCAPE);
    TypeText(SearchBox(c), text);
    Settle(c.app);
}

void PressAndSettle(CaseContext& c, UINT key) {
    PressKey(c.app, key);
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

bool StatusShows(const CaseContext& c, const wchar_t* text) {
    const TextLook look = {L"Microsoft YaHei UI", -12, FW_NORMAL, kMutedText, kFooter,
                           DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_RIGHT};
    return RegionShowsText(c.app, RECT{310, 590, 740, 630}, text, look);
}

void ExpectStatus(CaseContext& c, const wchar_t* text) {
    Expect(c, StatusShows(c, text), "the status line does not show \"%s\"", Utf8(text).c_str());
}

void ExpectFocusOn(CaseContext& c, HWND expected, const char* what) {
    Expect(c, FocusedWindow(c.app) == expected, "focus is not on %s", what);
}

// ---- Cases ----

void OpensWithEveryToolUnderItsCategory(CaseContext& c) {
    ExpectText(c, ReadText(c.app.window), kTitle, "window caption");
    ExpectFocusOn(c, SearchBox(c), "the search box");
    ExpectText(c, ReadText(SearchBox(c)), L"", "search box");
    Rows all = EverySuiteRow();
    Expect(c, all.size() == static_cast<size_t>(kToolCatalogueCount + kToolCategoryCount),
           "the suite has %u rows", static_cast<unsigned>(all.size()));
    ExpectRows(c, all, "at start");
    Expect(c, ListSelection(ToolList(c)) == 1, "selection %d, expected the first tool", ListSelection(ToolList(c)));
    ExpectStatus(c, WithToolCount(kAllToolsStatus).c_str());
}

struct Narrowing {
    const wchar_t* typed;
    Rows rows;
    const wchar_t* status;
};

void SearchNarrowsTheList(CaseContext& c) {
    const Narrowing cases[] = {
        // A Chinese fragment, abbreviations, pinyin initials, a program name.
        {L"体表", {L"体格测量", L"体表面积"}, L"找到 1 个工具：↑↓ 选择，回车打开，Esc 清空"},
        {L"bmi", {L"体格测量", kBmiTitle}, L"找到 1 个工具：↑↓ 选择，回车打开，Esc 清空"},
        {L"GCS", {L"重症评分", kGcsTitle}, L"找到 1 个工具：↑↓ 选择，回车打开，Esc 清空"},
        {L"tzzs", {L"体格测量", kBmiTitle}, L"找到 1 个工具：↑↓ 选择，回车打开，Esc 清空"},
        {L"gir",
         {L"营养支持", L"Peravin", L"葡萄糖输注速率（GIR）", L"目标GIR所需输液速度"},
         L"找到 3 个工具：↑↓ 选择，回车打开，Esc 清空"},
        {L"MeldScore", {L"肝功能", L"终末期肝病模型（MELD）评分"}, L"找到 1 个工具：↑↓ 选择，回车打开，Esc 清空"},
        {L"zzzz", {}, kNoMatchStatus},
    };
    for (const Narrowing& row : cases) {
        Search(c, row.typed);
        std::string when = "after typing \"" + Utf8(row.typed) + "\"";
        ExpectText(c, ReadText(SearchBox(c)), row.typed, "search box");
        ExpectRows(c, row.rows, when.c_str());
        int expectedSelection = row.rows.empty() ? -1 : 1;
        Expect(c, ListSelection(ToolList(c)) == expectedSelection, "%s: selection %d", when.c_str(),
               ListSelection(ToolList(c)));
        Expect(c, (IsWindowVisible(ToolList(c)) != 0) == !row.rows.empty(), "%s: the list is %s", when.c_str(),
               row.rows.empty() ? "shown" : "hidden");
        ExpectStatus(c, row.status);
    }
    // With nothing to list, the panel says so.
    const TextLook noMatch = {L"Microsoft YaHei UI", -14, FW_NORMAL, kMutedText, kWhite, 0x8025};
    Expect(c, RegionShowsText(c.app, RECT{21, 147, 739, 267}, L"没有找到匹配的工具", noMatch),
           "the empty list does not say that nothing matched");
}

// Up and Down from the search box and in the list pass over headings; the
// list's first rows are: heading, five tools, heading, tools...
void KeysMoveOverToolRows(CaseContext& c) {
    struct Step {
        UINT key;
        int selection;
    };
    const Step steps[] = {
        {VK_DOWN, 2}, {VK_DOWN, 3}, {VK_DOWN, 4}, {VK_DOWN, 5}, {VK_DOWN, 7}, {VK_UP, 5}, {VK_UP, 4},
        {VK_UP, 3},   {VK_UP, 2},   {VK_UP, 1},   {VK_UP, 1},
    };
    for (const Step& step : steps) {
        PressAndSettle(c, step.key);
        Expect(c, ListSelection(ToolList(c)) == step.selection, "%s: selection %d, expected %d",
               step.key == VK_DOWN ? "Down" : "Up", ListSelection(ToolList(c)), step.selection);
    }
    ExpectFocusOn(c, SearchBox(c), "the search box after Up and Down");
    Search(c, L"gir");
    for (int i = 0; i < 3; ++i) PressAndSettle(c, VK_DOWN);
    Expect(c, ListSelection(ToolList(c)) == 3, "Down past the last tool: selection %d", ListSelection(ToolList(c)));
    // A click on a heading selects nothing; on a tool it selects that tool.
    ClickAt(ToolList(c), kRowClickX, kHeadingHeight / 2);
    Settle(c.app);
    Expect(c, ListSelection(ToolList(c)) == 3, "a click on the heading moved the selection to %d",
           ListSelection(ToolList(c)));
    ClickAt(ToolList(c), kRowClickX, kHeadingHeight + kToolRowHeight / 2);
    Settle(c.app);
    Expect(c, ListSelection(ToolList(c)) == 1, "a click on the first tool: selection %d", ListSelection(ToolList(c)));
    ExpectFocusOn(c, ToolList(c), "the list after a click");
    PressAndSettle(c, VK_DOWN);
    Expect(c, ListSelection(ToolList(c)) == 2, "Down in the list: selection %d", ListSelection(ToolList(c)));
    // The list's own Home lands on the heading, which passes it on.
    PressAndSettle(c, VK_HOME);
    Expect(c, ListSelection(ToolList(c)) == 1, "Home in the list: selection %d", ListSelection(ToolList(c)));
    PressAndSettle(c, VK_END);
    Expect(c, ListSelection(ToolList(c)) == 3, "End in the list: selection %d", ListSelection(ToolList(c)));
    // Typing in the list goes on in the search box.
    TypeText(ToolList(c), L"x");
    Settle(c.app);
    ExpectText(c, ReadText(SearchBox(c)), L"girx", "search box after typing in the list");
    ExpectFocusOn(c, SearchBox(c), "the search box after typing in the list");
    ExpectRows(c, {}, "after typing x in the list");
}

void EscapeClearsTheSearch(CaseContext& c) {
    Search(c, L"bmi");
    ExpectRows(c, {L"体格测量", kBmiTitle}, "after typing bmi");
    ClickAt(ToolList(c), kRowClickX, kHeadingHeight + kToolRowHeight / 2);
    Settle(c.app);
    PressAndSettle(c, VK_ESCAPE);
    ExpectText(c, ReadText(SearchBox(c)), L"", "search box after Esc");
    ExpectFocusOn(c, SearchBox(c), "the search box after Esc");
    ExpectRows(c, EverySuiteRow(), "after Esc");
    Expect(c, ListSelection(ToolList(c)) == 1, "selection %d after Esc", ListSelection(ToolList(c)));
    ExpectStatus(c, WithToolCount(kAllToolsStatus).c_str());
}

// The tool's own window comes up with its title; the launcher stays.
void ExpectToolOpens(CaseContext& c, const wchar_t* title) {
    HWND tool = WaitForWindow(kToolWindowClass, title);
    if (!Expect(c, tool != nullptr, "no window \"%s\" appeared", Utf8(title).c_str())) return;
    Expect(c, CloseWindowAndWait(tool), "the tool \"%s\" did not end when closed", Utf8(title).c_str());
    Expect(c, AppRunning(c.app), "the launcher ended after opening \"%s\"", Utf8(title).c_str());
    ExpectStatus(c, (std::wstring(L"已打开：") + title).c_str());
}

void EnterOrDoubleClickOpensTheTool(CaseContext& c) {
    Search(c, L"tzzs");
    PostKeyDown(SearchBox(c), VK_RETURN);
    ExpectToolOpens(c, kBmiTitle);
    Search(c, L"gcs");
    DoubleClickAt(ToolList(c), kRowClickX, kHeadingHeight + kToolRowHeight / 2);
    ExpectToolOpens(c, kGcsTitle);
    // A double click on a heading opens nothing.
    DoubleClickAt(ToolList(c), kRowClickX, kHeadingHeight / 2);
    Settle(c.app);
    Expect(c, !WaitForWindow(kToolWindowClass, kGcsTitle, 1000), "a double click on a heading opened a tool");
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
        PostKeyDown(SearchBox(c), VK_RETURN);
        ExpectMessageBox(c,
                         (L"找不到程序：\r\n" + folder + L"\\Peravin.exe\r\n\r\n“Peravin”的程序应与临床工具箱在同一文件夹中。")
                             .c_str(),
                         L"无法打开工具", MB_ICONWARNING);
        Expect(c, !WaitForWindow(kToolWindowClass, L"Peravin", 1000), "a Peravin window appeared");
        ExpectStatus(c, WithToolCount(kAllToolsStatus).c_str());
        PostKeyDown(SearchBox(c), VK_DOWN);
        PostKeyDown(SearchBox(c), VK_RETURN);
        MessageBoxSeen seen;
        if (Expect(c, WaitForMessageBox(c.app, &seen), "no warning for a file that is no program")) {
            const std::wstring start = L"程序未能启动：\r\n" + notAProgram + L"\r\n\r\n“葡萄糖输注速率（GIR）”无法打开（错误 ";
            ExpectText(c, seen.text.substr(0, start.size()), start, "warning for a file that is no program");
            ExpectText(c, seen.caption, L"无法打开工具", "its caption");
            Expect(c, seen.icon == MB_ICONWARNING && seen.owner == c.app.window, "not a warning of the launcher");
            PressOk(c.app, seen);
        }
        ExpectStatus(c, WithToolCount(kAllToolsStatus).c_str());
        Expect(c, CloseApp(&c.app, &exitCode) && exitCode == 0, "the copied launcher did not end cleanly");
    }
    KillApp(&c.app);
    DeleteFileW(launcher.c_str());
    DeleteFileW(notAProgram.c_str());
    RemoveDirectoryW(folder.c_str());
}

// The ward's 1366 x 768 screen with a 40-pixel taskbar leaves 728 pixels:
// the launcher stays within them, centred in the work area, and cannot be
// sized.
void FitsTheWardScreen(CaseContext& c) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    Expect(c, screenWidth == 1366 && screenHeight == 768, "the desktop is %d x %d, not the ward's 1366 x 768",
           screenWidth, screenHeight);
    RECT outer, client, work;
    GetWindowRect(c.app.window, &outer);
    GetClientRect(c.app.window, &client);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    Expect(c, client.right == 760 && client.bottom == 640, "client area %ld x %ld", client.right, client.bottom);
    Expect(c, height <= 700 && width <= screenWidth, "outer size %d x %d", width, height);
    Expect(c, outer.left >= work.left && outer.top >= work.top && outer.right <= work.right &&
                  outer.bottom <= work.bottom && outer.bottom <= screenHeight - 40,
           "window at (%ld, %ld)-(%ld, %ld) leaves the work area (%ld, %ld)-(%ld, %ld)", outer.left, outer.top,
           outer.right, outer.bottom, work.left, work.top, work.right, work.bottom);
    Expect(c, outer.left == work.left + (work.right - work.left - width) / 2 &&
                  outer.top == work.top + (work.bottom - work.top - height) / 2,
           "window at (%ld, %ld) is not centred in the work area", outer.left, outer.top);
    DWORD style = static_cast<DWORD>(GetWindowLongW(c.app.window, GWL_STYLE));
    Expect(c, (style & 0x00CA0000) == 0x00CA0000 && !(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME),
           "style 0x%08lX", style);
    SetWindowPos(c.app.window, nullptr, 0, 0, width + 200, height + 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(c.app);
    RECT resized;
    GetWindowRect(c.app.window, &resized);
    Expect(c, resized.right - resized.left == width && resized.bottom - resized.top == height, "resized to %ld x %ld",
           resized.right - resized.left, resized.bottom - resized.top);
}

void AboutShowsTheSuiteTexts(CaseContext& c) {
    Click(FindControl(c.app, kAboutId));
    Settle(c.app);
    ExpectMessageBox(c, WithToolCount(kAboutText).c_str(), L"关于临床工具箱", MB_ICONINFORMATION);
    ExpectFocusOn(c, SearchBox(c), "the search box after the About box");
}

struct PixelCheck {
    int x, y;
    COLORREF colour;
    const char* what;
};

void PaintsTheFamilyLook(CaseContext& c) {
    const PixelCheck pixels[] = {
        {600, 60, kHeader, "header band"},
        {0, 0, kAccent, "accent strip, top"},
        {7, 87, kAccent, "accent strip, bottom"},
        {10, 92, kPage, "page under the header"},
        {20, 300, kPanelBorder, "list panel, left border"},
        {739, 567, kPanelBorder, "list panel, bottom right corner"},
        {690, 150, kPage, "category heading row"},
        {690, 200, kCalculateFill, "the selected tool row"},
        {690, 230, kWhite, "a tool row"},
        {10, 600, kFooter, "footer band"},
        {25, 625, kCalculateFill, "open button"},
        {184, 590, kButtonBorder, "About button border"},
        {190, 625, kWhite, "About button"},
    };
    for (const PixelCheck& check : pixels) ExpectPixel(c, check.x, check.y, check.colour, check.what);
    const TextLook title = {L"Microsoft YaHei UI", -27, FW_BOLD, kWhite, kHeader, 0x8024};
    Expect(c, RegionShowsText(c.app, RECT{26, 12, 496, 50}, kTitle, title), "the header does not show the title");
    const TextLook subtitle = {L"Microsoft YaHei UI", -14, FW_NORMAL, RGB(0xD6, 0xEC, 0xF6), kHeader, 0x8024};
    Expect(c, RegionShowsText(c.app, RECT{28, 48, 734, 76}, WithToolCount(kSubtitle).c_str(), subtitle),
           "the header does not show the number of tools");
    const TextLook web = {L"Microsoft YaHei UI", -12, FW_NORMAL, RGB(0xBE, 0xDC, 0xEB), kHeader, 0x8026};
    Expect(c, RegionShowsText(c.app, RECT{520, 8, 734, 34}, L"www.tolmmed.example", web),
           "the header does not show the web address at the right");
}

const DriverCase kLauncherCases[] = {
    {"launcher_opens_with_every_tool_under_its_category", OpensWithEveryToolUnderItsCategory},
    {"launcher_search_narrows_the_list", SearchNarrowsTheList},
    {"launcher_keys_move_over_tool_rows", KeysMoveOverToolRows},
    {"launcher_escape_clears_the_search", EscapeClearsTheSearch},
    {"launcher_enter_or_double_click_opens_the_tool", EnterOrDoubleClickOpensTheTool},
    {"launcher_missing_program_warns", MissingProgramWarns},
    {"launcher_fits_the_ward_screen", FitsTheWardScreen},
    {"launcher_about_shows_the_suite_texts", AboutShowsTheSuiteTexts},
    {"launcher_paints_the_family_look", PaintsTheFamilyLook},
};

const CaseRegistration registration(kLauncherCases, sizeof kLauncherCases / sizeof kLauncherCases[0],
                                    kLauncherFile);

}  // namespace
