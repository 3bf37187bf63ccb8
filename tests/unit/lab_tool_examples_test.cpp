// The worked examples of the laboratory and liver calculators.
#include "tests/support/worked_example.h"

namespace {

const WorkedExample kExamples[] = {
    // program, inputs of the example, outputs the reference lists, tolerance, level
    {"AnionGap", {{"na", 136}, {"cl", 100}, {"hco3", 20}, {"alb", 28}, {"k", 4.2}},
     {{"ag", 16}, {"ag_k", 20.2}, {"ag_corr", 19}}, 0.001, 2},
    {"AnionGap", {{"na", 140}, {"cl", 104}, {"hco3", 20.04}, {"alb", 40}, {"k", 4}},
     {{"ag", 15.96}, {"ag_k", 19.96}, {"ag_corr", 15.96}}, 0.001, 0},
    {"AnionGap", {{"na", 135}, {"cl", 110}, {"hco3", 24}, {"alb", 40}, {"k", 0}}, {{"ag", 1}, {"ag_corr", 1}}, 0.001, 1},
    {"CorrectedCalcium", {{"ca", 1.9296}, {"alb", 30}}, {{"ca_corr", 2.1296}}, 0.0001, 1},
    {"CorrectedCalcium", {{"ca", 2.9}, {"alb", 40}}, {{"ca_corr", 2.9}}, 0.0001, 2},
    {"SerumOsmolality", {{"na", 140}, {"k", 4}, {"glu", 5}, {"urea", 5}, {"mosm", 310}},
     {{"calc_osm", 290}, {"gap", 20}}, 0.001, 2},
    {"SerumOsmolality", {{"na", 150}, {"k", 4.5}, {"glu", 40}, {"urea", 15}, {"mosm", 0}},
     {{"eff_osm", 349}, {"calc_osm", 355}}, 0.001, 3},
    {"SerumOsmolality", {{"na", 140}, {"k", 4}, {"glu", 5}, {"urea", 5}, {"mosm", 270}},
     {{"calc_osm", 290}, {"gap", -20}}, 0.001, 1},
    {"SerumOsmolality", {{"na", 148}, {"k", 4}, {"glu", 5}, {"urea", 5}, {"mosm", 0}},
     {{"calc_osm", 306}, {"eff_osm", 309}}, 0.001, 1},
    {"SerumOsmolality", {{"na", 130}, {"k", 4}, {"glu", 5}, {"urea", 3}, {"mosm", 0}},
     {{"calc_osm", 268}, {"eff_osm", 273}}, 0.001, 1},
    {"CorrectedSodium", {{"na", 130}, {"glu", 30}}, {{"glu_mg", 540}, {"katz", 137.04}, {"hillier", 140.56}}, 0.001, 0},
    {"CorrectedSodium", {{"na", 140}, {"glu", 23.0556}}, {{"katz", 145.04}, {"hillier", 147.56}}, 0.001, 1},
    {"CorrectedSodium", {{"na", 150}, {"glu", 10}}, {{"katz", 151.28}, {"hillier", 151.92}}, 0.001, 2},
    {"CorrectedSodium", {{"na", 125}, {"glu", 10}}, {{"katz", 126.28}, {"hillier", 126.92}}, 0.001, 2},
    {"FreeWaterDeficit", {{"sex", 1}, {"age", 50}, {"w", 70}, {"na", 160}},
     {{"tbw", 42}, {"fwd", 6}, {"cn_ml", 5040}, {"cn_day1", 2520}}, 0.001, 2},
    {"FreeWaterDeficit", {{"sex", 0}, {"age", 80}, {"w", 50}, {"na", 152}},
     {{"tbwf", 0.45}, {"tbw", 22.5}, {"fwd", 1.9286}, {"cn_ml", 1500}}, 0.001, 2},
    {"FreeWaterDeficit", {{"sex", 1}, {"age", 50}, {"w", 70}, {"na", 130}},
     {{"fwd", 0}, {"cn_ml", 0}, {"cn_day1", 0}}, 0.001, 1},
    {"FreeWaterDeficit", {{"sex", 0}, {"age", 40}, {"w", 60}, {"na", 141}}, {{"fwd", 0.2143}, {"cn_ml", 0}}, 0.001, 0},
    {"FreeWaterDeficit", {{"sex", 1}, {"age", 50}, {"w", 70}, {"na", 148}}, {{"fwd", 2.4}, {"cn_ml", 1680}}, 0.001, 1},
    {"SodiumDeficit", {{"sex", 1}, {"w", 70}, {"na", 118}, {"target", 142}},
     {{"def_mmol", 1008}, {"nacl_g", 59.2941}, {"ml10", 592.9412}, {"ml3", 1976.4706}, {"tbw", 42},
      {"dna3", 9.186}, {"ml3_per1", 108.8608}},
     0.001, 3},
    {"SodiumDeficit", {{"sex", 1}, {"w", 60}, {"na", 142}, {"target", 142}},
     {{"def_mmol", 0}, {"nacl_g", 0}, {"day1_g", 0}}, 0.001, 0},
    {"SodiumDeficit", {{"sex", 1}, {"w", 60}, {"na", 125}, {"target", 142}},
     {{"def_mmol", 612}, {"nacl_g", 36}, {"day1_g", 22.5}}, 0.001, 2},
    {"SodiumDeficit", {{"sex", 1}, {"w", 60}, {"na", 150}, {"target", 142}}, {{"def_mmol", 0}, {"day1_g", 0}}, 0.001, 1},
    {"LdlCholesterol", {{"tc", 5.2}, {"hdl", 1.3}, {"tg", 1.5}}, {{"ldl", 3.2182}, {"vldl", 0.6818}, {"nonhdl", 3.9}}, 0.001, 0},
    {"LdlCholesterol", {{"tc", 6.5}, {"hdl", 1}, {"tg", 2}}, {{"ldl", 4.5909}}, 0.001, 2},
    {"LdlCholesterol", {{"tc", 7}, {"hdl", 0.9}, {"tg", 5}}, {{"ldl", 3.8273}}, 0.001, 2},
    {"LdlCholesterol", {{"tc", 5.5}, {"hdl", 1}, {"tg", 0.8888}}, {{"ldl", 4.096}}, 0.001, 2},
    {"LdlCholesterol", {{"tc", 4}, {"hdl", 1.5}, {"tg", 1}}, {{"ldl", 2.0455}}, 0.001, 0},
    {"ChildPugh", {{"bili", 20}, {"alb", 38}, {"inr", 1.1}, {"asc", 1}, {"he", 1}}, {{"score", 5}, {"cls", 1}}, 0.001, 0},
    {"ChildPugh", {{"bili", 45}, {"alb", 30}, {"inr", 1.8}, {"asc", 2}, {"he", 1}},
     {{"pb", 2}, {"pa", 2}, {"pi", 2}, {"score", 9}, {"cls", 2}}, 0.001, 2},
    {"ChildPugh", {{"bili", 60}, {"alb", 25}, {"inr", 2.5}, {"asc", 3}, {"he", 3}}, {{"score", 15}, {"cls", 3}}, 0.001, 3},
    {"ChildPugh", {{"bili", 34}, {"alb", 35}, {"inr", 1.7}, {"asc", 1}, {"he", 1}},
     {{"pb", 2}, {"pa", 2}, {"pi", 2}, {"score", 8}}, 0.001, 2},
    {"MeldScore", {{"bili", 10}, {"inr", 0.9}, {"cr", 60}, {"dial", 0}},
     {{"b", 1}, {"i", 1}, {"c", 1}, {"meld_raw", 6.43}, {"meld", 6}}, 0.001, 0},
    {"MeldScore", {{"bili", 85.5}, {"inr", 2}, {"cr", 200}, {"dial", 1}}, {{"c", 4}, {"meld_raw", 33.5437}, {"meld", 34}}, 0.001, 3},
    {"MeldScore", {{"bili", 100}, {"inr", 2}, {"cr", 150}, {"dial", 0}}, {{"meld_raw", 25.9293}, {"meld", 26}}, 0.001, 3},
};

TEST(LabToolExamples, WorkedExamplesOfTheReference) {
    for (const WorkedExample& example : kExamples) CheckWorkedExample(example);
}

}  // namespace
