#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"drugA", L"药物 A 编号", nullptr, 1},
    {"drugB", L"药物 B 编号", nullptr, 2},
};

}  // namespace

extern const ToolDef kCompatibilityCheckTool = {
    .id = 306,
    .title = L"药物配伍禁忌查询",
    .subtitle = L"两种注射药物能否同瓶输注",
    .category = L"用药安全",
    .basis = L"按常见注射药物配伍禁忌表查询，药物编号 1-10",
    .note = L"药物编号：1 头孢曲松，2 葡萄糖酸钙，3 万古霉素，4 呋塞米，5 氨溴索，6 奥美拉唑，7 维生素C，8 胰岛素，9 碳酸氢钠，10 多巴胺。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportCompatibilityCheck,
};
