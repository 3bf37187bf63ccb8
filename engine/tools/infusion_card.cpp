#include "engine/tools/tools.h"

namespace {

const InputField kInputs[] = {
    {"bed", L"床号", nullptr, 12},
    {"dose", L"医嘱药量", nullptr, 0.5},
    {"volume", L"溶媒量", L"ml", 250},
    {"gtt", L"滴速", L"滴/分", 40},
};

}  // namespace

extern const ToolDef kInfusionCardTool = {
    310,
    L"输液卡",
    L"床号、药液与滴速一卡打印",
    L"输液护理",
    L"每小时输液量(ml/h) ≈ 滴速(滴/分) × 3（按 20 滴/ml 输液器）",
    L"医嘱药量按医嘱单位填写；生成后双人核对药名、剂量、浓度、有效期与配伍。",
    4, kInputs,
    0, nullptr,
    0, nullptr,
    ReportInfusionCard,
};
