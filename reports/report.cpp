#include "reports/report.h"

#include <cstdarg>
#include <cstring>

#include "engine/text.h"

namespace {

const wchar_t kNoReportText[] = L"（该工具暂无自定义报告）";
const wchar_t kNoReportVerdict[] = L"暂无报告内容";

constexpr int kLineScratch = 512;

}  // namespace

int32_t RunReport(const ToolDef& tool, const double* values, wchar_t* resultText, int32_t resultCapacity,
                  wchar_t* verdictText, int32_t verdictCapacity) {
    CopyCut(resultText, resultCapacity, L"");
    CopyCut(verdictText, verdictCapacity, L"");
    if (tool.report) return tool.report(tool, values, resultText, resultCapacity, verdictText, verdictCapacity);
    CopyCut(resultText, resultCapacity, kNoReportText);
    CopyCut(verdictText, verdictCapacity, kNoReportVerdict);
    return LevelNormal;
}

double FindInput(const ToolDef& tool, const double* values, const char* key) {
    for (int32_t i = 0; i < tool.inputCount; ++i)
        if (std::strcmp(tool.inputs[i].key, key) == 0) return values[i];
    return 0;
}

int32_t ToInt32(double x) {
    // NaN fails both comparisons; the bounds are the first values whose
    // truncation leaves the range.
    if (!(x > -2147483649.0 && x < 2147483648.0)) return INT32_MIN;
    return static_cast<int32_t>(x);
}

void AppendLine(wchar_t* text, int32_t capacity, const wchar_t* format, ...) {
    wchar_t scratch[kLineScratch];
    va_list args;
    va_start(args, format);
    FormatCutV(scratch, kLineScratch, format, args);
    va_end(args);
    AppendCut(text, capacity, scratch);
    AppendCut(text, capacity, L"\r\n");
}

void AppendFixedLine(wchar_t* text, int32_t capacity, const wchar_t* line) {
    AppendLine(text, capacity, L"%ls", line);
}
