#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/text.h"
#include "report_test_tool.h"
#include "reports/bedside.h"
#include "reports/compatibility.h"
#include "reports/fixed_reports.h"
#include "reports/report.h"
#include "reports/schedules.h"

namespace {

const wchar_t kNoReportText[] = L"（该工具暂无自定义报告）";
const wchar_t kNoReportVerdict[] = L"暂无报告内容";

TEST(RunReport, KindsWithoutGeneratorGiveTheFallback) {
    const int32_t kinds[] = {0, -1, 12, 13, INT32_MIN, INT32_MAX};
    for (int32_t kind : kinds) {
        SCOPED_TRACE(kind);
        ReportRun run = RunReportOf(kind, {{"kind", 1}});
        EXPECT_EQ(run.text, kNoReportText);
        EXPECT_EQ(run.verdict, kNoReportVerdict);
        EXPECT_EQ(run.level, LevelNormal);
    }
}

TEST(RunReport, FallbackIsCutAtSmallCapacities) {
    ReportRun run = RunReportOf(12, {}, 5, 3);
    EXPECT_EQ(run.text, L"（该工具");
    EXPECT_EQ(run.verdict, L"暂无");
    run = RunReportOf(-1, {}, 1, 1);
    EXPECT_EQ(run.text, L"");
    EXPECT_EQ(run.verdict, L"");
}

struct KindRow {
    int32_t kind;
    ReportGenerator generator;
    const wchar_t* verdict;
    int32_t level;
};

// Inputs that every generator reads, so that each one writes something of its own.
const std::vector<ReportInput> kEveryInput = {
    {"nurses", 2}, {"days", 3}, {"start", 9},  {"interval", 6}, {"times", 2}, {"kind", 2},   {"drugA", 2},
    {"drugB", 1},  {"gap", 3},  {"beds", 2},   {"bed", 5},      {"dose", 1},  {"volume", 50}, {"gtt", 20},
    {"panel", 3},
};

TEST(RunReport, EachKindReachesItsGenerator) {
    const KindRow rows[] = {
        {1, BuildNurseRoster, L"已生成轮转排班表，可复制到排班本或表格", 0},
        {2, BuildDosingTimetable, L"给药时间表已生成，注意首剂与夜间给药时间", 0},
        {3, BuildBloodCollectionOrder, L"按标准顺序采血可减少溶血与交叉污染", 0},
        {4, BuildCriticalValues, L"危急值必须闭环：报告、接收、处理、记录", 0},
        {5, BuildHighAlertDrugs, L"高警示药品须专区、专标识、双人核对", 0},
        {6, BuildCompatibilityCheck, L"禁忌：不可同瓶输注，需间隔冲管", 3},
        {7, BuildFollowUpPlan, L"随访计划已生成，可按日期短信提醒患者", 0},
        {8, BuildSurgicalChecklist, L"三方核查缺一不可，签字后归档", 0},
        {9, BuildHandoverTemplate, L"模板已生成，床旁交接并双方签名", 0},
        {10, BuildInfusionCard, L"输液卡已生成，双人核对后执行", 0},
        {11, BuildLabPanels, L"套餐与采血管已列出，按顺序采血", 0},
    };
    TestTool tool(0, kEveryInput);
    for (const KindRow& row : rows) {
        SCOPED_TRACE(row.kind);
        ReportRun dispatched = RunReportOf(row.kind, kEveryInput);
        ReportRun direct = RunInGuardedBuffers(8192, 512, [&](wchar_t* text, wchar_t* verdict) {
            return row.generator(tool.def(), tool.values(), text, 8192, verdict, 512);
        });
        EXPECT_EQ(dispatched.text, direct.text);
        EXPECT_NE(dispatched.text, kNoReportText);
        EXPECT_EQ(dispatched.verdict, row.verdict);
        EXPECT_EQ(dispatched.level, row.level);
    }
}

TEST(RunReport, StartsFromEmptyTexts) {
    TestTool tool(8, {});
    wchar_t text[2048];
    wchar_t verdict[512];
    CopyCut(text, 2048, L"上一次的结果");
    CopyCut(verdict, 512, L"上一次的结论");
    RunReport(8, tool.def(), tool.values(), text, 2048, verdict, 512);
    ReportRun fresh = RunReportOf(8, {});
    EXPECT_EQ(std::wstring(text), fresh.text);
    EXPECT_EQ(std::wstring(verdict), fresh.verdict);
}

struct FindInputRow {
    const char* name;
    std::vector<ReportInput> inputs;
    const char* key;
    double expected;
};

TEST(FindInput, FirstExactKeyWinsAndMissingIsZero) {
    const FindInputRow rows[] = {
        {"no inputs", {}, "kind", 0},
        {"present", {{"beds", 4}, {"kind", 2.5}}, "kind", 2.5},
        {"first of two", {{"kind", 3}, {"kind", 1}}, "kind", 3},
        {"case-sensitive", {{"Kind", 3}}, "kind", 0},
        {"no prefix match", {{"kinds", 3}, {"kin", 4}}, "kind", 0},
        {"absent among others", {{"drugA", 5}}, "drugB", 0},
    };
    for (const FindInputRow& row : rows) {
        SCOPED_TRACE(row.name);
        TestTool tool(0, row.inputs);
        EXPECT_EQ(FindInput(tool.def(), tool.values(), row.key), row.expected);
    }
}

TEST(ToInt32, TruncatesTowardZeroAndMarksEverythingOutOfRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double x;
        int32_t expected;
    } rows[] = {
        {0, 0},
        {1.9, 1},
        {-0.7, 0},
        {-1.9, -1},
        {2147483647.0, 2147483647},
        {2147483647.9, 2147483647},
        {2147483648.0, INT32_MIN},
        {-2147483648.0, INT32_MIN},
        {-2147483648.9, INT32_MIN},
        {-2147483649.0, INT32_MIN},
        {-2147483647.5, -2147483647},
        {3e9, INT32_MIN},
        {-3e9, INT32_MIN},
        {inf, INT32_MIN},
        {-inf, INT32_MIN},
        {std::nan(""), INT32_MIN},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(ToInt32(row.x), row.expected);
    }
}

