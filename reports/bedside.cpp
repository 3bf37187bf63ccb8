#include "reports/bedside.h"

#include <algorithm>

#include "engine/text.h"
#include "reports/report.h"

namespace {

const wchar_t kHandoverHeading[] = L"交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：";
// A format: "%%" leaves the one percent sign after "SpO2＿".
const wchar_t kHandoverBedLine[] =
    L"%02d 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg SpO2＿%%；本班处置＿＿；"
    L"管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。";
const wchar_t kHandoverClosing[] = L"危重患者须床旁交接；新入院、手术、输血、病情变化患者逐一交接并双签名。";
const wchar_t kHandoverVerdict[] = L"模板已生成，床旁交接并双方签名";

const wchar_t kInfusionCheck[] = L"核对：药名/剂量/浓度/有效期/配伍；双人签名。";
const wchar_t kInfusionWatch[] = L"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。";
const wchar_t kInfusionVerdict[] = L"输液卡已生成，双人核对后执行";

constexpr int32_t kMaxBeds = 30;
// Drops per minute times 3 gives about the ml per hour.
constexpr double kMlPerHourPerDrop = 3;

}  // namespace

int32_t BuildHandoverTemplate(const ToolDef& tool, const double* values, wchar_t* resultText,
                              int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    int32_t beds = std::clamp(ToInt32(FindInput(tool, values, "beds")), 1, kMaxBeds);
    AppendFixedLine(resultText, resultCapacity, kHandoverHeading);
    for (int32_t bed = 1; bed <= beds; ++bed) AppendLine(resultText, resultCapacity, kHandoverBedLine, bed);
    AppendFixedLine(resultText, resultCapacity, L"");
    AppendFixedLine(resultText, resultCapacity, kHandoverClosing);
    CopyCut(verdictText, verdictCapacity, kHandoverVerdict);
    return LevelNormal;
}

int32_t BuildInfusionCard(const ToolDef& tool, const double* values, wchar_t* resultText,
                          int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    int32_t bed = ToInt32(FindInput(tool, values, "bed"));
    double dose = FindInput(tool, values, "dose");
    double volume = FindInput(tool, values, "volume");
    double dropRate = FindInput(tool, values, "gtt");
    AppendFixedLine(resultText, resultCapacity, L"静脉输液卡");
    AppendLine(resultText, resultCapacity, L"床号：%d", bed);
    AppendLine(resultText, resultCapacity, L"药液：医嘱药量 %.2f ，加入溶媒 %.0f ml", dose, volume);
    AppendLine(resultText, resultCapacity, L"滴速：%.0f 滴/分（约 %.0f ml/h）", dropRate, dropRate * kMlPerHourPerDrop);
    AppendFixedLine(resultText, resultCapacity, kInfusionCheck);
    AppendFixedLine(resultText, resultCapacity, kInfusionWatch);
    CopyCut(verdictText, verdictCapacity, kInfusionVerdict);
    return LevelNormal;
}
