#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"kind", L"药品类别编号", nullptr, 1},
};

}  // namespace

extern const ToolDef kHighAlertDrugsTool = {
    .id = 305,
    .title = L"高警示药品要点",
    .subtitle = L"高警示药品类别与管理要点",
    .category = L"用药安全",
    .basis = L"高警示药品管理：专区存放、专用标识、双人核对",
    .note = L"类别编号：1 高浓度电解质，2 胰岛素与口服降糖药，3 抗凝与化疗药；其他数字为麻醉与肌松药。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportHighAlertDrugs,
};
