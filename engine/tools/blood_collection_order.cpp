#include "engine/tool_def.h"
#include "reports/fixed_reports.h"

namespace {

// The report's rows by their selector; 0 is no row's, so it gives the lines
// for any other test.
const InputChoice kTests[] = {
    {1, L"血常规"}, {2, L"凝血"}, {3, L"生化"}, {4, L"血气"}, {5, L"血培养"}, {6, L"血糖/乳酸"}, {0, L"其他项目"},
};

const InputField kInputs[] = {
    Choice("kind", L"检验项目", nullptr, 1, kTests),
};

}  // namespace

extern const ToolDef kBloodCollectionOrderTool = {
    .id = 303,
    .title = L"采血顺序指引",
    .subtitle = L"按添加剂排列采血管顺序",
    .category = L"电解质与检验",
    .basis = L"CLSI 采血顺序：血培养瓶 → 凝血管 → 血清管 → 肝素管 → EDTA 管 → 氟化钠管",
    .note = L"选择本次检验项目，显示标准采血顺序及该项目的采血管与送检要求；未列出的项目选“其他项目”。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportBloodCollectionOrder,
    .report = BuildBloodCollectionOrder,
};
