#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"kind", L"检验项目编号", nullptr, 1},
};

}  // namespace

extern const ToolDef kBloodCollectionOrderTool = {
    .id = 303,
    .title = L"采血顺序指引",
    .subtitle = L"按添加剂排列采血管顺序",
    .category = L"电解质与检验",
    .basis = L"CLSI 采血顺序：血培养瓶 → 凝血管 → 血清管 → 肝素管 → EDTA 管 → 氟化钠管",
    .note = L"检验项目编号：1 血常规，2 凝血，3 生化，4 血气，5 血培养，6 血糖/乳酸；其他数字为其他项目。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportBloodCollectionOrder,
};
