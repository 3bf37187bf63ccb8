#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/platform.h"
#include "report_test_tool.h"
#include "store/self_test.h"

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

std::wstring SelfTestReportOf(const ToolDef& tool) {
    std::vector<wchar_t> report(kSelfTestReportCapacity);
    BuildSelfTestReport(tool, report.data());
    return report.data();
}

std::string ReadFile(const wchar_t* path) {
    std::string bytes;
    FILE* file = OpenFile(path, "rb");
    if (!file) return bytes;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
    std::fclose(file);
    return bytes;
}

TEST(ReportSelfTest, WritesTheFixedOutLineAndTheReportInDetail) {
    TestTool tool(6, {{"drugA", 2}, {"drugB", 9}});
    EXPECT_EQ(SelfTestReportOf(tool.def()), kCompatibilitySelfTest);

    // Outputs of a report tool are never evaluated, even one that would fail.
    ToolDef withOutputs = tool.def();
    withOutputs.outputCount = 1;
    withOutputs.outputs = kFailingOutput;
    EXPECT_EQ(SelfTestReportOf(withOutputs), kCompatibilitySelfTest);
}

TEST(ReportSelfTest, FileHoldsTheReportAndTheExitCodeIsZero) {
    const wchar_t path[] = L"report_self_test_output.txt";
    TestTool tool(6, {{"drugA", 2}, {"drugB", 9}});
    EXPECT_EQ(RunSelfTestOf(tool.def(), path), kSelfTestPassed);
    char expected[8192];
    int size = ConvertToUtf8(kCompatibilitySelfTest, expected, sizeof expected);
    ASSERT_GT(size, 0);
    EXPECT_EQ(ReadFile(path), std::string(expected, size - 1));
    std::remove("report_self_test_output.txt");
}

}  // namespace
