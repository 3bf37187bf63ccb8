#include "engine/tool_def.h"
#include "reports/bedside.h"

namespace {

const InputField kInputs[] = {
    {"bed", L"床号", nullptr, 12},
    {"dose", L"医嘱药量", nullptr, 0.5},
    {"volume", L"溶媒量", L"ml", 250},
    {"gtt", L"滴速", L"滴/分", 40},
};

}  // namespace

extern const ToolDef kInfusionCardTool = {
    .id = 310,
    .title = L"输液卡",
    .subtitle = L"床号、药液与滴速一卡打印",
    .category = L"输液用药",
    .basis = L"每小时输液量(ml/h) ≈ 滴速(滴/分) × 3（按 20 滴/ml 输液器）",
    .note = L"医嘱药量按医嘱单位填写；生成后双人核对药名、剂量、浓度、有效期与配伍。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportInfusionCard,
    .report = BuildInfusionCard,
};
