#include "engine/tool_def.h"
#include "reports/compatibility.h"

namespace {

// The drugs of the compatibility table, by the numbers it looks them up by.
const InputChoice kDrugs[] = {
    {1, L"头孢曲松"}, {2, L"葡萄糖酸钙"}, {3, L"万古霉素"}, {4, L"呋塞米"},   {5, L"氨溴索"},
    {6, L"奥美拉唑"}, {7, L"维生素C"},    {8, L"胰岛素"},   {9, L"碳酸氢钠"}, {10, L"多巴胺"},
};

const InputField kInputs[] = {
    Choice("drugA", L"药物 A", nullptr, 1, kDrugs),
    Choice("drugB", L"药物 B", nullptr, 2, kDrugs),
};

}  // namespace

extern const ToolDef kCompatibilityCheckTool = {
    .id = 306,
    .title = L"药物配伍禁忌查询",
    .subtitle = L"两种注射药物能否同瓶输注",
    .category = L"用药安全",
    .basis = L"按常见注射药物配伍禁忌表查询，收录 10 种常用注射药物",
    .note = L"仅收录常用注射药物的明确禁忌；未收录的组合仍须查本院配伍表，现配现用，两药之间冲管。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportCompatibilityCheck,
    .report = BuildCompatibilityCheck,
};
