#include "engine/tools/tools.h"

namespace {

const InputField kInputs[] = {
    {"beds", L"床位数", L"床", 6},
};

}  // namespace

extern const ToolDef kHandoverTemplateTool = {
    309,
    L"交接班模板",
    L"按床位生成交班填写行",
    L"护理管理",
    L"床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注",
    L"床位数 1-30 床；危重、新入院、手术、输血、病情变化患者须床旁交接并双签名。",
    1, kInputs,
    0, nullptr,
    0, nullptr,
    ReportHandoverTemplate,
};
