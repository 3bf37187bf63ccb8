// The constant record that makes this program one particular clinical tool.
#pragma once

#include <cstdint>

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
constexpr int kMaxOutputs = 16;
constexpr int kMaxKeyLength = 63;

struct InputField {
    const char* key;
    const wchar_t* label;
    const wchar_t* unit;  // may be null
    double defaultValue;
};

struct OutputField {
    const char* key;
    const wchar_t* label;
    const wchar_t* unit;    // may be null
    const char* formula;
    const char* format;     // may be null: "f2"
};

struct VerdictRule {
    const char* condition;  // "" applies always
    int32_t level;
    const wchar_t* verdict;
};

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
};

// The number of entries of a constant table, as a ToolDef count.
template <typename T, int32_t N>
constexpr int32_t CountOf(const T (&)[N]) {
    return N;
}

// The one tool built into this program; the same record for the whole run.
const ToolDef& ConfiguredTool();
