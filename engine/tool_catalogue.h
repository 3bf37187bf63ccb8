// Every tool of the suite with its program name and search keywords, in the
// order of the one list (engine/tool_list.h), and the suite's categories.
// Only tests, the launcher and tools of the build read the whole list; a
// tool's program links just its own ToolDef.
#pragma once

#include "engine/tool_def.h"

struct CatalogueEntry {
    const char* program;
    const ToolDef* tool;
    const wchar_t* keywords;  // abbreviations and pinyin initials, space-separated
};

extern const CatalogueEntry kToolCatalogue[];
extern const int kToolCatalogueCount;

// The one small set of categories every tool belongs to, in the order the
// suite lists them.
extern const wchar_t* const kToolCategories[];
extern const int kToolCategoryCount;
