#include "launcher/tool_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> MatchingPrograms(const wchar_t* query) {
    std::vector<std::string> programs;
    for (int t = 0; t < kToolCatalogueCount; ++t)
        if (ToolMatches(kToolCatalogue[t], query)) programs.push_back(kToolCatalogue[t].program);
    return programs;
}

std::vector<std::string> EveryProgram() {
    std::vector<std::string> programs;
    for (int t = 0; t < kToolCatalogueCount; ++t) programs.push_back(kToolCatalogue[t].program);
    return programs;
}

using Programs = std::vector<std::string>;

TEST(ToolMatches, FindsTheSuitesToolsAsAWardUserTypes) {
    struct Row {
        const wchar_t* query;
        Programs expected;
    };
    const Row rows[] = {
        // A fragment of the Chinese title.
        {L"体表", {"BodySurfaceArea"}},
        {L"体质指数", {"BodyMassIndex", "PaduaScore"}},
        // Abbreviations in any case, also typed full-width (a label that
        // names one finds its tool too).
        {L"BMI", {"BodyMassIndex", "PaduaScore"}},
        {L"bmi", {"BodyMassIndex", "PaduaScore"}},
        {L"Bmi", {"BodyMassIndex", "PaduaScore"}},
        {L"\xFF22\xFF2D\xFF29", {"BodyMassIndex", "PaduaScore"}},
        {L"gir", {"Peravin", "GlucoseInfusionTotal", "GlucoseTargetRate"}},
        {L"QTC", {"CorrectedQT"}},
        {L"gcs", {"GlasgowComaScale", "QSofa", "Sofa"}},
        {L"news2", {"News2"}},
        {L"ckdepi", {"EGFR"}},
        // Pinyin initials of the title.
        {L"tzzs", {"BodyMassIndex"}},
        {L"TZZS", {"BodyMassIndex"}},
        {L"ycq", {"DueDate"}},
        // The program name.
        {L"bodysurface", {"BodySurfaceArea"}},
        {L"MeldScore", {"MeldScore"}},
        // ... with or without ".exe".
        {L"bodymassindex.EXE", {"BodyMassIndex"}},
        {L"CorrectedQT.exe", {"CorrectedQT"}},
        // Full pinyin of the title.
        {L"tizhong gusuan", {"ChildWeight"}},
        {L"tengtong", {"FlaccPain", "CpotPain", "PainNrs"}},
        // The words of the inputs' labels.
        {L"肌酐 ckd", {"EGFR"}},
        {L"镇静", {"HumptyDumpty", "RassSedation"}},
        {L"rass", {"RassSedation"}},
        // The category.
        {L"肝功能", {"ChildPugh", "MeldScore", "HasBled", "LiverFibrosis", "ImproveBleeding"}},
        // Every term must match, whichever space parts them.
        {L"体重 儿", {"ChildWeight", "ChildDose", "DehydrationFluid"}},
        {L"体重\x3000儿", {"ChildWeight", "ChildDose", "DehydrationFluid"}},
        {L"  gir  ", {"Peravin", "GlucoseInfusionTotal", "GlucoseTargetRate"}},
        {L"bmi 儿", {}},
        {L"zzzz", {}},
    };
    for (const Row& row : rows) EXPECT_EQ(MatchingPrograms(row.query), row.expected) << std::wstring(row.query).size();
}

TEST(ToolMatches, QueryWithoutTermsListsEveryTool) {
    for (const wchar_t* query : {L"", L" ", L"\x3000\t", static_cast<const wchar_t*>(nullptr)}) {
        EXPECT_FALSE(HasSearchTerms(query));
        EXPECT_EQ(MatchingPrograms(query), EveryProgram());
    }
    for (const wchar_t* query : {L"a", L" \x3000" L"b", L"\x4F53"}) EXPECT_TRUE(HasSearchTerms(query));
}

extern const ToolDef kToolA1, kToolB1, kToolB2, kToolOther;
const ToolDef kToolA1 = {.id = 1, .title = L"甲一", .category = L"甲", .basis = L""};
const ToolDef kToolB1 = {.id = 2, .title = L"乙一", .category = L"乙", .basis = L""};
const ToolDef kToolB2 = {.id = 3, .title = L"乙二", .category = L"乙", .basis = L""};
const ToolDef kToolOther = {.id = 4, .title = L"丁一", .category = L"丁", .basis = L""};
// List order differs from category order.
const CatalogueEntry kEntries[] = {
    {"B1", &kToolB1, L"yy"}, {"A1", &kToolA1, L"jy"}, {"B2", &kToolB2, L"ye"}, {"Other", &kToolOther, L"dy"}};
const wchar_t* const kCategories[] = {L"甲", L"乙", L"丙"};

struct RowsCase {
    const wchar_t* query;
    int capacity;
    std::vector<std::pair<int, int>> rows;  // category, tool
};

TEST(BuildToolRows, HeadsEachCategoryInOrderWithItsMatchingTools) {
    const RowsCase cases[] = {
        {L"", 16, {{0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 2}}},
        {L"二", 16, {{1, -1}, {1, 2}}},
        {L"YY", 16, {{1, -1}, {1, 0}}},
        {L"丁", 16, {}},
        {L"x", 16, {}},
        // Cut at the capacity, never leaving a heading without a tool.
        {L"", 5, {{0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 2}}},
        {L"", 4, {{0, -1}, {0, 1}, {1, -1}, {1, 0}}},
        {L"", 3, {{0, -1}, {0, 1}}},
        {L"", 1, {}},
        {L"", 0, {}},
    };
    for (const RowsCase& c : cases) {
        ToolRow rows[16];
        int count = BuildToolRows(kEntries, 4, kCategories, 3, c.query, rows, c.capacity);
        std::vector<std::pair<int, int>> got;
        for (int r = 0; r < count; ++r) got.emplace_back(rows[r].category, rows[r].tool);
        EXPECT_EQ(got, c.rows) << "capacity " << c.capacity;
    }
}

// Heading, tool, tool, heading, tool.
const ToolRow kRows[] = {{0, -1}, {0, 1}, {0, 2}, {1, -1}, {1, 3}};

TEST(StepToolRow, PassesOverHeadingsAndStopsAtTheEnds) {
    struct Row {
        int from, step, expected;
    };
    const Row rows[] = {
        {1, 1, 2}, {2, 1, 4}, {4, 1, 4}, {4, -1, 2}, {2, -1, 1}, {1, -1, 1}, {-1, 1, 1}, {-1, -1, 1}, {9, 1, 1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(StepToolRow(kRows, 5, row.from, row.step), row.expected) << row.from << " " << row.step;
    EXPECT_EQ(StepToolRow(kRows, 0, -1, 1), -1);
}

TEST(NearestToolRow, TakesTheToolUnderAHeadingOrTheLastOneBefore) {
    struct Row {
        const ToolRow* rows;
        int count, index, expected;
    };
    const ToolRow trailingHeading[] = {{0, -1}, {0, 1}, {1, -1}};
    const Row rows[] = {
        {kRows, 5, 0, 1}, {kRows, 5, 2, 2}, {kRows, 5, 3, 4}, {kRows, 5, -3, 1},
        {trailingHeading, 3, 2, 1}, {trailingHeading, 3, 7, 1}, {kRows, 1, 0, -1}, {kRows, 0, 0, -1},
    };
    for (const Row& row : rows) EXPECT_EQ(NearestToolRow(row.rows, row.count, row.index), row.expected) << row.index;
}

}  // namespace
