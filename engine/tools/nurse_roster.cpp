#include "engine/tool_def.h"
#include "reports/schedules.h"

namespace {

const InputField kInputs[] = {
    {"nurses", L"护士人数", L"人", 6},
    {"days", L"排班天数", L"天", 7},
};

}  // namespace

extern const ToolDef kNurseRosterTool = {
    .id = 301,
    .title = L"护士排班表",
    .subtitle = L"三班轮转，自动生成排班",
    .category = L"护理管理",
    .basis = L"三班轮转：白班 D / 夜班 N / 休息 R，每日每班 1 人，按人员顺序滚动",
    .note = L"护士人数 1-40 人，排班天数 1-31 天；生成后可复制到排班本或表格，按科室实际人数与能级调整。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportNurseRoster,
    .report = BuildNurseRoster,
};
