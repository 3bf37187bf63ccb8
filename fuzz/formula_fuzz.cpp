// Arbitrary bytes as a formula: the evaluator must never crash, read past
// the text or report success for a value that is not finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/formula.h"

namespace {

const InputField kInputs[] = {{"rate", L"r", nullptr, 0}, {"conc", L"c", nullptr, 0}, {"w", L"w", nullptr, 0}};
const OutputField kOutputs[] = {{"gir", L"g", nullptr, "1", nullptr}, {"w", L"w", nullptr, "1", nullptr}};
const ToolDef kTool = {1, L"t", nullptr, L"c", L"b", nullptr, 3, kInputs, 2, kOutputs, 0, nullptr, 0};
const double kInputValues[] = {60, 0, -3.5};
const double kOutputValues[] = {1.0 / 3, NAN};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so any read past the terminator is caught.
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    int32_t failed = -1;
    double value = EvaluateFormula(kTool, text.data(), kInputValues, kOutputValues, &failed);
    if (failed != 0 && failed != 1) std::abort();
    if (!failed && !std::isfinite(value)) std::abort();
    if (std::strlen(text.data()) == 0 && !failed) std::abort();
    return 0;
}
