// Tests reach a tool of the suite by its program name, through the catalogue,
// and give it inputs as the command line names them.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "engine/tool_catalogue.h"

// The tool of the named program, or null.
inline const ToolDef* FindCatalogueTool(const char* program) {
    for (int t = 0; t < kToolCatalogueCount; ++t)
        if (std::strcmp(kToolCatalogue[t].program, program) == 0) return kToolCatalogue[t].tool;
    return nullptr;
}

// The same where a name not in the catalogue is a test bug.
inline const ToolDef& CatalogueTool(const char* program) {
    const ToolDef* tool = FindCatalogueTool(program);
    if (!tool) std::abort();
    return *tool;
}

// The tool's defaults, each "key=value" of keyValues in place of its input's;
// a key the tool does not have is a test bug.
inline std::vector<double> InputValues(const ToolDef& tool, const std::string& keyValues = "") {
    std::vector<double> values(kMaxInputs);
    for (int i = 0; i < tool.inputCount; ++i) values[i] = tool.inputs[i].defaultValue;
    std::istringstream words(keyValues);
    for (std::string word; words >> word;) {
        size_t equals = word.find('=');
        int i = 0;
        while (i < tool.inputCount && word.compare(0, equals, tool.inputs[i].key) != 0) ++i;
        if (equals == std::string::npos || i == tool.inputCount) {
            std::fprintf(stderr, "%ls has no input %s\n", tool.title, word.c_str());
            std::abort();
        }
        values[i] = std::strtod(word.c_str() + equals + 1, nullptr);
    }
    return values;
}
