#include "reports/schedules.h"

#include <algorithm>
#include <cmath>

#include "engine/platform.h"
#include "engine/text.h"
#include "reports/report.h"

namespace {

const wchar_t kRosterRule[] = L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。";
const wchar_t kRosterHint[] = L"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。";
const wchar_t kRosterVerdict[] = L"已生成轮转排班表，可复制到排班本或表格";
// Indexed by (nurse + 2 * day) mod 3: day shift, night shift, rest.
const wchar_t kShiftLetters[] = L"DNR";

const wchar_t kTimetableNote[] = L"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。";
const wchar_t kTimetableVerdict[] = L"给药时间表已生成，注意首剂与夜间给药时间";

const wchar_t kFollowUpContent[] = L"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。";
const wchar_t kFollowUpVerdict[] = L"随访计划已生成，可按日期短信提醒患者";

constexpr int32_t kMaxNurses = 40;
constexpr int32_t kMaxRosterDays = 31;
constexpr int32_t kMaxDoses = 30;
constexpr int32_t kMaxVisits = 20;
constexpr int32_t kDefaultDoseInterval = 8;
constexpr int32_t kDefaultVisitGap = 7;

constexpr int kNameCapacity = 12;
constexpr int kDateCapacity = 32;

void AppendRosterRow(wchar_t* text, int32_t capacity, int32_t nurse, int32_t days) {
    wchar_t name[kNameCapacity];
    FormatCut(name, kNameCapacity, L"护士%02d", nurse + 1);
    AppendLine(text, capacity, L"%ls：", name);
    AppendCut(text, capacity, L"  ");
    for (int32_t day = 0; day < days; ++day)
        AppendFormatCut(text, capacity, L"%d日%c ", day + 1, static_cast<int>(kShiftLetters[(nurse + 2 * day) % 3]));
    AppendCut(text, capacity, L"\r\n");
}

// One dose the given hours after midnight of day 1: "第1天 08:00".
void AppendDoseEntry(wchar_t* text, int32_t capacity, double hours) {
    double hourOfDay = std::fmod(hours, 24.0);
    int32_t hour = ToInt32(hourOfDay);
    int32_t minute = ToInt32((hourOfDay - hour) * 60);
    // 64 bits, so that hours beyond any sensible input cannot overflow the day.
    long long day = 1LL + ToInt32(hours / 24);
    AppendFormatCut(text, capacity, L"第%lld天 %02d:%02d", day, hour, minute);
}

}  // namespace

int32_t BuildNurseRoster(const ToolDef& tool, const double* values, wchar_t* resultText,
                         int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    int32_t nurses = std::clamp(ToInt32(FindInput(tool, values, "nurses")), 1, kMaxNurses);
    int32_t days = std::clamp(ToInt32(FindInput(tool, values, "days")), 1, kMaxRosterDays);
    AppendFixedLine(resultText, resultCapacity, kRosterRule);
    AppendLine(resultText, resultCapacity, L"人员：%d 人；周期：%d 天", nurses, days);
    AppendFixedLine(resultText, resultCapacity, L"");
    for (int32_t nurse = 0; nurse < nurses; ++nurse) AppendRosterRow(resultText, resultCapacity, nurse, days);
    AppendFixedLine(resultText, resultCapacity, L"");
    AppendFixedLine(resultText, resultCapacity, kRosterHint);
    CopyCut(verdictText, verdictCapacity, kRosterVerdict);
    return LevelNormal;
}

int32_t BuildDosingTimetable(const ToolDef& tool, const double* values, wchar_t* resultText,
                             int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    double start = FindInput(tool, values, "start");
    double interval = FindInput(tool, values, "interval");
    int32_t times = std::clamp(ToInt32(FindInput(tool, values, "times")), 1, kMaxDoses);
    if (!(start > 0)) start = 0;
    if (!(interval > 0)) interval = kDefaultDoseInterval;
    AppendLine(resultText, resultCapacity, L"首剂时间 %.0f:00，间隔 %.0f 小时，共 %d 次：", start, interval, times);
    for (int32_t j = 0; j < times; ++j) {
        AppendDoseEntry(resultText, resultCapacity, j * interval + start);
        if (j + 1 < times) AppendCut(resultText, resultCapacity, L"  |  ");
    }
    AppendCut(resultText, resultCapacity, L"\r\n");
    AppendFixedLine(resultText, resultCapacity, kTimetableNote);
    CopyCut(verdictText, verdictCapacity, kTimetableVerdict);
    return LevelNormal;
}

int32_t BuildFollowUpPlanOn(DayNumber today, const ToolDef& tool, const double* values, wchar_t* resultText,
                            int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    int32_t start = ToInt32(FindInput(tool, values, "start"));
    int32_t gap = ToInt32(FindInput(tool, values, "gap"));
    int32_t times = std::clamp(ToInt32(FindInput(tool, values, "times")), 1, kMaxVisits);
    if (gap < 1) gap = kDefaultVisitGap;
    AppendLine(resultText, resultCapacity, L"随访节点（以今天为基准，起始第 %d 天，间隔 %d 天，共 %d 次）：", start,
               gap, times);
    wchar_t date[kDateCapacity];
    for (int32_t visit = 1; visit <= times; ++visit) {
        DayNumber day = today + start + static_cast<DayNumber>(visit - 1) * gap;
        FormatDayNumber(day, date, kDateCapacity);
        AppendLine(resultText, resultCapacity, L"第 %d 次：%ls", visit, date);
    }
    AppendFixedLine(resultText, resultCapacity, kFollowUpContent);
    CopyCut(verdictText, verdictCapacity, kFollowUpVerdict);
    return LevelNormal;
}

int32_t BuildFollowUpPlan(const ToolDef& tool, const double* values, wchar_t* resultText,
                          int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    LocalTime now = ReadLocalTime();
    return BuildFollowUpPlanOn(DayNumberFromDate(now.year, now.month, now.day), tool, values, resultText,
                               resultCapacity, verdictText, verdictCapacity);
}
