#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

#include "engine/format.h"
#include "engine/tool_catalogue.h"
#include "shell/shell_texts.h"
#include "shell/text_width.h"
#include "tests/support/catalogue_table.h"
#include "tests/support/test_files.h"

namespace {

bool IsFormulaName(const char* key) {
    size_t n = std::strlen(key);
    if (n == 0 || n > 63) return false;
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (!letter(key[0])) return false;
    for (size_t i = 1; i < n; ++i)
        if (!letter(key[i]) && !(key[i] >= '0' && key[i] <= '9')) return false;
    return true;
}

bool IsCategory(const wchar_t* category) {
    for (int c = 0; c < kToolCategoryCount; ++c)
        if (std::wcscmp(category, kToolCategories[c]) == 0) return true;
    return false;
}

int ChineseCharacters(const wchar_t* text) {
    int count = 0;
    for (const wchar_t* c = text; c && *c; ++c) count += *c >= 0x4E00 && *c <= 0x9FFF;
    return count;
}

TEST(ToolCatalogue, EveryToolKeepsTheModelsInvariants) {
    std::set<int32_t> ids, reportKinds;
    std::set<std::string> programs;
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        SCOPED_TRACE(kToolCatalogue[t].program);
        EXPECT_TRUE(ids.insert(tool.id).second) << "duplicate id " << tool.id;
        if (tool.reportKind != ReportNone) {
            EXPECT_TRUE(reportKinds.insert(tool.reportKind).second) << "second tool of kind " << tool.reportKind;
        }
        EXPECT_TRUE(programs.insert(kToolCatalogue[t].program).second);
        EXPECT_TRUE(tool.title && tool.title[0] && tool.category && tool.basis && tool.basis[0]);
        EXPECT_TRUE(IsCategory(tool.category)) << "category outside the suite's set";
        EXPECT_TRUE(kToolCatalogue[t].keywords != nullptr);
        EXPECT_TRUE(tool.inputCount >= 0 && tool.inputCount <= kMaxInputs);
        EXPECT_TRUE(tool.outputCount >= 0 && tool.outputCount <= kMaxOutputs);
        for (int i = 0; i < tool.inputCount; ++i) {
            const InputField& input = tool.inputs[i];
            SCOPED_TRACE(input.key);
            EXPECT_TRUE(IsFormulaName(input.key));
            EXPECT_TRUE(input.label && input.label[0]);
            // The record file's columns are comma-separated and unquoted.
            EXPECT_EQ(std::wcschr(input.label, L','), nullptr) << "comma in an input label";
            // An accepted range holds its default.
            if (input.minValue != 0 || input.maxValue != 0) {
                EXPECT_LT(input.minValue, input.maxValue);
                EXPECT_TRUE(input.defaultValue >= input.minValue && input.defaultValue <= input.maxValue);
            }
            // A choice input lists distinct values in Chinese words and opens
            // on one of them; a checklist opens with nothing checked and is
            // the tool's last input.
            EXPECT_EQ(input.choiceCount > 0, input.choices != nullptr);
            EXPECT_LE(input.choiceCount, kMaxInputChoices);
            std::set<double> values;
            std::set<std::wstring> labels;
            for (int c = 0; c < input.choiceCount; ++c) {
                values.insert(input.choices[c].value);
                labels.insert(input.choices[c].label);
                EXPECT_GT(ChineseCharacters(input.choices[c].label), 0) << c;
            }
            EXPECT_EQ(labels.size(), static_cast<size_t>(input.choiceCount));
            if (input.multiSelect) {
                EXPECT_EQ(i, tool.inputCount - 1) << "a checklist is the last input";
                EXPECT_EQ(input.defaultValue, 0);
            } else if (input.choiceCount) {
                EXPECT_EQ(values.size(), static_cast<size_t>(input.choiceCount)) << "two choices of one value";
                EXPECT_EQ(values.count(input.defaultValue), 1u) << "the default is no choice";
            }
        }
        for (int i = 0; i < tool.outputCount; ++i) {
            EXPECT_TRUE(IsFormulaName(tool.outputs[i].key)) << tool.outputs[i].key;
            EXPECT_TRUE(tool.outputs[i].formula && tool.outputs[i].label);
            // An unknown code would show two decimals without a word.
            EXPECT_TRUE(IsFormatCode(tool.outputs[i].format)) << "format " << tool.outputs[i].format;
        }
        for (int i = 0; i < tool.ruleCount; ++i) {
            EXPECT_TRUE(tool.rules[i].condition && tool.rules[i].condition[0] && tool.rules[i].verdict) << "rule " << i;
        }
        // A report tool writes its generator's text, never the no-report one.
        if (IsReportTool(tool)) {
            EXPECT_NE(tool.report, nullptr) << "a report tool without a generator";
            EXPECT_EQ(tool.outputCount + tool.ruleCount, 0) << "a report tool's outputs and rules are never read";
        }
    }
    // The first eleven report kinds, one tool each.
    EXPECT_EQ(reportKinds, (std::set<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

// What the window shows whole: labels of 12 characters beside their box, verdicts of 22 in the verdict
// label, advice of about 60 on its line, a choice's entry in its list. (The
// Wine driver measures them in the window's fonts.)
TEST(ToolCatalogue, EveryTextFitsItsControl) {
    constexpr size_t kLabelCharacters = 12;
    constexpr size_t kVerdictCharacters = 22;
    constexpr size_t kAdviceCharacters = 64;
    constexpr int kInputFontPixels = 15;
    constexpr int kChoiceTextWidth = 206;
    constexpr int kChecklistTextWidth = 360;
    for (int t = 0; t < kToolCatalogueCount; ++t) {
        const ToolDef& tool = *kToolCatalogue[t].tool;
        SCOPED_TRACE(kToolCatalogue[t].program);
        for (int i = 0; i < tool.inputCount; ++i) {
            const InputField& input = tool.inputs[i];
            EXPECT_LE(std::wcslen(input.label), kLabelCharacters) << input.key;
            for (int c = 0; c < input.choiceCount; ++c) {
                wchar_t entry[256];
                FormatChoiceEntry(input, c, entry, 256);
                int width = input.multiSelect ? kChecklistTextWidth : kChoiceTextWidth;
                EXPECT_LE(EstimatedTextWidth(entry, kInputFontPixels), width) << input.key << " " << c;
            }
        }
        for (int i = 0; i < tool.ruleCount; ++i) {
            EXPECT_LE(std::wcslen(tool.rules[i].verdict), kVerdictCharacters) << "rule " << i;
            // A verdict says its judgement in words, not only a number.
            EXPECT_GE(ChineseCharacters(tool.rules[i].verdict), 2) << "rule " << i;
            if (tool.rules[i].advice) {
                EXPECT_LE(std::wcslen(tool.rules[i].advice), kAdviceCharacters) << "rule " << i;
            }
        }
    }
}

#if defined(PERAVIN_PACKAGE_LIST)
// The build reads each tool's title and category from its source file; the
// package list must say what the ToolDefs say.
TEST(ToolCatalogue, PackageListSaysWhatTheCatalogueSays) {
    EXPECT_EQ(ReadBytes(PERAVIN_PACKAGE_LIST), PackageListFromCatalogue());
}

TEST(ToolCatalogue, ReadmeTableSaysWhatTheCatalogueSays) {
    std::string section = ReadmeToolTableSection(ReadBytes(PERAVIN_SOURCE_DIR "/README.md"));
    EXPECT_EQ(section, ReadmeToolTableFromCatalogue())
        << "build/native/tests/catalogue readme-table README.md writes the table the README must hold";
}
#endif

}  // namespace
