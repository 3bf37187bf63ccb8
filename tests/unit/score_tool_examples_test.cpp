// The worked examples of the obstetric and bedside score calculators.
#include "tests/support/worked_example.h"

namespace {

const WorkedExample kExamples[] = {
    // program, inputs of the example, outputs the reference lists, tolerance, level
    {"DueDate", {{"y", 1970}, {"m", 1}, {"d", 1}, {"ty", 0}, {"tm", 0}, {"td", 0}}, {{"lmp", 0}}, 0, 0},
    {"DueDate", {{"y", 2000}, {"m", 2}, {"d", 29}, {"ty", 0}, {"tm", 0}, {"td", 0}}, {{"lmp", 11016}, {"edd", 11296}}, 0, 0},
    {"DueDate", {{"y", 2024}, {"m", 12}, {"d", 31}, {"ty", 2025}, {"tm", 6}, {"td", 1}},
     {{"lmp", 20088}, {"edd", 20368}, {"ga_days", 152}, {"ga_w", 21}, {"ga_d", 5}}, 0, 0},
    {"DueDate", {{"y", 2025}, {"m", 1}, {"d", 10}, {"ty", 2025}, {"tm", 11}, {"td", 1}},
     {{"ga_days", 295}, {"ga_w", 42}, {"ga_d", 1}}, 0, 3},
    {"DueDate", {{"y", 2025}, {"m", 1}, {"d", 1}, {"ty", 2025}, {"tm", 10}, {"td", 17}},
     {{"ga_days", 289}, {"ga_w", 41}, {"ga_d", 2}}, 0, 1},
    {"DueDate", {{"y", 2024}, {"m", 1}, {"d", 1}, {"ty", 2025}, {"tm", 1}, {"td", 1}}, {{"ga_days", 366}, {"ga_w", 52}}, 0, 2},
    {"DueDate", {{"y", 2026}, {"m", 1}, {"d", 1}, {"ty", 26}, {"tm", 6}, {"td", 1}}, {{"edd", 20734}}, 0, 2},
    {"GlasgowComaScale", {{"e", 4}, {"v", 5}, {"m", 6}}, {{"gcs", 15}}, 0, 0},
    {"GlasgowComaScale", {{"e", 2}, {"v", 2}, {"m", 4}}, {{"gcs", 8}}, 0, 3},
    {"GlasgowComaScale", {{"e", 3}, {"v", 4}, {"m", 5}}, {{"gcs", 12}}, 0, 2},
    {"GlasgowComaScale", {{"e", 4}, {"v", 4}, {"m", 6}}, {{"gcs", 14}}, 0, 1},
    {"BradenScale", {{"sp", 3}, {"mo", 3}, {"ac", 3}, {"mb", 3}, {"nu", 2}, {"fs", 2}}, {{"score", 16}}, 0, 1},
    {"BradenScale", {{"sp", 2}, {"mo", 2}, {"ac", 2}, {"mb", 2}, {"nu", 2}, {"fs", 1}}, {{"score", 11}}, 0, 3},
    {"BradenScale", {{"sp", 3}, {"mo", 2}, {"ac", 2}, {"mb", 2}, {"nu", 2}, {"fs", 2}}, {{"score", 13}}, 0, 2},
    {"BradenScale", {{"sp", 4}, {"mo", 4}, {"ac", 4}, {"mb", 4}, {"nu", 4}, {"fs", 3}}, {{"score", 23}}, 0, 0},
    {"MorseFallScale", {{"fall", 25}, {"dx2", 15}, {"aid", 15}, {"iv", 20}, {"gait", 10}, {"ment", 0}}, {{"score", 85}}, 0, 3},
    {"MorseFallScale", {{"fall", 0}, {"dx2", 15}, {"aid", 0}, {"iv", 20}, {"gait", 0}, {"ment", 0}}, {{"score", 35}}, 0, 2},
    {"MorseFallScale", {{"fall", 25}, {"dx2", 0}, {"aid", 0}, {"iv", 20}, {"gait", 0}, {"ment", 0}}, {{"score", 45}}, 0, 3},
    {"MorseFallScale", {{"fall", 0}, {"dx2", 15}, {"aid", 0}, {"iv", 0}, {"gait", 0}, {"ment", 0}}, {{"score", 15}}, 0, 0},
    {"ApgarScore", {{"hr", 2}, {"resp", 2}, {"tone", 2}, {"refl", 2}, {"col", 1}}, {{"score", 9}}, 0, 0},
    {"ApgarScore", {{"hr", 1}, {"resp", 1}, {"tone", 1}, {"refl", 1}, {"col", 1}}, {{"score", 5}}, 0, 2},
    {"ApgarScore", {{"hr", 0}, {"resp", 0}, {"tone", 1}, {"refl", 0}, {"col", 0}}, {{"score", 1}}, 0, 3},
};

TEST(ScoreToolExamples, WorkedExamplesOfTheReference) {
    for (const WorkedExample& example : kExamples) CheckWorkedExample(example);
}

}  // namespace
