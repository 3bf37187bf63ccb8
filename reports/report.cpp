#include "reports/report.h"

#include "engine/text.h"

namespace {

const wchar_t kNoReportText[] = L"（该工具暂无自定义报告）";
const wchar_t kNoReportVerdict[] = L"暂无报告内容";

}  // namespace

int32_t RunReport(int32_t reportKind, const ToolDef& tool, const double* values, wchar_t* resultText,
                  int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    (void)reportKind;
    (void)tool;
    (void)values;
    CopyCut(resultText, resultCapacity, kNoReportText);
    CopyCut(verdictText, verdictCapacity, kNoReportVerdict);
    return LevelNormal;
}
