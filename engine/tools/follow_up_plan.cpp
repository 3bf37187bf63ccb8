#include "engine/tool_def.h"
#include "reports/schedules.h"

namespace {

const InputField kInputs[] = {
    {"start", L"首次随访", L"天后", 7},
    {"gap", L"随访间隔", L"天", 30},
    {"times", L"随访次数", L"次", 6},
};

}  // namespace

extern const ToolDef kFollowUpPlanTool = {
    .id = 307,
    .title = L"随访计划",
    .subtitle = L"以今天为基准排出随访日期",
    .category = L"护理管理",
    .basis = L"第 k 次随访日期 = 今天 + 首次随访天数 + (k-1) × 随访间隔",
    .note = L"首次随访填 0 为今天；间隔小于 1 天按 7 天计；随访次数 1-20 次。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportFollowUpPlan,
    .report = BuildFollowUpPlan,
};
