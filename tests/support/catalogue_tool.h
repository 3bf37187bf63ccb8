// Tests reach a tool of the suite by its program name, through the catalogue,
// and give it inputs as the command line names them.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <utility>
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

// "key=value ..." as its pairs.
inline std::vector<std::pair<std::string, double>> KeyValues(const std::string& text) {
    std::vector<std::pair<std::string, double>> pairs;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        size_t equals = word.find('=');
        pairs.emplace_back(word.substr(0, equals), equals == std::string::npos ? 0 : std::strtod(&word[equals + 1], nullptr));
    }
    return pairs;
}

// The index of the input or output of that key, or -1.
template <typename Field>
int IndexOfKey(const Field* fields, int count, const std::string& key) {
    for (int i = 0; i < count; ++i)
        if (key == fields[i].key) return i;
    return -1;
}

// The tool's defaults, each "key=value" of keyValues in place of its input's;
// a key the tool does not have is a test bug.
inline std::vector<double> InputValues(const ToolDef& tool, const std::string& keyValues = "") {
    std::vector<double> values(kMaxInputs);
    for (int i = 0; i < tool.inputCount; ++i) values[i] = tool.inputs[i].defaultValue;
    for (const auto& [key, value] : KeyValues(keyValues)) {
        const int i = IndexOfKey(tool.inputs, tool.inputCount, key);
        if (i < 0) {
            std::fprintf(stderr, "tool %d has no input %s\n", static_cast<int>(tool.id), key.c_str());
            std::abort();
        }
        values[i] = value;
    }
    return values;
}
