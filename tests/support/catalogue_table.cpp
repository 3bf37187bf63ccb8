#include "tests/support/catalogue_table.h"

#include <cstdio>
#include <cwchar>

#include "engine/tool_catalogue.h"
#include "launcher/launcher_texts.h"
#include "tests/support/test_files.h"

namespace {

const char kTableStart[] = "<!-- tool table: tests/tools/catalogue readme-table writes it from the catalogue -->\n";
const char kTableEnd[] = "<!-- end of tool table -->\n";

// A choice as its label, a checklist as what is checked, a number with its unit.
std::string DefaultShown(const InputField& input) {
    if (input.multiSelect) return "（不选）";
    for (int c = 0; c < input.choiceCount; ++c)
        if (input.choices[c].value == input.defaultValue) return Utf8Of(input.choices[c].label);
    char value[64];
    std::snprintf(value, sizeof value, "%g", input.defaultValue);
    return input.unit && input.unit[0] ? value + (" " + Utf8Of(input.unit)) : value;
}

std::string InputsWithDefaults(const ToolDef& tool) {
    if (tool.inputCount == 0) return "none";
    std::string text;
    for (int i = 0; i < tool.inputCount; ++i) {
        const InputField& input = tool.inputs[i];
        if (i) text += ", ";
        text += Utf8Of(input.label) + " " + DefaultShown(input);
    }
    return text;
}

}  // namespace

std::string PackageListFromCatalogue() {
    std::string text = std::string(kLauncherProgram) + ".exe|" + Utf8Of(kLauncherTitle) + "|\n";
    for (int c = 0; c < kToolCategoryCount; ++c)
        for (int t = 0; t < kToolCatalogueCount; ++t) {
            const CatalogueEntry& entry = kToolCatalogue[t];
            if (std::wcscmp(entry.tool->category, kToolCategories[c]) != 0) continue;
            text += std::string(entry.program) + ".exe|" + Utf8Of(entry.tool->title) + "|" +
                    Utf8Of(entry.tool->category) + "\n";
        }
    return text;
}

std::string ReadmeToolTableFromCatalogue() {
    std::string text;
    for (int c = 0; c < kToolCategoryCount; ++c) {
        std::string rows;
        for (int t = 0; t < kToolCatalogueCount; ++t) {
            const CatalogueEntry& entry = kToolCatalogue[t];
            if (std::wcscmp(entry.tool->category, kToolCategories[c]) != 0) continue;
            rows += "| " + std::string(entry.program) + ".exe | " + Utf8Of(entry.tool->title) + " | " +
                    std::to_string(entry.tool->id) + " | " + InputsWithDefaults(*entry.tool) + " |\n";
        }
        if (rows.empty()) continue;
        text += "\n### " + Utf8Of(kToolCategories[c]) + "\n\n";
        text += "| Program | Title | Id | Inputs (defaults) |\n|---|---|---|---|\n" + rows;
    }
    return kTableStart + text + "\n" + kTableEnd;
}

std::string ReadmeToolTableSection(const std::string& readme) {
    size_t start = readme.find(kTableStart);
    if (start == std::string::npos) return "";
    size_t end = readme.find(kTableEnd, start);
    if (end == std::string::npos) return "";
    return readme.substr(start, end + sizeof kTableEnd - 1 - start);
}

std::string ReadmeWithToolTable(const std::string& readme) {
    std::string section = ReadmeToolTableSection(readme);
    if (section.empty()) return readme;
    size_t start = readme.find(section);
    return readme.substr(0, start) + ReadmeToolTableFromCatalogue() + readme.substr(start + section.size());
}
