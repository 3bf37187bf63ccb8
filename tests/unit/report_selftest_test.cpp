#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_test_tool.h"
#include "store/selftest_report.h"
#include "tests/support/test_files.h"

namespace {

// A report tool writes one fixed OUT line and its report in DETAIL; it has
// no formula to fail, so ERRORS is 0 and the exit code 0 whatever its level.
const wchar_t kCompatibilitySelfTest[] =
    L"TOOL|900|报告工具|测试\r\n"
    L"LEVEL|3\r\n"
    L"OUT|报告文本|见 DETAIL|\r\n"
    L"VERDICT|禁忌：不可同瓶输注，需间隔冲管\r\n"
    L"DETAIL|待查：2 号 葡萄糖酸钙  +  9 号 碳酸氢钠  编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索 "
    L"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺  "
    L"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。 \r\n"
    L"ERRORS|0\r\n";

const OutputField kFailingOutput[] = {{"x", L"不应计算", nullptr, "1/0", nullptr}};

// Outputs of a report tool are never evaluated, even one that would fail.
ToolDef WithFailingOutput(const ToolDef& tool) {
    ToolDef withOutputs = tool;
    withOutputs.outputCount = 1;
    withOutputs.outputs = kFailingOutput;
    return withOutputs;
}

std::wstring SelfTestReportOf(const ToolDef& tool) {
    std::vector<wchar_t> report(kSelfTestReportCapacity);
    BuildSelfTestReport(tool, report.data());
    return report.data();
}

TEST(ReportSelfTest, WritesTheFixedOutLineAndTheReportInDetail) {
    TestTool tool(6, {{"drugA", 2}, {"drugB", 9}});
    EXPECT_EQ(SelfTestReportOf(tool.def()), kCompatibilitySelfTest);
    EXPECT_EQ(SelfTestReportOf(WithFailingOutput(tool.def())), kCompatibilitySelfTest);
}

TEST(ReportSelfTest, FileHoldsTheReportAndTheExitCodeIsZero) {
    TempFolder folder;
    std::wstring path = folder.WidePath(L"report.txt");
    TestTool tool(6, {{"drugA", 2}, {"drugB", 9}});
    EXPECT_EQ(RunSelfTestOf(WithFailingOutput(tool.def()), path.c_str()), kSelfTestPassed);
    EXPECT_EQ(ReadBytes(folder.Path("report.txt")), Utf8Of(kCompatibilitySelfTest));
}

}  // namespace
