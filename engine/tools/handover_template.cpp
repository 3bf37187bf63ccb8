#include "engine/tool_def.h"
#include "reports/bedside.h"

namespace {

const InputField kInputs[] = {
    {"beds", L"床位数", L"床", 6},
};

}  // namespace

extern const ToolDef kHandoverTemplateTool = {
    .id = 309,
    .title = L"交接班模板",
    .subtitle = L"按床位生成交班填写行",
    .category = L"护理管理",
    .basis = L"床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注",
    .note = L"床位数 1-30 床；危重、新入院、手术、输血、病情变化患者须床旁交接并双签名。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportHandoverTemplate,
    .report = BuildHandoverTemplate,
};
