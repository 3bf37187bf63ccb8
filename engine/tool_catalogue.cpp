#include "engine/tool_catalogue.h"

#define TOOL(program, symbol, keywords) extern const ToolDef symbol;
#include "engine/tool_list.h"
#undef TOOL

const CatalogueEntry kToolCatalogue[] = {
#define TOOL(program, symbol, keywords) {#program, &symbol, keywords},
#include "engine/tool_list.h"
#undef TOOL
};

const int kToolCatalogueCount = sizeof kToolCatalogue / sizeof kToolCatalogue[0];

const wchar_t* const kToolCategories[] = {
    L"营养支持", L"输液用药", L"用药安全", L"肾功能", L"体格测量", L"循环",     L"神经",     L"电解质与检验",
    L"肝功能",   L"消化",     L"产科",     L"儿科",   L"护理评估", L"护理管理", L"重症评分",
};

const int kToolCategoryCount = sizeof kToolCategories / sizeof kToolCategories[0];
