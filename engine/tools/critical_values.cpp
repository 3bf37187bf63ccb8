#include "engine/tool_def.h"
#include "reports/fixed_reports.h"

namespace {

// The report's rows by their selector; 0 is no row's and points to the
// hospital's own list.
const InputChoice kCategories[] = {
    {1, L"电解质"}, {2, L"血糖与血气"}, {3, L"血细胞"}, {4, L"凝血"},
    {5, L"微生物"}, {6, L"心肌与胰腺"}, {0, L"其他（查本院目录）"},
};

const InputField kInputs[] = {
    Choice("kind", L"危急值类别", nullptr, 1, kCategories),
};

}  // namespace

extern const ToolDef kCriticalValuesTool = {
    .id = 304,
    .title = L"检验危急值速查",
    .subtitle = L"常见检验危急值与报告处置",
    .category = L"电解质与检验",
    .basis = L"危急值闭环管理：核实、报告、接收、处理、记录",
    .note = L"所列界限为常见参考值，各院不同，以本院《危急值报告目录》为准。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportCriticalValues,
    .report = BuildCriticalValues,
};
