#include "tests/support/golden_reports.h"

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <regex>
#include <sstream>

#include "engine/format.h"
#include "shell/command_line.h"
#include "store/selftest_report.h"
#include "tests/support/catalogue_tool.h"
#include "tests/support/test_files.h"

const char kGoldenRewriteCommand[] = "build/native/tests/catalogue golden tests/golden/reports.txt";

namespace {

// The arguments after "--calc PATH", as a user types them: one case each.
struct CalcCases {
    const char* program;
    std::vector<const char*> arguments;
};

const CalcCases kCalcCases[] = {
    {"Peravin", {"w=0", "rate=120 conc=12.5 w=3", "rate=1e308"}},
    {"BodyMassIndex", {"w=80 h=170"}},
    {"BradenScale", {"sp=1 mo=1 ac=1 mb=1 nu=1 fs=1", "sp=3 mo=3 ac=3 mb=3 nu=3 fs=2"}},
    {"Caprini", {"age=3 surg=5 mob=2 rf=2+12+15"}},
    {"NurseRoster",
     {"nurses=3 days=3", "nurses=0 days=2", "nurses=2.9 days=4", "nurses=41 days=45", "nurses=3e9 days=10"}},
    {"DosingTimetable",
     {"start=22 interval=1.5 times=4", "start=-5 interval=-2 times=31", "start=0.999",
      "start=7.75 interval=0.25 times=2.9", "start=51539607528 times=1", "start=23 interval=24 times=12",
      "start=1e300 interval=1e300 times=30"}},
    {"BloodCollectionOrder", {"kind=2", "kind=3", "kind=4", "kind=5", "kind=6", "kind=0"}},
    {"CriticalValues", {"kind=2", "kind=3", "kind=4", "kind=5", "kind=6", "kind=0"}},
    {"HighAlertDrugs", {"kind=2", "kind=3", "kind=0"}},
    {"CompatibilityCheck",
     {"drugA=2 drugB=9", "drugA=9 drugB=2", "drugA=6 drugB=3", "drugA=3 drugB=9", "drugA=10 drugB=4", "drugA=5 drugB=9",
      "drugA=7 drugB=6", "drugA=8 drugB=1", "drugA=8 drugB=8"}},
    {"FollowUpPlan",
     {"start=-3 times=2", "gap=0 times=2", "gap=-5 times=2", "start=0 gap=1 times=25", "start=2.9 times=0",
      "start=0 gap=366 times=2", "start=2147483647 gap=2147483647 times=20", "start=-1e10 times=1"}},
    {"HandoverTemplate", {"beds=0", "beds=7.9", "beds=45", "beds=3e9"}},
    {"InfusionCard", {"bed=-4 dose=-1.234 volume=-99.7 gtt=-12", "bed=12.6 dose=0.125001 gtt=33.3", "gtt=0.1"}},
    {"LabPanels", {"panel=2", "panel=3", "panel=4", "panel=5", "panel=0"}},
};

// Each date "[-]YYYY-MM-DD" of text (four year digits at least, not after
// another digit) as its distance from today: {today+7}.
std::wstring DatesFromToday(const std::wstring& text, DayNumber today) {
    static const std::wregex kDate(L"(^|[^0-9])(-?[0-9]{4,})-([0-9]{2})-([0-9]{2})");
    std::wstring marked;
    std::wstring::const_iterator rest = text.begin();
    for (std::wsregex_iterator date(text.begin(), text.end(), kDate), end; date != end; ++date) {
        const DayNumber offset =
            DayNumberFromDate(static_cast<int32_t>(std::stoll(date->str(2))), std::stoi(date->str(3)),
                              std::stoi(date->str(4))) -
            today;
        wchar_t mark[48];
        std::swprintf(mark, 48, L"{today%+lld}", static_cast<long long>(offset));
        marked += date->prefix().str() + date->str(1) + mark;
        rest = (*date)[0].second;
    }
    return marked + std::wstring(rest, text.end());
}

// A report's "\r\n" as "\n"; a lone CR or LF stays visible.
std::string GoldenLines(const std::string& report) {
    std::string lines;
    for (size_t i = 0; i < report.size(); ++i) {
        if (report.compare(i, 2, "\r\n") == 0) {
            lines += '\n';
            ++i;
        } else if (report[i] == '\r' || report[i] == '\n') {
            lines += report[i] == '\r' ? "\\r" : "\\n";
        } else {
            lines += report[i];
        }
    }
    return lines;
}

DayNumber Today() {
    LocalTime now = ReadLocalTime();
    return DayNumberFromDate(now.year, now.month, now.day);
}

// The report of one case, or why there is none.
std::wstring CaseReport(const char* program, const char* arguments) {
    static wchar_t report[kSelfTestReportCapacity];
    const ToolDef* tool = FindCatalogueTool(program);
    if (!tool) return L"NO SUCH PROGRAM\r\n";
    if (!arguments) {
        BuildSelfTestReport(*tool, report);
        return report;
    }
    std::wstring line = L"X.exe --calc r.txt ";
    line.append(arguments, arguments + std::strlen(arguments));
    static CalcRequest request;
    CalcCommand command = ParseCalcCommand(line.c_str(), *tool, &request);
    if (command != CalcAccepted) return L"REFUSED " + std::to_wstring(command) + L"\r\n";
    BuildCalcReport(*tool, request.inputValues, report);
    return report;
}

std::string GoldenCase(const char* program, const char* arguments) {
    std::string heading = std::string("== ") + program + (arguments ? std::string(" --calc ") + arguments : " --selftest");
    DayNumber today = Today();
    std::wstring report = CaseReport(program, arguments);
    // The one report whose dates are counted from today.
    if (std::strcmp(program, "FollowUpPlan") == 0) {
        // A report made across midnight is made again.
        if (Today() != today) {
            today = Today();
            report = CaseReport(program, arguments);
        }
        report = DatesFromToday(report, today);
    }
    return heading + "\n" + GoldenLines(Utf8Of(report));
}

}  // namespace

std::string GoldenReports() {
    std::string text;
    for (int t = 0; t < kToolCatalogueCount; ++t) text += GoldenCase(kToolCatalogue[t].program, nullptr);
    for (const CalcCases& c : kCalcCases)
        for (const char* arguments : c.arguments) text += GoldenCase(c.program, arguments);
    return text;
}

std::string FirstGoldenDifference(const std::string& golden, const std::string& made) {
    if (golden == made) return "";
    std::istringstream expected(golden), actual(made);
    std::string heading;
    for (int l = 1;; ++l) {
        std::string e, a;
        const bool moreGolden = static_cast<bool>(std::getline(expected, e));
        const bool moreMade = static_cast<bool>(std::getline(actual, a));
        if (!moreGolden) e = "(end)";
        if (!moreMade) a = "(end)";
        if (e.rfind("== ", 0) == 0) heading = e;
        if ((moreGolden || moreMade) && e == a) continue;
        return heading + "\n  line " + std::to_string(l) + " golden: " + e + "\n  line " + std::to_string(l) +
               " made:   " + a;
    }
}
