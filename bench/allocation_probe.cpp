// Runs the calculation and the formula evaluator N times (N from the command
// line). Run under valgrind with N = 0 and N > 0: equal allocation counts
// show that neither touches the heap.
#include <cstdlib>

#include "engine/calculation.h"
#include "engine/formula.h"

int main(int argc, char** argv) {
    const int times = argc > 1 ? std::atoi(argv[1]) : 0;
    const ToolDef& tool = ConfiguredTool();
    const double inputs[] = {120, 12.5, 3};
    const double outputs[16] = {};
    static wchar_t result[4096], verdict[512], last[8192];
    double sink = 0;
    for (int i = 0; i < times; ++i) {
        int32_t level = 0, failed = 0;
        RunCalculation(tool, inputs, result, 4096, verdict, 512, &level, last, 8192);
        sink += EvaluateFormula(tool, "sqrt(rate)*min(conc,w)^2>1 ? log(w) : cbrt(-8)", inputs, outputs, &failed);
    }
    return sink < 0 ? 1 : 0;
}
