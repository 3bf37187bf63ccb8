#include <gtest/gtest.h>

#include <cstdio>

#include "engine/format.h"
#include "engine/platform.h"
#include "report_test_tool.h"
#include "reports/schedules.h"

namespace {

const wchar_t kRosterRule[] = L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。";
const wchar_t kRosterHint[] = L"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。";
const wchar_t kRosterVerdict[] = L"已生成轮转排班表，可复制到排班本或表格";

std::wstring Printed(const wchar_t* format, int a, int b = 0, int c = 0) {
    wchar_t text[128];
    std::swprintf(text, 128, format, a, b, c);
    return text;
}

// Nurse 1 works D, R, N, D ...; nurse 2 N, D, R ...; nurse 3 R, N, D ...;
// nurse 4 starts over like nurse 1.
std::wstring ExpectedRoster(int nurses, int days) {
    const wchar_t* const patterns[] = {L"DRN", L"NDR", L"RND"};
    std::wstring text = Lines({kRosterRule, Printed(L"人员：%d 人；周期：%d 天", nurses, days), L""});
    for (int nurse = 1; nurse <= nurses; ++nurse) {
        text += Printed(L"护士%02d：\r\n  ", nurse);
        for (int day = 1; day <= days; ++day)
            text += std::to_wstring(day) + L"日" + patterns[(nurse - 1) % 3][(day - 1) % 3] + L" ";
        text += L"\r\n";
    }
    return text + Lines({L"", kRosterHint});
}

TEST(NurseRoster, ThreeNursesThreeDays) {
    ReportRun run = RunReportOf(1, {{"nurses", 3}, {"days", 3}});
    EXPECT_EQ(run.text, std::wstring(kRosterRule) +
                            L"\r\n人员：3 人；周期：3 天\r\n\r\n"
                            L"护士01：\r\n  1日D 2日R 3日N \r\n"
                            L"护士02：\r\n  1日N 2日D 3日R \r\n"
                            L"护士03：\r\n  1日R 2日N 3日D \r\n"
                            L"\r\n" +
                            kRosterHint + L"\r\n");
    EXPECT_EQ(run.verdict, kRosterVerdict);
    EXPECT_EQ(run.level, LevelNormal);
}

TEST(NurseRoster, CountsAreBoundedBeforeAnythingIsWritten) {
    const struct {
        const char* name;
        std::vector<ReportInput> inputs;
        int nurses, days;
    } rows[] = {
        {"missing", {}, 1, 1},
        {"zero nurses", {{"nurses", 0}, {"days", 2}}, 1, 2},
        {"negative nurses", {{"nurses", -3}, {"days", 2}}, 1, 2},
        {"2.9 nurses", {{"nurses", 2.9}, {"days", 4}}, 2, 4},
        {"45 days", {{"nurses", 4}, {"days", 45}}, 4, 31},
        {"41 nurses", {{"nurses", 41}, {"days", 1}}, 40, 1},
        {"3e9 nurses is out of range", {{"nurses", 3e9}, {"days", 10}}, 1, 10},
        {"first of two keys", {{"days", 5}, {"nurses", 5}, {"days", 2}}, 5, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ReportRun run = RunReportOf(1, row.inputs);
        EXPECT_EQ(run.text, ExpectedRoster(row.nurses, row.days));
        EXPECT_EQ(run.verdict, kRosterVerdict);
    }
}

TEST(NurseRoster, LargestRosterFitsTheSelfTestBufferAndIsCutInTheWindowBuffer) {
    const std::wstring full = ExpectedRoster(40, 31);
    ReportRun whole = RunReportOf(1, {{"nurses", 40}, {"days", 31}}, 8192);
    EXPECT_EQ(whole.text, full);

    ReportRun cut = RunReportOf(1, {{"nurses", 40}, {"days", 31}}, 4096);
    EXPECT_EQ(cut.text, full.substr(0, 4095));
    EXPECT_EQ(cut.verdict, kRosterVerdict);
    EXPECT_EQ(cut.level, LevelNormal);
    // The cut falls inside the row of nurse 26: after its name line, before its line end.
    size_t nameLine = cut.text.rfind(L"护士");
    EXPECT_EQ(cut.text.substr(nameLine, 7), L"护士26：\r\n");
    EXPECT_EQ(cut.text.find(L"\r\n", nameLine + 7), std::wstring::npos);
    EXPECT_EQ(cut.text.find(kRosterHint), std::wstring::npos);
}

const wchar_t kTimetableNote[] = L"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。\r\n";
const wchar_t kTimetableVerdict[] = L"给药时间表已生成，注意首剂与夜间给药时间";

std::wstring ThirtyEntriesEightHoursApart() {
    std::wstring entries;
    for (int day = 1; day <= 10; ++day)
        for (const wchar_t* time : {L" 00:00", L" 08:00", L" 16:00"})
            entries += (entries.empty() ? L"" : L"  |  ") + Printed(L"第%d天", day) + time;
    return entries;
}

TEST(DosingTimetable, EntriesShareOneLine) {
    const struct {
        const char* name;
        std::vector<ReportInput> inputs;
        std::wstring heading;
        std::wstring entries;
    } rows[] = {
        {"no inputs", {}, L"首剂时间 0:00，间隔 8 小时，共 1 次：", L"第1天 00:00"},
        {"start 8, interval 8, times 3",
         {{"start", 8}, {"interval", 8}, {"times", 3}},
         L"首剂时间 8:00，间隔 8 小时，共 3 次：",
         L"第1天 08:00  |  第1天 16:00  |  第2天 00:00"},
        {"start 22, interval 1.5, times 4",
         {{"start", 22}, {"interval", 1.5}, {"times", 4}},
         L"首剂时间 22:00，间隔 2 小时，共 4 次：",
         L"第1天 22:00  |  第1天 23:30  |  第2天 01:00  |  第2天 02:30"},
        {"start -5, interval -2, times 31",
         {{"start", -5}, {"interval", -2}, {"times", 31}},
         L"首剂时间 0:00，间隔 8 小时，共 30 次：",
         ThirtyEntriesEightHoursApart()},
        {"start 25", {{"start", 25}}, L"首剂时间 25:00，间隔 8 小时，共 1 次：", L"第2天 01:00"},
        {"interval 0, times 2",
         {{"start", 6}, {"interval", 0}, {"times", 2}},
         L"首剂时间 6:00，间隔 8 小时，共 2 次：",
         L"第1天 06:00  |  第1天 14:00"},
        {"minutes are truncated", {{"start", 0.999}}, L"首剂时间 1:00，间隔 8 小时，共 1 次：", L"第1天 00:59"},
        {"quarter hours",
         {{"start", 7.75}, {"interval", 0.25}, {"times", 2.9}},
         L"首剂时间 8:00，间隔 0 小时，共 2 次：",
         L"第1天 07:45  |  第1天 08:00"},
        // The day number is counted in 64 bits, so the last day of the 32-bit range cannot overflow.
        {"day 2147483648",
         {{"start", 2147483647.0 * 24}},
         L"首剂时间 51539607528:00，间隔 8 小时，共 1 次：",
         L"第2147483648天 00:00"},
        {"days beyond the first week",
         {{"start", 23}, {"interval", 24}, {"times", 12}},
         L"首剂时间 23:00，间隔 24 小时，共 12 次：",
         L"第1天 23:00  |  第2天 23:00  |  第3天 23:00  |  第4天 23:00  |  第5天 23:00  |  第6天 23:00  |  "
         L"第7天 23:00  |  第8天 23:00  |  第9天 23:00  |  第10天 23:00  |  第11天 23:00  |  第12天 23:00"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ReportRun run = RunReportOf(2, row.inputs);
        EXPECT_EQ(run.text, row.heading + L"\r\n" + row.entries + L"\r\n" + kTimetableNote);
        EXPECT_EQ(run.verdict, kTimetableVerdict);
        EXPECT_EQ(run.level, LevelNormal);
    }
}

const wchar_t kFollowUpContent[] = L"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。\r\n";
const wchar_t kFollowUpVerdict[] = L"随访计划已生成，可按日期短信提醒患者";

std::wstring FollowUpHeading(int start, int gap, int times) {
    return Printed(L"随访节点（以今天为基准，起始第 %d 天，间隔 %d 天，共 %d 次）：\r\n", start, gap, times);
}

std::wstring Visits(const std::vector<std::wstring>& dates) {
    std::wstring text;
    for (size_t k = 0; k < dates.size(); ++k) text += Printed(L"第 %d 次：", static_cast<int>(k + 1)) + dates[k] + L"\r\n";
    return text;
}

std::vector<std::wstring> JanuaryDays(int count) {
    std::vector<std::wstring> dates;
    for (int day = 1; day <= count; ++day) dates.push_back(Printed(L"2024-01-%02d", day));
    return dates;
}

ReportRun FollowUpOn(int32_t year, int32_t month, int32_t day, const std::vector<ReportInput>& inputs) {
    TestTool tool(7, inputs);
    return RunInGuardedBuffers(8192, 512, [&](wchar_t* text, wchar_t* verdict) {
        return BuildFollowUpPlanOn(DayNumberFromDate(year, month, day), tool.def(), tool.values(), text, 8192,
                                   verdict, 512);
    });
}

TEST(FollowUpPlan, VisitsFollowTheCalendar) {
    const struct {
        const char* name;
        int32_t year, month, day;
        std::vector<ReportInput> inputs;
        int start, gap, times;
        std::vector<std::wstring> dates;
    } rows[] = {
        {"no inputs", 2024, 6, 15, {}, 0, 7, 1, {L"2024-06-15"}},
        {"common year February",
         2023, 2, 27,
         {{"start", 0}, {"gap", 1}, {"times", 3}},
         0, 1, 3,
         {L"2023-02-27", L"2023-02-28", L"2023-03-01"}},
        {"leap day",
         2024, 2, 27,
         {{"start", 1}, {"gap", 1}, {"times", 3}},
         1, 1, 3,
         {L"2024-02-28", L"2024-02-29", L"2024-03-01"}},
        {"century without leap day",
         2100, 2, 28,
         {{"gap", 1}, {"times", 2}},
         0, 1, 2,
         {L"2100-02-28", L"2100-03-01"}},
        {"month end",
         2024, 4, 29,
         {{"gap", 1}, {"times", 3}},
         0, 1, 3,
         {L"2024-04-29", L"2024-04-30", L"2024-05-01"}},
        {"year end",
         2023, 12, 30,
         {{"gap", 1}, {"times", 3}},
         0, 1, 3,
         {L"2023-12-30", L"2023-12-31", L"2024-01-01"}},
        {"start -3 lies in the past",
         2024, 3, 2,
         {{"start", -3}, {"times", 2}},
         -3, 7, 2,
         {L"2024-02-28", L"2024-03-06"}},
        {"gap 0 becomes 7", 2024, 1, 1, {{"gap", 0}, {"times", 2}}, 0, 7, 2, {L"2024-01-01", L"2024-01-08"}},
        {"gap -5 becomes 7", 2024, 1, 1, {{"gap", -5}, {"times", 2}}, 0, 7, 2, {L"2024-01-01", L"2024-01-08"}},
        {"times 25 gives 20", 2024, 1, 1, {{"gap", 1}, {"times", 25}}, 0, 1, 20, JanuaryDays(20)},
        {"times 0 gives 1", 2024, 1, 5, {{"times", 0}, {"start", 2.9}}, 2, 7, 1, {L"2024-01-07"}},
        {"year gap", 2024, 2, 29, {{"gap", 366}, {"times", 2}}, 0, 366, 2, {L"2024-02-29", L"2025-03-01"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ReportRun run = FollowUpOn(row.year, row.month, row.day, row.inputs);
        EXPECT_EQ(run.text, FollowUpHeading(row.start, row.gap, row.times) + Visits(row.dates) + kFollowUpContent);
        EXPECT_EQ(run.verdict, kFollowUpVerdict);
        EXPECT_EQ(run.level, LevelNormal);
    }
}

// Offsets at the ends of the 32-bit range are added in 64 bits.
TEST(FollowUpPlan, FarOffsetsDoNotOverflow) {
    ReportRun run = FollowUpOn(2024, 1, 1, {{"start", 2147483647}, {"gap", 2147483647}, {"times", 20}});
    EXPECT_EQ(run.text.substr(0, run.text.find(L"\r\n") + 2), FollowUpHeading(2147483647, 2147483647, 20));
    run = FollowUpOn(2024, 1, 1, {{"start", -1e10}});
    EXPECT_EQ(run.text.substr(0, run.text.find(L"\r\n") + 2), FollowUpHeading(INT32_MIN, 7, 1));
    EXPECT_EQ(run.verdict, kFollowUpVerdict);
}

std::wstring DateText(const LocalTime& date) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%04d-%02d-%02d", static_cast<int>(date.year), static_cast<int>(date.month),
                  static_cast<int>(date.day));
    return text;
}

TEST(FollowUpPlan, CountsFromTodaysLocalDate) {
    LocalTime before = ReadLocalTime();
    ReportRun run = RunReportOf(7, {{"start", 0}});
    LocalTime after = ReadLocalTime();
    std::wstring expectedBefore = FollowUpHeading(0, 7, 1) + Visits({DateText(before)}) + kFollowUpContent;
    std::wstring expectedAfter = FollowUpHeading(0, 7, 1) + Visits({DateText(after)}) + kFollowUpContent;
    // The date may turn over during the call.
    EXPECT_TRUE(run.text == expectedBefore || run.text == expectedAfter);
    EXPECT_EQ(run.verdict, kFollowUpVerdict);
}

}  // namespace
