#include "engine/tool_def.h"
#include "reports/fixed_reports.h"

namespace {

// The report's rows by their selector; its lines for any other value are the
// anaesthetics and relaxants, chosen by 0, which no row has.
const InputChoice kCategories[] = {
    {1, L"高浓度电解质"}, {2, L"胰岛素与口服降糖药"}, {3, L"抗凝与化疗药"}, {0, L"麻醉与肌松药"},
};

const InputField kInputs[] = {
    Choice("kind", L"药品类别", nullptr, 1, kCategories),
};

}  // namespace

extern const ToolDef kHighAlertDrugsTool = {
    .id = 305,
    .title = L"高警示药品要点",
    .subtitle = L"高警示药品类别与管理要点",
    .category = L"用药安全",
    .basis = L"高警示药品管理：专区存放、专用标识、双人核对",
    .note = L"选择药品类别，显示代表药品与管理要点；本院高警示药品目录以药学部门发布为准。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportHighAlertDrugs,
    .report = BuildHighAlertDrugs,
};
