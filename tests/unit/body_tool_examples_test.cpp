#include "tests/support/worked_example.h"

namespace {

const WorkedExample kExamples[] = {
    // program, inputs the example gives, outputs it lists, tolerance, level
    {"CreatinineClearance", {{"sex", 1}, {"age", 80}, {"w", 50}, {"scr", 200}},
     {{"scr_mg", 2.2624}, {"crcl", 18.4167}, {"crcl_si", 18.45}}, 0.001, 3},
    {"EGFR", {{"sex", 1}, {"age", 60}, {"scr", 90}},
     {{"scr_mg", 1.0181}, {"egfr21", 84.3278}, {"egfr09", 79.6957}, {"egfr_r", 84}}, 0.001, 1},
    {"EGFR", {{"sex", 0}, {"age", 70}, {"scr", 250}}, {{"egfr21", 17.4073}, {"egfr_r", 17}}, 0.001, 3},
    {"BodyMassIndex", {{"w", 80}, {"h", 170}}, {{"bmi", 27.6817}, {"w_lo", 53.465}, {"w_hi", 69.36}}, 0.001, 1},
    {"BodyMassIndex", {{"w", 85}, {"h", 172}}, {{"bmi", 28.7317}}, 0.001, 2},
    {"BodyMassIndex", {{"w", 50}, {"h", 170}}, {{"bmi", 17.301}}, 0.001, 1},
    {"BodySurfaceArea", {{"h", 170}, {"w", 65}, {"sex", 1}},
     {{"mosteller", 1.752}, {"dubois", 1.7536}, {"cn_male", 1.7876}, {"cn_child", 1.75}}, 0.001, 0},
    {"IdealBodyWeight", {{"sex", 0}, {"h", 162.56}, {"w", 80}}, {{"ibw", 54.7}, {"abw", 64.82}, {"pct", 146.2523}}, 0.001, 1},
    {"IdealBodyWeight", {{"sex", 1}, {"h", 170}, {"w", 80}},
     {{"ibw", 65.937}, {"pbw", 66.016}, {"abw", 71.5622}, {"pct", 121.3279}}, 0.001, 0},
    {"MeanArterialPressure", {{"sbp", 120}, {"dbp", 80}}, {{"map", 93.3333}, {"pp", 40}}, 0.001, 0},
    {"CorrectedQT", {{"sex", 0}, {"qt", 440}, {"hr", 100}}, {{"qtcb", 568.0376}, {"qtcf", 521.6777}, {"qtc_v", 521.6777}}, 0.001, 3},
    {"CorrectedQT", {{"sex", 1}, {"qt", 420}, {"hr", 70}}, {{"qtcb", 453.6518}, {"qtcf", 442.1452}}, 0.001, 2},
    {"ShockIndex", {{"hr", 72}, {"sbp", 120}, {"dbp", 80}}, {{"si", 0.6}, {"msi", 0.7714}}, 0.001, 0},
};

TEST(BodyToolExamples, WorkedExamplesOfTheReference) {
    for (const WorkedExample& example : kExamples) CheckWorkedExample(example);
}

}  // namespace
