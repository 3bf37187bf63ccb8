// Runs the calculation of every tool of the catalogue with its defaults, the
// formula evaluator and every report N times (N from the command line) after
// one warm-up round, which takes the C
// library's one-time allocations (the time zone of the first local time).
// Under valgrind, equal allocation counts for N = 0 and N > 0 show that none
// of them touches the heap.
#include <cstdlib>

#include "engine/calculation.h"
#include "engine/formula.h"
#include "engine/tool_catalogue.h"
#include "reports/report.h"

namespace {

const InputField kReportInputs[] = {
    {"nurses", L"n", nullptr, 0}, {"days", L"d", nullptr, 0}, {"start", L"s", nullptr, 0},
    {"interval", L"i", nullptr, 0}, {"times", L"t", nullptr, 0}, {"kind", L"k", nullptr, 0},
    {"drugA", L"a", nullptr, 0}, {"drugB", L"b", nullptr, 0}, {"gap", L"g", nullptr, 0},
    {"beds", L"b", nullptr, 0}, {"bed", L"b", nullptr, 0}, {"dose", L"d", nullptr, 0},
    {"volume", L"v", nullptr, 0}, {"gtt", L"g", nullptr, 0}, {"panel", L"p", nullptr, 0},
};
const double kReportValues[] = {40, 31, 8, 8, 30, 1, 1, 2, 7, 30, 12, 0.5, 250, 40, 2};
const ToolDef kReportTool = {1, L"t", nullptr, L"c", L"b", nullptr, 15, kReportInputs, 0, nullptr, 0, nullptr, 0};

double RunEverything() {
    const ToolDef& tool = ConfiguredTool();
    const double inputs[] = {120, 12.5, 3};
    const double outputs[16] = {};
    static CalculationResult result;
    int32_t failed = 0;
    Calculate(tool, inputs, &result);
    double sink = 0;
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& entry = *kToolCatalogue[t].tool;
        double defaults[kMaxInputs] = {};
        for (int i = 0; i < entry.inputCount; ++i) defaults[i] = entry.inputs[i].defaultValue;
        Calculate(entry, defaults, &result);
        // Every report at its largest too, and the no-report text.
        ToolDef largest = kReportTool;
        largest.report = entry.report;
        sink += RunReport(largest, kReportValues, result.resultText, kResultTextCapacity, result.verdictText,
                          kVerdictTextCapacity);
    }
    sink += EvaluateFormula(tool, "sqrt(rate)*min(conc,w)^2>1 ? log(w) : cbrt(-8)", inputs, outputs, &failed);
    return sink;
}

}  // namespace

int main(int argc, char** argv) {
    const int times = argc > 1 ? std::atoi(argv[1]) : 0;
    double sink = RunEverything();
    for (int i = 0; i < times; ++i) sink += RunEverything();
    return sink < 0 ? 1 : 0;
}
