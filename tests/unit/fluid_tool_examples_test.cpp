#include "tests/support/worked_example.h"

namespace {

const WorkedExample kExamples[] = {
    // program, inputs, outputs the reference lists, tolerance, level
    {"GlucoseInfusionTotal",
     {{"w", 3.5}, {"r1", 10}, {"c1", 10}, {"r2", 0}, {"c2", 0}, {"r3", 0}, {"c3", 0}, {"neo", 1}},
     {{"gmin", 16.6667}, {"gir", 4.7619}, {"g_day", 24}, {"g_kg_day", 6.8571}, {"kcal_day", 81.6}, {"ml_kg_day", 68.5714}},
     0.001, 2},
    {"GlucoseInfusionTotal",
     {{"w", 3}, {"r1", 12}, {"c1", 10}, {"r2", 2}, {"c2", 5}, {"r3", 0}, {"c3", 0}, {"neo", 1}},
     {{"gmin", 21.6667}, {"gir", 7.2222}, {"g_day", 31.2}, {"ml_h", 14}},
     0.001, 0},
    {"GlucoseInfusionTotal",
     {{"w", 70}, {"r1", 100}, {"c1", 5}, {"r2", 0}, {"c2", 0}, {"r3", 0}, {"c3", 0}, {"neo", 0}},
     {{"gmin", 83.3333}, {"gir", 1.1905}, {"g_day", 120}, {"kcal_day", 408}},
     0.001, 0},
    {"GlucoseTargetRate", {{"w", 3.5}, {"gir_t", 6}, {"conc", 10}, {"central", 0}},
     {{"rate", 12.6}, {"ml_kg_day", 86.4}, {"g_day", 30.24}}, 0.001, 0},
    {"GlucoseTargetRate", {{"w", 3}, {"gir_t", 8}, {"conc", 15}, {"central", 0}},
     {{"rate", 9.6}, {"ml_kg_day", 76.8}, {"g_day", 34.56}}, 0.001, 3},
    {"MaintenanceFluid", {{"w", 8}}, {{"ml_h", 32}, {"ml_day", 800}, {"ml_h_day", 33.3333}}, 0.001, 0},
    {"BurnFluid", {{"w", 70}, {"tbsa", 20}, {"tbsa3", 0}, {"ped", 0}, {"t", 2}, {"given", 500}},
     {{"pk_rate8", 383.3333}, {"cn_cc", 2100}, {"cn_rate8", 214.5833}, {"cn_rate16", 148.9583}}, 0.001, 2},
    {"BasalEnergy", {{"sex", 1}, {"w", 63}, {"h", 175}, {"age", 50}, {"af", 1}, {"sf", 1}},
     {{"bee", 1470.6513}, {"bee_rs", 1488.348}, {"tee", 1470.6513}}, 0.01, 0},
    {"BasalEnergy", {{"sex", 0}, {"w", 60}, {"h", 160}, {"age", 40}, {"af", 1.2}, {"sf", 1.3}},
     {{"bee", 1337.8115}, {"bee_rs", 1324.893}, {"tee", 2086.9859}}, 0.01, 0},
    {"DripRate", {{"vol", 250}, {"t_h", 1}, {"df", 20}, {"gtt", 0}, {"grp", 1}},
     {{"gpm", 83.3333}, {"gpm_int", 83}, {"ml_h", 250}}, 0.001, 2},
    {"SyringePump", {{"w", 60}, {"dose", 5}, {"mg", 180}, {"vol", 50}, {"rate_in", 0}},
     {{"conc", 3600}, {"rate", 5}, {"dur_h", 10}, {"dose_chk", 0}, {"per1", 1}, {"mg_rule3", 180}, {"ug_min", 300}},
     0.001, 0},
};

TEST(FluidToolExamples, WorkedExamplesOfTheReference) {
    for (const WorkedExample& example : kExamples) CheckWorkedExample(example);
}

}  // namespace
