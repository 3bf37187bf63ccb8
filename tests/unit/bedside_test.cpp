#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>

#include "report_test_tool.h"

namespace {

const wchar_t kHandoverHeading[] = L"交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：\r\n";
const wchar_t kHandoverClosing[] = L"\r\n危重患者须床旁交接；新入院、手术、输血、病情变化患者逐一交接并双签名。\r\n";
const wchar_t kHandoverVerdict[] = L"模板已生成，床旁交接并双方签名";

std::wstring BedLine(int bed) {
    wchar_t number[8];
    std::swprintf(number, 8, L"%02d", bed);
    return std::wstring(number) +
           L" 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg SpO2＿%；本班处置＿＿；"
           L"管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。\r\n";
}

std::wstring ExpectedHandover(int beds) {
    std::wstring text = kHandoverHeading;
    for (int bed = 1; bed <= beds; ++bed) text += BedLine(bed);
    return text + kHandoverClosing;
}

TEST(HandoverTemplate, OneLinePerBedWithinBounds) {
    const struct {
        const char* name;
        std::vector<ReportInput> inputs;
        int beds;
    } rows[] = {
        {"no inputs", {}, 1},        {"beds 0", {{"beds", 0}}, 1},   {"beds -2", {{"beds", -2}}, 1},
        {"beds 1", {{"beds", 1}}, 1}, {"beds 7.9", {{"beds", 7.9}}, 7}, {"beds 30", {{"beds", 30}}, 30},
        {"beds 45", {{"beds", 45}}, 30}, {"beds 3e9", {{"beds", 3e9}}, 1}, {"bed is another key", {{"bed", 5}}, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ReportRun run = RunReportOf(9, row.inputs);
        EXPECT_EQ(run.text, ExpectedHandover(row.beds));
        EXPECT_EQ(run.verdict, kHandoverVerdict);
        EXPECT_EQ(run.level, LevelNormal);
    }
}

TEST(HandoverTemplate, EveryBedLineHasOnePercentSignAfterSpO2) {
    ReportRun run = RunReportOf(9, {{"beds", 30}});
    size_t lineStart = run.text.find(L"\r\n") + 2;
    for (int bed = 1; bed <= 30; ++bed) {
        SCOPED_TRACE(bed);
        size_t lineEnd = run.text.find(L"\r\n", lineStart);
        std::wstring line = run.text.substr(lineStart, lineEnd - lineStart);
        EXPECT_EQ(std::count(line.begin(), line.end(), L'%'), 1);
        EXPECT_EQ(line.find(L'%'), line.find(L"SpO2＿") + 5);
        lineStart = lineEnd + 2;
    }
}

TEST(HandoverTemplate, LargestTemplateFitsTheWindowBuffer) {
    ReportRun run = RunReportOf(9, {{"beds", 30}}, 4096);
    EXPECT_EQ(run.text, ExpectedHandover(30));
}

const wchar_t kInfusionClosing[] =
    L"核对：药名/剂量/浓度/有效期/配伍；双人签名。\r\n"
    L"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。\r\n";

TEST(InfusionCard, PrintsEveryValueAsItComes) {
    const struct {
        const char* name;
        std::vector<ReportInput> inputs;
        const wchar_t* bed;
        const wchar_t* medicine;
        const wchar_t* dropRate;
    } rows[] = {
        {"no inputs", {}, L"床号：0", L"药液：医嘱药量 0.00 ，加入溶媒 0 ml", L"滴速：0 滴/分（约 0 ml/h）"},
        {"an ordinary card",
         {{"bed", 12}, {"dose", 2.5}, {"volume", 250}, {"gtt", 40}},
         L"床号：12",
         L"药液：医嘱药量 2.50 ，加入溶媒 250 ml",
         L"滴速：40 滴/分（约 120 ml/h）"},
        {"bed -4", {{"bed", -4}}, L"床号：-4", L"药液：医嘱药量 0.00 ，加入溶媒 0 ml", L"滴速：0 滴/分（约 0 ml/h）"},
        {"bed 12.6", {{"bed", 12.6}}, L"床号：12", L"药液：医嘱药量 0.00 ，加入溶媒 0 ml", L"滴速：0 滴/分（约 0 ml/h）"},
        {"gtt 0.1",
         {{"gtt", 0.1}},
         L"床号：0",
         L"药液：医嘱药量 0.00 ，加入溶媒 0 ml",
         L"滴速：0 滴/分（约 0 ml/h）"},
        {"factor 3 before printing",
         {{"gtt", 33.3}},
         L"床号：0",
         L"药液：医嘱药量 0.00 ，加入溶媒 0 ml",
         L"滴速：33 滴/分（约 100 ml/h）"},
        {"negative values",
         {{"dose", -1.234}, {"volume", -99.7}, {"gtt", -12}},
         L"床号：0",
         L"药液：医嘱药量 -1.23 ，加入溶媒 -100 ml",
         L"滴速：-12 滴/分（约 -36 ml/h）"},
        {"read in order, first key wins",
         {{"gtt", 20}, {"volume", 100}, {"dose", 0.125001}, {"bed", 3}, {"bed", 9}},
         L"床号：3",
         L"药液：医嘱药量 0.13 ，加入溶媒 100 ml",
         L"滴速：20 滴/分（约 60 ml/h）"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ReportRun run = RunReportOf(10, row.inputs);
        EXPECT_EQ(run.text, Lines({L"静脉输液卡", row.bed, row.medicine, row.dropRate}) + kInfusionClosing);
        EXPECT_EQ(run.verdict, L"输液卡已生成，双人核对后执行");
        EXPECT_EQ(run.level, LevelNormal);
    }
}

}  // namespace
