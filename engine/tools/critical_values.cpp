#include "engine/tools/tools.h"

namespace {

const InputField kInputs[] = {
    {"kind", L"危急值类别编号", nullptr, 1},
};

}  // namespace

extern const ToolDef kCriticalValuesTool = {
    304,
    L"检验危急值速查",
    L"常见检验危急值与报告处置",
    L"检验护理",
    L"危急值闭环管理：核实、报告、接收、处理、记录",
    L"类别编号：1 电解质，2 血糖与血气，3 血细胞，4 凝血，5 微生物，6 心肌与胰腺；其他数字请查阅本院目录。",
    1, kInputs,
    0, nullptr,
    0, nullptr,
    ReportCriticalValues,
};
