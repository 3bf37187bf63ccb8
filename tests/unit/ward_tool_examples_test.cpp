#include "tests/support/worked_example.h"

namespace {

const WorkedExample kExamples[] = {
    // program, inputs, outputs, tolerance, level
    {"Nrs2002", {{"nut", 2}, {"dis", 1}, {"age", 72}}, {{"score", 4}}, 0, 2},
    {"Nrs2002", {{"nut", 0}, {"dis", 1}, {"age", 50}}, {{"score", 1}}, 0, 0},
    {"Nrs2002", {{"nut", 1}, {"dis", 1}, {"age", 70}}, {{"score", 3}}, 0, 2},
    {"ChildWeight", {{"am", 72}, {"bw", 3.3}}, {{"cn", 20}}, 0.001, 0},
    {"ChildWeight", {{"am", 6}, {"bw", 3.3}}, {{"cn", 7.5}, {"apls", 7}}, 0.001, 0},
    {"ChildWeight", {{"am", 9}, {"bw", 3.3}}, {{"cn", 8.25}, {"apls", 8.5}}, 0.001, 0},
    {"ChildDose", {{"w", 10}, {"dpk", 20}, {"maxd", 0}, {"freq", 1}}, {{"raw", 200}, {"dose", 200}, {"daily", 200}}, 0.001, 0},
    {"ChildDose", {{"w", 40}, {"dpk", 15}, {"maxd", 500}, {"freq", 3}}, {{"raw", 600}, {"dose", 500}, {"daily", 1500}}, 0.001, 2},
    {"BarthelIndex",
     {{"feed", 10}, {"bath", 5}, {"groom", 5}, {"dress", 10}, {"bowel", 10}, {"bladder", 10}, {"toilet", 10}, {"transfer", 15}, {"walk", 15}, {"stairs", 10}},
     {{"score", 100}}, 0, 0},
    {"BarthelIndex",
     {{"feed", 5}, {"bath", 0}, {"groom", 0}, {"dress", 5}, {"bowel", 10}, {"bladder", 10}, {"toilet", 5}, {"transfer", 10}, {"walk", 5}, {"stairs", 0}},
     {{"score", 50}}, 0, 2},
    {"BarthelIndex",
     {{"feed", 0}, {"bath", 0}, {"groom", 0}, {"dress", 0}, {"bowel", 5}, {"bladder", 5}, {"toilet", 0}, {"transfer", 5}, {"walk", 0}, {"stairs", 0}},
     {{"score", 15}}, 0, 3},
    {"PaduaScore",
     {{"cancer", 1}, {"pvte", 0}, {"immob", 1}, {"thromb", 0}, {"trauma", 0}, {"age", 75}, {"hf", 0}, {"ami", 0}, {"infect", 0}, {"bmi", 22}, {"horm", 0}},
     {{"score", 7}}, 0, 2},
    {"PaduaScore",
     {{"cancer", 0}, {"pvte", 0}, {"immob", 0}, {"thromb", 0}, {"trauma", 0}, {"age", 72}, {"hf", 0}, {"ami", 0}, {"infect", 1}, {"bmi", 31}, {"horm", 0}},
     {{"score", 3}}, 0, 0},
    {"News2", {{"rr", 22}, {"spo2", 95}, {"scale2", 0}, {"o2", 1}, {"sbp", 105}, {"hr", 95}, {"cvpu", 0}, {"temp", 38.5}}, {{"score", 8}, {"maxp", 2}}, 0, 3},
    {"News2", {{"rr", 16}, {"spo2", 98}, {"scale2", 0}, {"o2", 0}, {"sbp", 125}, {"hr", 72}, {"cvpu", 0}, {"temp", 36.8}}, {{"score", 0}}, 0, 0},
    {"News2", {{"rr", 26}, {"spo2", 97}, {"scale2", 0}, {"o2", 0}, {"sbp", 130}, {"hr", 80}, {"cvpu", 0}, {"temp", 37}}, {{"score", 3}, {"maxp", 3}}, 0, 2},
    {"News2", {{"rr", 18}, {"spo2", 95}, {"scale2", 1}, {"o2", 1}, {"sbp", 120}, {"hr", 88}, {"cvpu", 0}, {"temp", 36.5}}, {{"p_spo2", 2}, {"score", 4}}, 0, 1},
    {"PotassiumInfusion", {{"kcl_ml", 15}, {"vol", 500}, {"rate", 125}, {"urine", 50}},
     {{"kcl_g", 1.5}, {"k_mmol", 20.1}, {"conc_pct", 0.2913}, {"conc_mmol", 39.0291}, {"k_rate", 4.8786}}, 0.001, 0},
    {"PotassiumInfusion", {{"kcl_ml", 20}, {"vol", 250}, {"rate", 200}, {"urine", 0}}, {{"conc_pct", 0.7407}, {"k_rate", 19.8519}}, 0.001, 3},
    {"PotassiumInfusion", {{"kcl_ml", 30}, {"vol", 1000}, {"rate", 125}, {"urine", 20}}, {{"conc_pct", 0.2913}, {"k_rate", 4.8786}}, 0.001, 2},
};

TEST(WardToolExamples, WorkedExamplesOfTheReference) {
    for (const WorkedExample& example : kExamples) CheckWorkedExample(example);
}

}  // namespace
