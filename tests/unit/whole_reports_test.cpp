// Every report tool of the catalogue, at the inputs that make its report
// longest, reaches the result box, the clipboard and the self-test whole.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "reports/report.h"
#include "shell/shell_texts.h"
#include "store/selftest_report.h"
#include "tests/support/catalogue_tool.h"

namespace {

// Counts at their bounds, numbers at their widest, the longest selector row;
// the other inputs keep their defaults.
const std::map<std::string, const char*> kLargestInputs = {
    {"NurseRoster", "nurses=40 days=31"},
    {"DosingTimetable", "start=1e300 interval=1e300 times=30"},
    {"BloodCollectionOrder", "kind=5"},
    {"CriticalValues", "kind=1"},
    {"HighAlertDrugs", "kind=4"},
    {"CompatibilityCheck", "drugA=-2147483648 drugB=-2147483648"},
    {"FollowUpPlan", "start=-2147483648 gap=2147483647 times=20"},
    {"SurgicalChecklist", ""},
    {"HandoverTemplate", "beds=30"},
    {"InfusionCard", "bed=-2147483648 dose=-1.7e308 volume=-1.7e308 gtt=-5e307"},
    {"LabPanels", "panel=2"},
};

// The DETAIL field as the self-test writes it: no carriage returns, line
// feeds as spaces.
std::wstring Flattened(const std::wstring& text) {
    std::wstring flat;
    for (wchar_t c : text)
        if (c != L'\r') flat += c == L'\n' ? L' ' : c;
    return flat;
}

std::wstring DetailOf(const std::wstring& report) {
    size_t start = report.find(L"\r\nDETAIL|");
    if (start == std::wstring::npos) return L"(no DETAIL line)";
    start += 9;
    return report.substr(start, report.find(L"\r\n", start) - start);
}

TEST(WholeReports, ResultBoxClipboardAndSelfTestHoldTheWholeReport) {
    constexpr int kRoomy = 1 << 16;
    static wchar_t whole[kRoomy], copy[kCopyTextCapacity];
    static CalculationResult run;
    static wchar_t selfTest[kSelfTestReportCapacity];
    wchar_t verdict[kVerdictTextCapacity];
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        if (!IsReportTool(tool)) continue;
        SCOPED_TRACE(kToolCatalogue[t].program);
        const auto largest = kLargestInputs.find(kToolCatalogue[t].program);
        ASSERT_NE(largest, kLargestInputs.end()) << "no row of largest inputs";
        const std::vector<double> values = InputValues(tool, largest->second);
        RunReport(tool, values.data(), whole, kRoomy, verdict, kVerdictTextCapacity);
        const std::wstring report = whole;

        Calculate(tool, values.data(), &run);
        EXPECT_EQ(std::wstring(run.resultText), report) << "result box";
        const bool noneChecked[kMaxInputChoices] = {};
        BuildCopyText(tool, values.data(), noneChecked, run, LocalTime{}, copy, kCopyTextCapacity);
        EXPECT_NE(std::wstring(copy).find(L"\r\n" + report + L"\x2014\x2014 " + verdict), std::wstring::npos)
            << "clipboard";
        // The self-test's report with its IN lines, which take room too.
        BuildCalcReport(tool, values.data(), selfTest);
        EXPECT_EQ(DetailOf(selfTest), Flattened(report)) << "report DETAIL";
    }
}

}  // namespace
