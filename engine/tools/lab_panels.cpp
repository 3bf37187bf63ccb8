#include "engine/tool_def.h"
#include "reports/fixed_reports.h"

namespace {

// The report's rows by their selector; its lines for any other value are the
// urine test, chosen by 0, which no row has.
const InputChoice kPanels[] = {
    {1, L"血常规"}, {2, L"生化全套"}, {3, L"凝血四项"}, {4, L"甲状腺功能"}, {5, L"心肌损伤标志物"}, {0, L"尿常规"},
};

const InputField kInputs[] = {
    Choice("panel", L"检验套餐", nullptr, 1, kPanels),
};

}  // namespace

extern const ToolDef kLabPanelsTool = {
    .id = 311,
    .title = L"检验套餐指引",
    .subtitle = L"常用检验套餐、采血管与注意事项",
    .category = L"电解质与检验",
    .basis = L"按检验套餐选择采血管，按标准顺序采血",
    .note = L"选择检验套餐，显示所含项目、采血管与注意事项。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportLabPanels,
    .report = BuildLabPanels,
};
