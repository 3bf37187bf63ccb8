#include "tests/support/worked_example.h"

namespace {

const WorkedExample kExamples[] = {
    // program, inputs of the example, outputs the reference lists, tolerance, level
    {"NortonScale", {{"phys", 3}, {"ment", 3}, {"act", 3}, {"mob", 3}, {"inc", 2}}, {{"score", 14}}, 0, 1},
    {"NortonScale", {{"phys", 3}, {"ment", 2}, {"act", 2}, {"mob", 2}, {"inc", 3}}, {{"score", 12}}, 0, 2},
    {"NortonScale", {{"phys", 2}, {"ment", 2}, {"act", 1}, {"mob", 2}, {"inc", 2}}, {{"score", 9}}, 0, 3},
    {"HumptyDumpty",
     {{"age", 4}, {"sex", 2}, {"dx", 3}, {"cog", 1}, {"env", 4}, {"surg", 1}, {"med", 1}}, {{"score", 16}}, 0, 3},
    {"HumptyDumpty",
     {{"age", 2}, {"sex", 2}, {"dx", 1}, {"cog", 1}, {"env", 2}, {"surg", 2}, {"med", 1}}, {{"score", 11}}, 0, 0},
    {"HumptyDumpty",
     {{"age", 3}, {"sex", 1}, {"dx", 1}, {"cog", 2}, {"env", 2}, {"surg", 2}, {"med", 1}}, {{"score", 12}}, 0, 3},
    {"HendrichFallRisk",
     {{"conf", 4}, {"dep", 0}, {"elim", 1}, {"dizzy", 1}, {"male", 1}, {"aed", 0}, {"bzd", 0}, {"gug", 1}},
     {{"score", 8}}, 0, 3},
    {"HendrichFallRisk",
     {{"conf", 4}, {"dep", 0}, {"elim", 0}, {"dizzy", 0}, {"male", 0}, {"aed", 0}, {"bzd", 0}, {"gug", 0}},
     {{"score", 4}}, 0, 0},
    {"HendrichFallRisk",
     {{"conf", 0}, {"dep", 2}, {"elim", 0}, {"dizzy", 0}, {"male", 1}, {"aed", 2}, {"bzd", 0}, {"gug", 0}},
     {{"score", 5}}, 0, 3},
    {"FlaccPain", {{"face", 1}, {"legs", 1}, {"act", 0}, {"cry", 1}, {"cons", 0}}, {{"score", 3}}, 0, 1},
    {"FlaccPain", {{"face", 1}, {"legs", 2}, {"act", 1}, {"cry", 1}, {"cons", 1}}, {{"score", 6}}, 0, 2},
    {"FlaccPain", {{"face", 2}, {"legs", 2}, {"act", 1}, {"cry", 2}, {"cons", 1}}, {{"score", 8}}, 0, 3},
    {"CpotPain", {{"face", 1}, {"body", 1}, {"musc", 1}, {"vent", 0}}, {{"score", 3}}, 0, 2},
    {"CpotPain", {{"face", 1}, {"body", 0}, {"musc", 1}, {"vent", 0}}, {{"score", 2}}, 0, 0},
    {"RassSedation", {{"rass", 3}, {"tlo", -2}, {"thi", 0}}, {{"dev", 3}, {"inband", 0}}, 0, 3},
    {"RassSedation", {{"rass", 2}, {"tlo", -2}, {"thi", 0}}, {{"dev", 2}, {"inband", 0}}, 0, 2},
    {"RassSedation", {{"rass", -5}, {"tlo", -2}, {"thi", 0}}, {{"dev", -3}, {"inband", 0}}, 0, 2},
    {"RassSedation", {{"rass", -5}, {"tlo", -5}, {"thi", -4}}, {{"dev", 0}, {"inband", 1}}, 0, 0},
    {"RassSedation", {{"rass", 0}, {"tlo", 1}, {"thi", -1}}, {{"dev", 1}, {"inband", 0}}, 0, 2},
    {"WaterSwallowTest", {{"grade", 1}, {"t", 4}}, {{"res", 1}}, 0, 0},
    {"WaterSwallowTest", {{"grade", 2}, {"t", 6}}, {{"res", 2}}, 0, 1},
    {"WaterSwallowTest", {{"grade", 4}, {"t", 10}}, {{"res", 3}}, 0, 2},
    {"WaterSwallowTest", {{"grade", 1}, {"t", 0}}, {{"res", 1}}, 0, 2},
    {"Mews",
     {{"sbp", 70}, {"hr", 150}, {"rr", 35}, {"temp", 40.2}, {"avpu", 2}},
     {{"p_sbp", 3}, {"p_hr", 3}, {"p_rr", 3}, {"p_t", 2}, {"score", 13}}, 0, 3},
    {"Mews",
     {{"sbp", 95}, {"hr", 105}, {"rr", 18}, {"temp", 36.8}, {"avpu", 1}},
     {{"p_sbp", 1}, {"p_hr", 1}, {"p_rr", 1}, {"p_t", 0}, {"score", 4}}, 0, 1},
    {"Mews",
     {{"sbp", 110}, {"hr", 115}, {"rr", 22}, {"temp", 38.6}, {"avpu", 0}},
     {{"p_hr", 2}, {"p_rr", 2}, {"p_t", 2}, {"score", 6}}, 0, 2},
    {"Mews",
     {{"sbp", 200}, {"hr", 50}, {"rr", 8}, {"temp", 34.9}, {"avpu", 0}},
     {{"p_sbp", 2}, {"p_hr", 1}, {"p_rr", 2}, {"p_t", 2}, {"score", 7}}, 0, 2},
    {"Mews", {{"sbp", 101}, {"hr", 100}, {"rr", 14}, {"temp", 38.4}, {"avpu", 0}}, {{"score", 0}}, 0, 0},
    {"Pews", {{"beh", 2}, {"cv", 1}, {"resp", 2}, {"neb", 0}, {"vom", 0}}, {{"score", 5}}, 0, 3},
    {"Pews", {{"beh", 1}, {"cv", 0}, {"resp", 2}, {"neb", 0}, {"vom", 0}}, {{"score", 3}}, 0, 2},
    {"Pews", {{"beh", 0}, {"cv", 1}, {"resp", 1}, {"neb", 0}, {"vom", 0}}, {{"score", 2}}, 0, 0},
    {"Pews", {{"beh", 0}, {"cv", 0}, {"resp", 1}, {"neb", 2}, {"vom", 0}}, {{"score", 3}}, 0, 2},
    {"Pews", {{"beh", 3}, {"cv", 3}, {"resp", 3}, {"neb", 2}, {"vom", 2}}, {{"score", 13}}, 0, 3},
    {"BishopScore", {{"dil", 1}, {"eff", 2}, {"sta", 2}, {"cons", 1}, {"pos", 2}}, {{"score", 8}}, 0, 0},
    {"BishopScore", {{"dil", 1}, {"eff", 1}, {"sta", 2}, {"cons", 1}, {"pos", 1}}, {{"score", 6}}, 0, 1},
    {"BishopScore", {{"dil", 1}, {"eff", 1}, {"sta", 1}, {"cons", 1}, {"pos", 1}}, {{"score", 5}}, 0, 1},
    {"BishopScore", {{"dil", 3}, {"eff", 3}, {"sta", 3}, {"cons", 2}, {"pos", 2}}, {{"score", 13}}, 0, 0},
};

TEST(NursingScaleExamples, WorkedExamplesOfTheReference) {
    for (const WorkedExample& example : kExamples) CheckWorkedExample(example);
}

}  // namespace
