// The worked examples of the laboratory and liver calculators.
#include "tests/support/worked_example.h"

namespace {

const WorkedExample kExamples[] = {
    // program, inputs that differ from the defaults, outputs the reference lists, tolerance, level
    {"AnionGap", {{"na", 136}, {"cl", 100}, {"hco3", 20}, {"alb", 28}, {"k", 4.2}},
     {{"ag", 16}, {"ag_k", 20.2}, {"ag_corr", 19}}, 0.001, 2},
    {"CorrectedCalcium", {{"ca", 2.2}, {"alb", 40}}, {{"ca_corr", 2.2}}, 0.001, 1},
    {"SerumOsmolality", {{"na", 140}, {"k", 4}, {"glu", 5}, {"urea", 5}, {"mosm", 310}},
     {{"calc_osm", 290}, {"gap", 20}}, 0.001, 2},
    {"SerumOsmolality", {{"na", 150}, {"k", 4.5}, {"glu", 40}, {"urea", 15}, {"mosm", 0}},
     {{"eff_osm", 349}, {"calc_osm", 355}}, 0.001, 3},
    {"CorrectedSodium", {{"na", 130}, {"glu", 30}}, {{"glu_mg", 540}, {"katz", 137.04}, {"hillier", 140.56}}, 0.001, 0},
    {"FreeWaterDeficit", {{"sex", 1}, {"age", 50}, {"w", 70}, {"na", 160}},
     {{"tbw", 42}, {"fwd", 6}, {"cn_ml", 5040}, {"cn_day1", 2520}}, 0.001, 2},
    {"FreeWaterDeficit", {{"sex", 0}, {"age", 80}, {"w", 50}, {"na", 152}},
     {{"tbwf", 0.45}, {"tbw", 22.5}, {"fwd", 1.9286}, {"cn_ml", 1500}}, 0.001, 2},
    {"SodiumDeficit", {{"sex", 1}, {"w", 70}, {"na", 118}, {"target", 142}},
     {{"def_mmol", 1008}, {"nacl_g", 59.2941}, {"ml10", 592.9412}, {"ml3", 1976.4706}, {"tbw", 42},
      {"dna3", 9.186}, {"ml3_per1", 108.8608}},
     0.001, 3},
    {"LdlCholesterol", {{"tc", 5.2}, {"hdl", 1.3}, {"tg", 1.5}}, {{"ldl", 3.2182}, {"vldl", 0.6818}, {"nonhdl", 3.9}}, 0.001, 0},
    {"LdlCholesterol", {{"tc", 6.5}, {"hdl", 1}, {"tg", 2}}, {{"ldl", 4.5909}}, 0.001, 2},
    {"LdlCholesterol", {{"tc", 7}, {"hdl", 0.9}, {"tg", 5}}, {{"ldl", 3.8273}}, 0.001, 2},
    {"ChildPugh", {{"bili", 20}, {"alb", 38}, {"inr", 1.1}, {"asc", 1}, {"he", 1}}, {{"score", 5}, {"cls", 1}}, 0.001, 0},
    {"ChildPugh", {{"bili", 45}, {"alb", 30}, {"inr", 1.8}, {"asc", 2}, {"he", 1}},
     {{"pb", 2}, {"pa", 2}, {"pi", 2}, {"score", 9}, {"cls", 2}}, 0.001, 2},
    {"ChildPugh", {{"bili", 60}, {"alb", 25}, {"inr", 2.5}, {"asc", 3}, {"he", 3}}, {{"score", 15}, {"cls", 3}}, 0.001, 3},
    {"ChildPugh", {{"bili", 34}, {"alb", 35}, {"inr", 1.7}, {"asc", 1}, {"he", 1}},
     {{"pb", 2}, {"pa", 2}, {"pi", 2}, {"score", 8}}, 0.001, 2},
    {"MeldScore", {{"bili", 10}, {"inr", 0.9}, {"cr", 60}, {"dial", 0}},
     {{"b", 1}, {"i", 1}, {"c", 1}, {"meld_raw", 6.43}, {"meld", 6}}, 0.001, 0},
    {"MeldScore", {{"bili", 85.5}, {"inr", 2}, {"cr", 200}, {"dial", 1}}, {{"c", 4}, {"meld_raw", 33.5437}, {"meld", 34}}, 0.001, 3},
};

TEST(LabToolExamples, WorkedExamplesOfTheReference) {
    for (const WorkedExample& example : kExamples) CheckWorkedExample(example);
}

}  // namespace