struct AppendLineRow {
    const char* name;
    int32_t capacity;
    const wchar_t* before;
    const wchar_t* line;  // appended as AppendLine(text, capacity, L"第%d行%ls", 1, line)
    const wchar_t* expected;
};

TEST(AppendLine, CutsAtTheCapacity) {
    const AppendLineRow rows[] = {
        {"fits", 16, L"ab", L"", L"ab第1行\r\n"},
        {"fits exactly", 8, L"ab", L"", L"ab第1行\r\n"},
        {"one character of room gets \\r alone", 7, L"ab", L"", L"ab第1行\r"},
        {"line fills the text", 6, L"ab", L"", L"ab第1行"},
        {"line cut", 5, L"ab", L"", L"ab第1"},
        {"full text stays unchanged", 3, L"ab", L"", L"ab"},
        {"capacity 1", 1, L"", L"", L""},
        {"empty text", 4, L"", L"", L"第1行"},
        {"argument text", 32, L"", L"：10%", L"第1行：10%\r\n"},
    };
    for (const AppendLineRow& row : rows) {
        SCOPED_TRACE(row.name);
        ReportRun run = RunInGuardedBuffers(row.capacity, 1, [&](wchar_t* text, wchar_t*) {
            CopyCut(text, row.capacity, row.before);
            AppendLine(text, row.capacity, L"第%d行%ls", 1, row.line);
            return 0;
        });
        EXPECT_EQ(run.text, row.expected);
    }
}

TEST(AppendLine, PercentSignsFollowTheFormat) {
    ReportRun run = RunInGuardedBuffers(64, 1, [](wchar_t* text, wchar_t*) {
        AppendLine(text, 64, L"SpO2＿%%；%02d", 7);
        AppendFixedLine(text, 64, L"10% 氯化钾、25% 硫酸镁 %d %ls");
        AppendFixedLine(text, 64, L"");
        AppendLine(text, 64, L"");
        return 0;
    });
    EXPECT_EQ(run.text, L"SpO2＿%；07\r\n10% 氯化钾、25% 硫酸镁 %d %ls\r\n\r\n\r\n");
}

TEST(AppendLine, LongLineIsCutToItsFirst511Characters) {
    const std::wstring longLine(600, L'床');
    const std::wstring fits(511, L'床');
    const struct {
        const char* name;
        bool fixedLine;
        std::wstring line;
        std::wstring expected;
    } rows[] = {
        {"formatted", false, longLine, fits + L"\r\n"},
        {"fixed", true, longLine, fits + L"\r\n"},
        {"exactly 511", false, fits, fits + L"\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ReportRun run = RunInGuardedBuffers(2048, 1, [&](wchar_t* text, wchar_t*) {
            if (row.fixedLine)
                AppendFixedLine(text, 2048, row.line.c_str());
            else
                AppendLine(text, 2048, L"%ls", row.line.c_str());
            return 0;
        });
        EXPECT_EQ(run.text, row.expected);
    }
}

}  // namespace
