#include "tests/support/worked_example.h"

namespace {

const WorkedExample kExamples[] = {
    // program, inputs the example gives, outputs it lists, tolerance, level
    {"CreatinineClearance", {{"sex", 1}, {"age", 80}, {"w", 50}, {"scr", 200}},
     {{"scr_mg", 2.2624}, {"crcl", 18.4167}, {"crcl_si", 18.45}}, 0.001, 3},
    {"CreatinineClearance", {{"sex", 1}, {"age", 80}, {"w", 50}, {"scr", 122.94}}, {{"crcl", 29.9604}}, 0.001, 2},
    {"CreatinineClearance", {{"sex", 1}, {"age", 80}, {"w", 50}, {"scr", 500}}, {{"crcl", 7.3667}}, 0.001, 3},
    {"CreatinineClearance", {{"sex", 1}, {"age", 30}, {"w", 80}, {"scr", 70}}, {{"crcl", 154.3492}}, 0.001, 0},
    {"EGFR", {{"sex", 1}, {"age", 60}, {"scr", 90}},
     {{"scr_mg", 1.0181}, {"egfr21", 84.3278}, {"egfr09", 79.6957}, {"egfr_r", 84}}, 0.001, 1},
    {"EGFR", {{"sex", 0}, {"age", 70}, {"scr", 250}}, {{"egfr21", 17.4073}, {"egfr_r", 17}}, 0.001, 3},
    {"EGFR", {{"sex", 0}, {"age", 70}, {"scr", 600}}, {{"egfr21", 6.088}, {"egfr_r", 6}}, 0.001, 3},
    {"EGFR", {{"sex", 1}, {"age", 60}, {"scr", 170}}, {{"egfr21", 39.3118}, {"egfr_r", 39}}, 0.001, 2},
    {"EGFR", {{"sex", 1}, {"age", 60}, {"scr", 130}}, {{"egfr21", 54.2412}, {"egfr_r", 54}}, 0.001, 2},
    {"EGFR", {{"sex", 1}, {"age", 30}, {"scr", 70}}, {{"egfr21", 122.4752}, {"egfr_r", 122}}, 0.001, 0},
    {"BodyMassIndex", {{"w", 80}, {"h", 170}}, {{"bmi", 27.6817}, {"w_lo", 53.465}, {"w_hi", 69.36}}, 0.001, 1},
    {"BodyMassIndex", {{"w", 85}, {"h", 172}}, {{"bmi", 28.7317}}, 0.001, 2},
    {"BodyMassIndex", {{"w", 50}, {"h", 170}}, {{"bmi", 17.301}}, 0.001, 1},
    {"BodySurfaceArea", {{"h", 170}, {"w", 65}, {"sex", 1}},
     {{"mosteller", 1.752}, {"dubois", 1.7536}, {"cn_male", 1.7876}, {"cn_child", 1.6}}, 0.001, 0},
    {"BodySurfaceArea", {{"h", 160}, {"w", 60}, {"sex", 0}}, {{"cn_male", 0}, {"cn_child", 1.55}}, 0.0001, 0},
    {"BodySurfaceArea", {{"h", 150}, {"w", 150}, {"sex", 1}}, {{"mosteller", 2.5}, {"dubois", 2.2849}}, 0.001, 1},
    {"IdealBodyWeight", {{"sex", 0}, {"h", 162.56}, {"w", 80}}, {{"ibw", 54.7}, {"abw", 64.82}, {"pct", 146.2523}}, 0.001, 1},
    {"IdealBodyWeight", {{"sex", 1}, {"h", 170}, {"w", 80}},
     {{"ibw", 65.937}, {"pbw", 66.016}, {"abw", 71.5622}, {"pct", 121.3279}}, 0.001, 0},
    {"IdealBodyWeight", {{"sex", 0}, {"h", 100}, {"w", 20}}, {{"ibw", -1.9488}, {"pct", 0}}, 0.001, 2},
    {"IdealBodyWeight", {{"sex", 1}, {"h", 170}, {"w", 86}}, {{"ibw", 65.937}, {"pct", 130.4275}}, 0.001, 0},
    {"IdealBodyWeight", {{"sex", 1}, {"h", 150}, {"w", 50}}, {{"ibw", 47.8268}, {"pct", 104.544}}, 0.001, 1},
    {"IdealBodyWeight", {{"sex", 1}, {"h", 180}, {"w", 60}}, {{"ibw", 74.9921}, {"pct", 80.0084}}, 0.001, 1},
    {"MeanArterialPressure", {{"sbp", 79}, {"dbp", 50}}, {{"map", 59.6667}}, 0.001, 2},
    {"MeanArterialPressure", {{"sbp", 70}, {"dbp", 50}}, {{"map", 56.6667}}, 0.001, 3},
    {"MeanArterialPressure", {{"sbp", 190}, {"dbp", 120}}, {{"map", 143.3333}}, 0.001, 1},
    {"CorrectedQT", {{"sex", 0}, {"qt", 440}, {"hr", 100}},
     {{"qtcb", 568.0376}, {"qtcf", 521.6777}, {"qtc_v", 521.6777}}, 0.001, 3},
    {"CorrectedQT", {{"sex", 1}, {"qt", 420}, {"hr", 70}}, {{"qtcb", 453.6518}, {"qtcf", 442.1452}}, 0.001, 2},
    {"CorrectedQT", {{"sex", 1}, {"qt", 446.86}, {"hr", 75}}, {{"qtcb", 499.6047}, {"qtc_v", 499.6047}}, 0.001, 3},
    {"CorrectedQT", {{"sex", 0}, {"qt", 420}, {"hr", 75}}, {{"qtcb", 469.5743}, {"qtc_v", 469.5743}}, 0.001, 2},
    {"CorrectedQT", {{"sex", 1}, {"qt", 480}, {"hr", 35}}, {{"rr", 1.7143}, {"qtcb", 366.6061}}, 0.001, 1},
    {"ShockIndex", {{"hr", 72}, {"sbp", 120}, {"dbp", 80}}, {{"si", 0.6}, {"msi", 0.7714}}, 0.001, 0},
    {"ShockIndex", {{"hr", 239}, {"sbp", 240}, {"dbp", 0}}, {{"si", 0.9958}, {"msi", 0}}, 0.001, 2},
    {"ShockIndex", {{"hr", 55}, {"sbp", 130}, {"dbp", 80}}, {{"si", 0.4231}, {"msi", 0.569}}, 0.001, 0},
    {"ShockIndex", {{"hr", 160}, {"sbp", 70}, {"dbp", 0}}, {{"si", 2.2857}}, 0.001, 3},
    {"ShockIndex", {{"hr", 90}, {"sbp", 110}, {"dbp", 70}}, {{"si", 0.8182}, {"msi", 1.08}}, 0.001, 1},
};

TEST(BodyToolExamples, WorkedExamplesOfTheReference) {
    for (const WorkedExample& example : kExamples) CheckWorkedExample(example);
}

}  // namespace
