// The constant record that makes this program one particular clinical tool.
//
// Each tool is one file of engine/tools/ that the build also reads as text
// (cmake/tool_list.cmake, cmake/program_texts.cmake), so three of its lines
// keep their form: "extern const ToolDef kSomeTool = {" at the start of a
// line, with the symbol that engine/tool_list.h names; and
// "    .title = L\"...\"," and "    .category = L\"...\",", four spaces in,
// one line each, with no quote or backslash inside the text. The package
// list and each program's version record take the title and the category
// from those lines.
#pragma once

#include <cstdint>

// The numbers of the suite's first eleven report kinds; each of their tools
// carries its number beside its generator (ToolDef::report). A new report
// needs no number.
enum ReportKind : int32_t {
    ReportNone = 0,
    ReportNurseRoster = 1,
    ReportDosingTimetable = 2,
    ReportBloodCollectionOrder = 3,
    ReportCriticalValues = 4,
    ReportHighAlertDrugs = 5,
    ReportCompatibilityCheck = 6,
    ReportFollowUpPlan = 7,
    ReportSurgicalSafetyChecklist = 8,
    ReportHandoverTemplate = 9,
    ReportInfusionCard = 10,
    ReportLabPanels = 11,
};

enum ResultLevel : int32_t {
    LevelNormal = 0,
    LevelNotice = 1,
    LevelWarning = 2,
    LevelDanger = 3,
};

constexpr int kMaxInputs = 16;
// The most choices one input offers (a checklist holds the most).
constexpr int kMaxInputChoices = 64;
constexpr int kMaxOutputs = 16;
constexpr int kMaxKeyLength = 63;

enum TodayPart : int32_t {
    TodayNone = 0,
    TodayYear = 1,
    TodayMonth = 2,
    TodayDay = 3,
};

// One level of a categorical input: the value formulas see, and the
// clinical wording a user chooses it by.
struct InputChoice {
    double value;
    const wchar_t* label;
};

struct InputField {
    const char* key;
    const wchar_t* label;
    const wchar_t* unit;  // may be null
    double defaultValue;
    // A choice input offers its levels instead of a number box: the value is
    // the chosen one's. None (0, null): a number box.
    int32_t choiceCount = 0;
    const InputChoice* choices = nullptr;
    // 1: a checklist; any number of its choices checked, the value is their
    // sum (values may repeat) and the default 0, nothing checked. At most one
    // per tool, as its last input.
    int32_t multiSelect = 0;
    // The accepted range, bounds included; both 0: any number is taken.
    double minValue = 0;
    double maxValue = 0;
    // 1: a measurement of this patient (weight, age, a laboratory value),
    // never a stranger's default.
    int32_t patientValue = 0;
    // The part of today's local date the window opens with (the self-test
    // and the command line keep the default).
    int32_t todayPart = TodayNone;
};

struct OutputField {
    const char* key;
    const wchar_t* label;
    const wchar_t* unit;    // may be null
    const char* formula;
    const char* format;     // a code of FormatValue (engine/format.h); may be null: "f2"
};

struct VerdictRule {
    const char* condition;  // a formula; the rule applies when it is not 0 ("1": always)
    int32_t level;
    const wchar_t* verdict;
    // What to do next and when to assess again; may be null.
    const wchar_t* advice = nullptr;
};

struct ToolDef;

// A report's generator: the tool, one input value per input, the result text
// and the verdict text with their capacities (terminator included); both
// texts arrive empty. Returns the ResultLevel. The line rules all reports
// share are in reports/report.h.
typedef int32_t (*ReportGenerator)(const ToolDef& tool, const double* values, wchar_t* resultText,
                                   int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity);

