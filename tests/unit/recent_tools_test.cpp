#include "launcher/recent_tools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/tool_search.h"

namespace {

std::vector<std::string> Names(const RecentTools& recent) {
    std::vector<std::string> names;
    for (int i = 0; i < recent.count; ++i) names.push_back(kToolCatalogue[recent.tools[i]].program);
    return names;
}

RecentTools Parsed(const char* text) { return ParseRecentTools(text, kToolCatalogue, kToolCatalogueCount); }

TEST(RecentTools, ReadsKnownNamesOnceEachUpToEight) {
    const struct {
        const char* text;
        std::vector<std::string> names;
    } rows[] = {
        {"", {}},
        {"EGFR\r\nBradenScale\r\n", {"EGFR", "BradenScale"}},
        {"EGFR\nNoSuchTool\nEGFR\n\nBradenScale", {"EGFR", "BradenScale"}},
        {"egfr\r\nEGFR.exe\r\n", {}},
        {"A1\nPeravin\nEGFR\nNews2\nSofa\nNihss\nCaprini\nPainNrs\nMews\nPews\n",
         {"Peravin", "EGFR", "News2", "Sofa", "Nihss", "Caprini", "PainNrs", "Mews"}},
    };
    for (const auto& row : rows) EXPECT_EQ(Names(Parsed(row.text)), row.names) << row.text;
}

TEST(RecentTools, TheToolOpenedGoesFirstAndTheEighthStays) {
    RecentTools recent = Parsed("EGFR\nNews2\nSofa\n");
    const int news2 = recent.tools[1];
    NoteToolOpened(&recent, news2);
    EXPECT_EQ(Names(recent), (std::vector<std::string>{"News2", "EGFR", "Sofa"}));
    recent = Parsed("Peravin\nEGFR\nNews2\nSofa\nNihss\nCaprini\nPainNrs\nMews\n");
    NoteToolOpened(&recent, Parsed("Pews").tools[0]);
    EXPECT_EQ(Names(recent), (std::vector<std::string>{"Pews", "Peravin", "EGFR", "News2", "Sofa", "Nihss", "Caprini",
                                                       "PainNrs"}));
    char text[256];
    ASSERT_TRUE(FormatRecentTools(recent, kToolCatalogue, text, 256));
    EXPECT_EQ(Names(Parsed(text)), Names(recent));
    EXPECT_FALSE(FormatRecentTools(recent, kToolCatalogue, text, 20));
}

TEST(RecentTools, ListedAboveTheCategoriesOnlyWithoutASearch) {
    RecentTools recent = Parsed("EGFR\nNews2\n");
    ToolRow rows[kMaxToolRows];
    int count = BuildLauncherRows(kToolCatalogue, kToolCatalogueCount, kToolCategories, kToolCategoryCount, L"",
                                  recent.tools, recent.count, rows, kMaxToolRows);
    ASSERT_EQ(count, 3 + kToolCatalogueCount + kToolCategoryCount);
    EXPECT_EQ(rows[0].category, kRecentRows);
    EXPECT_FALSE(IsToolRow(rows[0]));
    EXPECT_EQ(rows[1].tool, recent.tools[0]);
    EXPECT_EQ(rows[2].tool, recent.tools[1]);
    EXPECT_NE(rows[3].category, kRecentRows);
    count = BuildLauncherRows(kToolCatalogue, kToolCatalogueCount, kToolCategories, kToolCategoryCount, L"egfr",
                              recent.tools, recent.count, rows, kMaxToolRows);
    EXPECT_EQ(count, 2);
    EXPECT_NE(rows[0].category, kRecentRows);
}

TEST(RecentTools, TheFileLivesInTheSuitesFolder) {
    wchar_t path[kRecentFileCapacity];
    EXPECT_TRUE(FormatRecentFile(path, L"C:\\Users\\nurse\\AppData\\Local"));
    EXPECT_STREQ(path, L"C:\\Users\\nurse\\AppData\\Local\\TolmMedSuite\\recent.txt");
    EXPECT_FALSE(FormatRecentFile(path, L""));
    EXPECT_FALSE(FormatRecentFile(path, std::wstring(kRecentFileCapacity, L'x').c_str()));
    EXPECT_EQ(LoadRecentTools(L"/no/such/folder/recent.txt", kToolCatalogue, kToolCatalogueCount).count, 0);
}

}  // namespace
