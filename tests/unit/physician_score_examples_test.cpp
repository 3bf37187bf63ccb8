#include "tests/support/worked_example.h"

namespace {

const WorkedExample kExamples[] = {
    // program, inputs of the example, outputs the reference lists, tolerance, level
    {"PregnancyWeightGain", {{"pre", 55}, {"h", 160}, {"cur", 65}, {"gw", 24}, {"single", 1}},
     {{"gain", 10}, {"exp_hi", 6.8}}, 0.001, 2},
    {"PregnancyWeightGain", {{"pre", 55}, {"h", 160}, {"cur", 69.5}, {"gw", 40}, {"single", 1}},
     {{"gain", 14.5}, {"tot_hi", 14}, {"exp_hi", 14.48}}, 0.001, 2},
    {"PregnancyWeightGain", {{"pre", 55}, {"h", 160}, {"cur", 58}, {"gw", 10}, {"single", 1}},
     {{"gain", 3}, {"exp_lo", 0}, {"exp_hi", 2}}, 0.001, 1},
    {"PregnancyWeightGain", {{"pre", 55}, {"h", 160}, {"cur", 54}, {"gw", 9}, {"single", 1}}, {{"gain", -1}}, 0.001, 1},
    {"PregnancyWeightGain", {{"pre", 55}, {"h", 160}, {"cur", 57}, {"gw", 13.9}, {"single", 1}},
     {{"gain", 2}, {"exp_lo", 0}, {"exp_hi", 2}}, 0.001, 0},
    {"PregnancyWeightGain", {{"pre", 55}, {"h", 160}, {"cur", 58}, {"gw", 14}, {"single", 1}},
     {{"gain", 3}, {"exp_lo", 0}, {"exp_hi", 2}}, 0.001, 2},
    {"PregnancyWeightGain", {{"pre", 61.34}, {"h", 160}, {"cur", 66}, {"gw", 24}, {"single", 1}},
     {{"bmi", 23.9609}, {"cat", 3}, {"tot_lo", 7}, {"tot_hi", 11}}, 0.001, 0},
    {"PregnancyWeightGain", {{"pre", 55}, {"h", 160}, {"cur", 62}, {"gw", 24}, {"single", 0}}, {{"gain", 7}}, 0.001, 1},
    {"PregnancyWeightGain", {{"pre", 95}, {"h", 165}, {"cur", 101}, {"gw", 30}, {"single", 1}},
     {{"bmi", 34.8944}, {"cat", 4}, {"tot_lo", 5}, {"tot_hi", 9}, {"exp_lo", 2.4}, {"exp_hi", 6.8}}, 0.001, 0},

    {"DehydrationFluid", {{"w", 8}, {"deg", 2}, {"typ", 1}, {"shock", 0}},
     {{"tot_lo", 960}, {"tot_hi", 1200}, {"ton", 0.5}, {"ph1_lo", 480}, {"ph1_hi", 600}, {"r1_lo", 64}, {"r1_hi", 80},
      {"r2", 40}}, 0.0001, 2},
    {"DehydrationFluid", {{"w", 6}, {"deg", 1}, {"typ", 3}, {"shock", 0}},
     {{"tot_lo", 540}, {"tot_hi", 720}, {"def_lo", 180}, {"def_hi", 300}, {"ton", 0.3333}}, 0.0001, 1},
    {"DehydrationFluid", {{"w", 12}, {"deg", 3}, {"typ", 4}, {"shock", 0}},
     {{"tot_lo", 1800}, {"tot_hi", 2160}, {"ton", 0.5}, {"exp_ml", 0}, {"ph1_hi", 1080}}, 0.0001, 3},
    {"DehydrationFluid", {{"w", 10}, {"deg", 2}, {"typ", 1}, {"shock", 1}}, {{"exp_ml", 200}}, 0.0001, 2},

    {"Nihss", {{"loc", 0}, {"locq", 0}, {"locc", 0}, {"gaze", 0}, {"visual", 0}, {"face", 0}, {"arm_l", 0}, {"arm_r", 0},
               {"leg_l", 0}, {"leg_r", 0}, {"ataxia", 0}, {"sensory", 0}, {"language", 0}, {"dysarthria", 0}, {"neglect", 0}},
     {{"motor", 0}, {"score", 0}}, 0, 0},
    {"Nihss", {{"loc", 0}, {"locq", 1}, {"locc", 0}, {"gaze", 0}, {"visual", 0}, {"face", 2}, {"arm_l", 0}, {"arm_r", 3},
               {"leg_l", 0}, {"leg_r", 2}, {"ataxia", 0}, {"sensory", 1}, {"language", 1}, {"dysarthria", 0}, {"neglect", 0}},
     {{"motor", 5}, {"score", 10}}, 0, 2},
    {"Nihss", {{"loc", 1}, {"locq", 2}, {"locc", 1}, {"gaze", 1}, {"visual", 2}, {"face", 2}, {"arm_l", 0}, {"arm_r", 4},
               {"leg_l", 0}, {"leg_r", 3}, {"ataxia", 0}, {"sensory", 1}, {"language", 2}, {"dysarthria", 0}, {"neglect", 0}},
     {{"motor", 7}, {"score", 19}}, 0, 3},
    {"Nihss", {{"loc", 2}, {"locq", 2}, {"locc", 2}, {"gaze", 2}, {"visual", 2}, {"face", 3}, {"arm_l", 4}, {"arm_r", 0},
               {"leg_l", 4}, {"leg_r", 0}, {"ataxia", 0}, {"sensory", 2}, {"language", 0}, {"dysarthria", 2}, {"neglect", 2}},
     {{"motor", 8}, {"score", 27}}, 0, 3},

    {"WellsDvt", {{"cancer", 0}, {"paresis", 0}, {"bedrest", 0}, {"tender", 1}, {"leg", 0}, {"calf", 1}, {"pitting", 0},
                  {"collat", 0}, {"prev", 0}, {"alt", 0}},
     {{"score", 2}}, 0, 2},
    {"WellsDvt", {{"cancer", 0}, {"paresis", 0}, {"bedrest", 0}, {"tender", 0}, {"leg", 0}, {"calf", 0}, {"pitting", 1},
                  {"collat", 0}, {"prev", 1}, {"alt", -2}},
     {{"score", 0}}, 0, 0},
    {"WellsDvt", {{"cancer", 0}, {"paresis", 0}, {"bedrest", 0}, {"tender", 0}, {"leg", 1}, {"calf", 0}, {"pitting", 0},
                  {"collat", 0}, {"prev", 0}, {"alt", 0}},
     {{"score", 1}}, 0, 1},

    {"WellsPe", {{"dvt", 0}, {"pe1", 0}, {"hr", 0}, {"immob", 1.5}, {"prev", 0}, {"haem", 0}, {"cancer", 1}},
     {{"score", 2.5}, {"simple", 2}}, 0, 1},

    {"HasBled", {{"htn", 0}, {"renal", 0}, {"liver", 0}, {"stroke", 0}, {"bleed", 0}, {"inr", 0}, {"age", 70}, {"drugs", 1},
                 {"alcohol", 0}},
     {{"elderly", 1}, {"score", 2}}, 0, 1},
    {"HasBled", {{"htn", 1}, {"renal", 0}, {"liver", 0}, {"stroke", 0}, {"bleed", 0}, {"inr", 0}, {"age", 65}, {"drugs", 0},
                 {"alcohol", 0}},
     {{"elderly", 0}, {"score", 1}}, 0, 0},

    {"Sofa", {{"pao2", 95}, {"fio2", 21}, {"vent", 0}, {"plt", 200}, {"bili", 12}, {"map", 85}, {"vaso", 0}, {"gcs", 15},
              {"cr", 70}, {"uo", 0}, {"base", 0}},
     {{"pf", 452.381}, {"sofa", 0}, {"delta", 0}}, 0.001, 0},
    {"Sofa", {{"pao2", 95}, {"fio2", 21}, {"vent", 0}, {"plt", 200}, {"bili", 12}, {"map", 85}, {"vaso", 0}, {"gcs", 15},
              {"cr", 180}, {"uo", 0}, {"base", 2}},
     {{"p_renal", 2}, {"sofa", 2}, {"delta", 0}}, 0, 1},
    {"Sofa", {{"pao2", 70}, {"fio2", 40}, {"vent", 0}, {"plt", 200}, {"bili", 12}, {"map", 85}, {"vaso", 0}, {"gcs", 15},
              {"cr", 70}, {"uo", 0}, {"base", 0}},
     {{"pf", 175}, {"p_resp", 2}}, 0, 3},

    {"GlasgowBlatchford", {{"urea", 12}, {"sex", 0}, {"hb", 105}, {"sbp", 104}, {"hr", 102}, {"melaena", 1}, {"syncope", 0},
                           {"hepatic", 0}, {"cardiac", 0}},
     {{"p_urea", 4}, {"p_hb", 1}, {"p_sbp", 1}, {"p_other", 2}, {"score", 8}}, 0, 3},
    {"GlasgowBlatchford", {{"urea", 7}, {"sex", 1}, {"hb", 125}, {"sbp", 125}, {"hr", 80}, {"melaena", 0}, {"syncope", 0},
                           {"hepatic", 0}, {"cardiac", 0}},
     {{"p_urea", 2}, {"p_hb", 1}, {"score", 3}}, 0, 2},
    {"GlasgowBlatchford", {{"urea", 5}, {"sex", 0}, {"hb", 118}, {"sbp", 125}, {"hr", 80}, {"melaena", 0}, {"syncope", 0},
                           {"hepatic", 0}, {"cardiac", 0}},
     {{"p_hb", 1}, {"score", 1}}, 0, 1},

    {"Bisap", {{"urea", 10.2}, {"mental", 0}, {"sirs", 1}, {"age", 66}, {"effusion", 0}}, {{"p_bun", 1}, {"score", 3}}, 0, 3},
    {"Bisap", {{"urea", 5}, {"mental", 0}, {"sirs", 1}, {"age", 45}, {"effusion", 1}}, {{"score", 2}}, 0, 1},

    {"HeartScore", {{"hist", 1}, {"ecg", 0}, {"age", 50}, {"risk", 1}, {"trop", 0}}, {{"score", 3}}, 0, 0},
    {"HeartScore", {{"hist", 0}, {"ecg", 0}, {"age", 65}, {"risk", 0}, {"trop", 0}}, {{"p_age", 2}, {"score", 2}}, 0, 0},
};

TEST(PhysicianScoreExamples, WorkedExamplesOfTheReference) {
    for (const WorkedExample& example : kExamples) CheckWorkedExample(example);
}

}  // namespace
