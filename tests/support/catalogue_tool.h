// Tests reach a tool of the suite by its program name, through the catalogue.
#pragma once

#include <cstdlib>
#include <cstring>

#include "engine/tool_catalogue.h"

// The tool of the named program; a name not in the catalogue is a test bug.
inline const ToolDef& CatalogueTool(const char* program) {
    for (int t = 0; t < kToolCatalogueCount; ++t)
        if (std::strcmp(kToolCatalogue[t].program, program) == 0) return *kToolCatalogue[t].tool;
    std::abort();
}
