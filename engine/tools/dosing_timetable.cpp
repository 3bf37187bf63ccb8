#include "engine/tool_def.h"
#include "reports/schedules.h"

namespace {

const InputField kInputs[] = {
    {"start", L"首剂时间", L"时", 8},
    {"interval", L"给药间隔", L"小时", 8},
    {"times", L"给药次数", L"次", 3},
};

}  // namespace

extern const ToolDef kDosingTimetableTool = {
    .id = 302,
    .title = L"给药时间表",
    .subtitle = L"按首剂时间与间隔排出每次给药时刻",
    .category = L"用药安全",
    .basis = L"第 n 次给药时刻 = 首剂时间 + (n-1) × 给药间隔",
    .note = L"首剂时间按 24 小时制填写（8 即 08:00）；间隔不大于 0 时按 8 小时计；次数 1-30 次。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportDosingTimetable,
    .report = BuildDosingTimetable,
};
