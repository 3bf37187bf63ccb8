#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    {"kind", L"危急值类别编号", nullptr, 1},
};

}  // namespace

extern const ToolDef kCriticalValuesTool = {
    .id = 304,
    .title = L"检验危急值速查",
    .subtitle = L"常见检验危急值与报告处置",
    .category = L"电解质与检验",
    .basis = L"危急值闭环管理：核实、报告、接收、处理、记录",
    .note = L"类别编号：1 电解质，2 血糖与血气，3 血细胞，4 凝血，5 微生物，6 心肌与胰腺；其他数字请查阅本院目录。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .reportKind = ReportCriticalValues,
};