// Written with designated initializers (.id = ..., .title = ...); what a tool
// leaves out is absent (null), zero or ReportNone.
struct ToolDef {
    int32_t id;
    const wchar_t* title;
    const wchar_t* subtitle = nullptr;
    const wchar_t* category;
    const wchar_t* basis;
    const wchar_t* note = nullptr;
    int32_t inputCount = 0;
    const InputField* inputs = nullptr;
    int32_t outputCount = 0;
    const OutputField* outputs = nullptr;
    int32_t ruleCount = 0;
    const VerdictRule* rules = nullptr;
    int32_t reportKind = ReportNone;
    // A report tool's generator: it writes the result text instead of the
    // outputs and rules.
    ReportGenerator report = nullptr;
    // 1: the copy command puts the title, the result and the verdict only,
    // as the suite's first tool always has; otherwise the copy also says when
    // and from which inputs the result came.
    int32_t copyResultOnly = 0;
};

// A report tool writes a generated text: it names its generator, or carries
// a report kind (one without a generator gets the fixed no-report text).
inline bool IsReportTool(const ToolDef& tool) { return tool.report || tool.reportKind != ReportNone; }

// The inputs the window and the commands read: at most kMaxInputs.
inline int InputRowCount(const ToolDef& tool) { return tool.inputCount < kMaxInputs ? tool.inputCount : kMaxInputs; }

// The index of the choice with this value, or -1.
inline int ChoiceIndexOf(const InputField& input, double value) {
    for (int c = 0; c < input.choiceCount; ++c)
        if (input.choices[c].value == value) return c;
    return -1;
}

// The number of entries of a constant table, as a ToolDef count.
template <typename T, int32_t N>
constexpr int32_t CountOf(const T (&)[N]) {
    return N;
}

// ---- Choices many tools share, said once ----

inline constexpr InputChoice kNoYesChoices[] = {{0, L"否"}, {1, L"是"}};
inline constexpr InputChoice kMaleFemaleChoices[] = {{1, L"男"}, {0, L"女"}};
inline constexpr InputChoice kFemaleMaleChoices[] = {{0, L"女"}, {1, L"男"}};

// ---- Writing inputs ----
// A tool's inputs read best as one call per row; each fills the fields its
// kind needs and leaves the rest absent.

// A number box that takes values from minValue to maxValue.
constexpr InputField Number(const char* key, const wchar_t* label, const wchar_t* unit, double defaultValue,
                            double minValue, double maxValue) {
    InputField input{key, label, unit, defaultValue};
    input.minValue = minValue;
    input.maxValue = maxValue;
    return input;
}

// The same for a measurement of the patient.
constexpr InputField Measured(const char* key, const wchar_t* label, const wchar_t* unit, double defaultValue,
                              double minValue, double maxValue) {
    InputField input = Number(key, label, unit, defaultValue, minValue, maxValue);
    input.patientValue = 1;
    return input;
}

// The input, opening in the window on that part of today's date.
constexpr InputField OnToday(InputField input, TodayPart part) {
    input.todayPart = part;
    return input;
}

// One of the choices; the accepted range is that of their values.
template <int32_t N>
constexpr InputField Choice(const char* key, const wchar_t* label, const wchar_t* unit, double defaultValue,
                            const InputChoice (&choices)[N]) {
    InputField input{key, label, unit, defaultValue, N, choices};
    input.minValue = input.maxValue = choices[0].value;
    for (const InputChoice& choice : choices) {
        if (choice.value < input.minValue) input.minValue = choice.value;
        if (choice.value > input.maxValue) input.maxValue = choice.value;
    }
    return input;
}

// Any of the choices, checked one by one; from nothing checked (0) to all.
template <int32_t N>
constexpr InputField Checklist(const char* key, const wchar_t* label, const wchar_t* unit,
                               const InputChoice (&choices)[N]) {
    InputField input{key, label, unit, 0, N, choices};
    input.multiSelect = 1;
    for (const InputChoice& choice : choices) input.maxValue += choice.value;
    return input;
}

// The one tool built into this program; the same record for the whole run.
const ToolDef& ConfiguredTool();
