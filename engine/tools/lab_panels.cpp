#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"panel", L"检验套餐编号", nullptr, 1},
};

}  // namespace

extern const ToolDef kLabPanelsTool = {
    .id = 311,
    .title = L"检验套餐指引",
    .subtitle = L"常用检验套餐、采血管与注意事项",
    .category = L"电解质与检验",
    .basis = L"按检验套餐选择采血管，按标准顺序采血",
    .note = L"套餐编号：1 血常规，2 生化全套，3 凝血四项，4 甲状腺功能，5 心肌损伤标志物；其他数字为尿常规。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportLabPanels,
};
