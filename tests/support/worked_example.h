// One worked example of the clinical reference as a table row: the inputs
// that differ from the tool's defaults, the outputs it lists (by key, within
// the tolerance) and the verdict level, checked through the calculation run.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "engine/calculation.h"
#include "tests/support/catalogue_tool.h"

struct WorkedExample {
    const char* program;
    std::vector<std::pair<const char*, double>> inputs;   // the others keep their defaults
    std::vector<std::pair<const char*, double>> outputs;  // as listed by the reference
    double tolerance;
    int32_t level;
};

inline void CheckWorkedExample(const WorkedExample& example) {
    const ToolDef& tool = CatalogueTool(example.program);
    SCOPED_TRACE(example.program);
    double inputs[kMaxInputs] = {};
    for (int i = 0; i < tool.inputCount; ++i) inputs[i] = tool.inputs[i].defaultValue;
    for (const auto& [key, value] : example.inputs) {
        int found = -1;
        for (int i = 0; i < tool.inputCount; ++i)
            if (std::strcmp(tool.inputs[i].key, key) == 0) found = i;
        ASSERT_GE(found, 0) << "no input " << key;
        inputs[found] = value;
    }
    static CalculationResult result;
    Calculate(tool, inputs, &result);
    EXPECT_EQ(result.failedCount, 0);
    for (const auto& [key, expected] : example.outputs) {
        int found = -1;
        for (int i = 0; i < tool.outputCount; ++i)
            if (std::strcmp(tool.outputs[i].key, key) == 0) found = i;
        ASSERT_GE(found, 0) << "no output " << key;
        EXPECT_NEAR(result.outputValues[found], expected, example.tolerance) << key;
    }
    EXPECT_EQ(result.level, example.level) << "verdict " << ::testing::PrintToString(std::wstring(result.verdictText));
}
