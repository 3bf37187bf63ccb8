#include "shell/calc_refusal.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const InputChoice kSensing[] = {{1, L"完全受限"}, {2, L"大部分受限"}};
const InputChoice kRisks[] = {{1, L"静脉曲张"}, {2, L"肥胖"}, {5, L"骨折"}};
const InputField kInputs[] = {
    Measured("scr", L"血肌酐", L"μmol/L", 90, 10, 3000),
    Choice("sp", L"感知", nullptr, 2, kSensing),
    Checklist("rf", L"危险因素", L"分", kRisks),
};
const ToolDef kTool = {.id = 9, .title = L"测试", .category = L"测试", .basis = L"",
                       .inputCount = CountOf(kInputs), .inputs = kInputs};

// One row per rule: the command line after the program's name, and the line
// that says which rule its argument broke.
TEST(FormatCalcRefusal, NamesTheArgumentAndTheRule) {
    const std::wstring path520(520, L'p');
    struct Row {
        std::wstring arguments;
        std::wstring rule;
    } rows[] = {
        {L"--calc", L"--calc 之后缺少报告文件的路径。"},
        {L"--calc scr=100", L"--calc 之后应先写报告文件的路径，“scr=100”却是本工具的输入。"},
        {L"--calc " + path520, L"报告文件的路径超过 519 个字符：“" + path520.substr(0, 519) + L"”。"},
        {L"--calc o.txt scr", L"参数“scr”不是“键=值”的形式。"},
        {L"--calc o.txt Scr=100", L"参数“Scr=100”：本工具没有键为“Scr”的输入（键区分大小写）；本工具的键：scr、sp、rf。"},
        {L"--calc o.txt scr=90 scr=91", L"参数“scr=91”：输入“scr”（血肌酐）已给出过一次，每个输入只能给一次。"},
        {L"--calc o.txt \"scr=1 mg\"",
         L"参数“scr=1 mg”：“1 mg”不是一个数值；血肌酐只接受一个数值，不带单位，最多 127 个字符。"},
        {L"--calc o.txt scr=1.0", L"参数“scr=1.0”：血肌酐 1.0 超出可接受的范围 10～3000 μmol/L。"},
        {L"--calc o.txt sp=5", L"参数“sp=5”：“5”不是“感知”的选项；可选：1（完全受限）、2（大部分受限）。"},
        {L"--calc o.txt rf=1+4",
         L"参数“rf=1+4”：“1+4”不是“危险因素”的项目组合；写所选项目的编号 1～3，以“+”连接，每项一次，0 表示都不选。"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.arguments.substr(0, 60)));
        std::wstring line = L"X.exe " + row.arguments;
        static CalcRequest request;
        CalcCommand command = ParseCalcCommand(line.c_str(), kTool, &request);
        ASSERT_NE(command, CalcAccepted);
        static wchar_t text[kCalcRefusalCapacity];
        FormatCalcRefusal(command, request, kTool, text);
        EXPECT_EQ(std::wstring(text), L"--calc 未执行：命令行有误，未写出报告（退出码 4）。\r\n" + row.rule + L"\r\n");
    }
}

}  // namespace
