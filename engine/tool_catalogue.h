// Every tool of the family with its program name. Only tests and tools of
// the build read the whole list; a program links just its own ToolDef.
#pragma once

#include "engine/tool_def.h"

struct CatalogueEntry {
    const char* program;
    const ToolDef* tool;
};

extern const CatalogueEntry kToolCatalogue[];
extern const int kToolCatalogueCount;
