#include "tests/support/worked_example.h"

namespace {

// Inputs in each tool's order; the defaults of the reference are entered too
// where the example lists them.
const WorkedExample kExamples[] = {
    // program, inputs, outputs, tolerance, level
    {"Oxygenation", {{"pao2", 95}, {"fio2", 21}, {"paco2", 40}, {"age", 40}, {"pb", 760}, {"peep", 0}, {"mawp", 0}},
     {{"pf", 452.381}, {"pao2_alv", 99.73}, {"aa", 4.73}, {"aa_exp", 14}}, 0.001, 0},
    {"Oxygenation", {{"pao2", 60}, {"fio2", 50}, {"paco2", 40}, {"age", 45}, {"pb", 760}, {"peep", 8}, {"mawp", 0}},
     {{"pf", 120}}, 0, 3},
    {"Oxygenation", {{"pao2", 55}, {"fio2", 60}, {"paco2", 40}, {"age", 45}, {"pb", 760}, {"peep", 10}, {"mawp", 0}},
     {{"pf", 91.6667}}, 0.001, 3},
    {"Oxygenation", {{"pao2", 70}, {"fio2", 21}, {"paco2", 32}, {"age", 30}, {"pb", 760}, {"peep", 0}, {"mawp", 0}},
     {{"pf", 333.333}, {"aa", 39.73}, {"aa_exp", 11.5}}, 0.001, 1},
    {"Oxygenation", {{"pao2", 60}, {"fio2", 60}, {"paco2", 40}, {"age", 5}, {"pb", 760}, {"peep", 0}, {"mawp", 18}},
     {{"oi", 18}}, 0.001, 3},
    {"Oxygenation", {{"pao2", 80}, {"fio2", 40}, {"paco2", 40}, {"age", 3}, {"pb", 760}, {"peep", 0}, {"mawp", 12}},
     {{"oi", 6}, {"pf", 200}}, 0.001, 2},
    {"Oxygenation", {{"pao2", 60}, {"fio2", 50}, {"paco2", 40}, {"age", 6}, {"pb", 760}, {"peep", 0}, {"mawp", 12}},
     {{"oi", 10}}, 0.001, 2},
    {"Oxygenation", {{"pao2", 50}, {"fio2", 60}, {"paco2", 40}, {"age", 45}, {"pb", 760}, {"peep", 0}, {"mawp", 0}},
     {{"pf", 83.3333}}, 0.001, 3},
    {"Oxygenation", {{"pao2", 75}, {"fio2", 30}, {"paco2", 40}, {"age", 45}, {"pb", 760}, {"peep", 5}, {"mawp", 0}},
     {{"pf", 250}}, 0.001, 2},
    {"Oxygenation", {{"pao2", 70}, {"fio2", 30}, {"paco2", 40}, {"age", 45}, {"pb", 600}, {"peep", 0}, {"mawp", 0}},
     {{"pf", 233.333}, {"pf_pb", 184.211}}, 0.001, 2},

    {"LiverFibrosis", {{"age", 58}, {"ast", 90}, {"alt", 64}, {"plt", 85}, {"uln", 40}, {"cause", 0}},
     {{"fib4", 7.6765}, {"apri", 2.6471}}, 0.001, 2},
    {"LiverFibrosis", {{"age", 52}, {"ast", 60}, {"alt", 49}, {"plt", 120}, {"uln", 40}, {"cause", 0}},
     {{"fib4", 3.7143}, {"apri", 1.25}}, 0.001, 2},
    {"LiverFibrosis", {{"age", 45}, {"ast", 25}, {"alt", 25}, {"plt", 200}, {"uln", 40}, {"cause", 0}},
     {{"fib4", 1.125}, {"apri", 0.3125}}, 0.001, 0},
    {"LiverFibrosis", {{"age", 68}, {"ast", 30}, {"alt", 25}, {"plt", 190}, {"uln", 40}, {"cause", 1}},
     {{"fib4", 2.1474}}, 0.001, 1},
    {"LiverFibrosis", {{"age", 66}, {"ast", 28}, {"alt", 36}, {"plt", 180}, {"uln", 40}, {"cause", 1}},
     {{"fib4", 1.7111}}, 0.001, 0},
    {"LiverFibrosis", {{"age", 55}, {"ast", 70}, {"alt", 49}, {"plt", 150}, {"uln", 40}, {"cause", 1}},
     {{"fib4", 3.6667}}, 0.001, 2},
    {"LiverFibrosis", {{"age", 50}, {"ast", 35}, {"alt", 36}, {"plt", 200}, {"uln", 40}, {"cause", 1}},
     {{"fib4", 1.4583}}, 0.001, 1},

    {"HomaIr", {{"glu", 6.1}, {"ins", 10}}, {{"homa_ir", 2.7111}, {"homa_b", 76.923}}, 0.001, 1},
    {"HomaIr", {{"glu", 3.4}, {"ins", 4}}, {{"homa_ir", 0.6044}, {"homa_b", 0}}, 0.001, 1},

    {"IronDeficit", {{"w", 20}, {"hb_t", 130}, {"hb", 90}},
     {{"stores", 300}, {"hb_part", 192}, {"total", 492}, {"total_kg", 24.6}}, 0.001, 1},
    {"IronDeficit", {{"w", 60}, {"hb_t", 150}, {"hb", 60}}, {{"hb_part", 1296}, {"total", 1796}}, 0.001, 2},
    {"IronDeficit", {{"w", 55}, {"hb_t", 150}, {"hb", 155}}, {{"hb_part", 0}, {"total", 500}}, 0.001, 0},

    {"SteroidConversion", {{"frm", 3}, {"to", 5}, {"dose", 30}, {"freq", 1}, {"w", 60}},
     {{"to_dose", 24}, {"pred_kg", 0.5}, {"mc_to", 0.5}}, 0.001, 0},
    {"SteroidConversion", {{"frm", 5}, {"to", 3}, {"dose", 40}, {"freq", 2}, {"w", 60}},
     {{"to_dose", 50}, {"to_day", 100}, {"pred_day", 100}, {"pred_kg", 1.6667}}, 0.001, 2},
    {"SteroidConversion", {{"frm", 5}, {"to", 5}, {"dose", 500}, {"freq", 1}, {"w", 60}},
     {{"pred_day", 625}, {"hc_day", 2500}}, 0.001, 2},
    {"SteroidConversion", {{"frm", 7}, {"to", 3}, {"dose", 0.75}, {"freq", 1}, {"w", 60}}, {{"to_dose", 5}}, 0.001, 1},
    {"SteroidConversion", {{"frm", 3}, {"to", 3}, {"dose", 10}, {"freq", 1}, {"w", 60}}, {{"to_dose", 10}}, 0.001, 0},

    {"Caprini", {{"age", 0}, {"surg", 0}, {"mob", 0}, {"rf", 0}}, {{"score", 0}, {"band", 1}}, 0, 0},
    {"Caprini", {{"age", 1}, {"surg", 0}, {"mob", 0}, {"rf", 0}}, {{"score", 1}, {"band", 2}}, 0, 1},
    {"Caprini", {{"age", 0}, {"surg", 1}, {"mob", 0}, {"rf", 1}}, {{"score", 2}, {"band", 2}}, 0, 1},
    {"Caprini", {{"age", 2}, {"surg", 0}, {"mob", 1}, {"rf", 0}}, {{"score", 3}, {"band", 3}}, 0, 2},
    {"Caprini", {{"age", 2}, {"surg", 2}, {"mob", 0}, {"rf", 3}}, {{"score", 7}, {"band", 4}}, 0, 3},
    {"Caprini", {{"age", 1}, {"surg", 5}, {"mob", 2}, {"rf", 0}}, {{"score", 8}, {"band", 4}}, 0, 3},

    {"BradenQ", {{"mob", 2}, {"act", 1}, {"sens", 2}, {"moist", 3}, {"fric", 3}, {"nutr", 2}, {"perf", 3}},
     {{"score", 16}}, 0, 2},
    {"BradenQ", {{"mob", 2}, {"act", 1}, {"sens", 3}, {"moist", 3}, {"fric", 3}, {"nutr", 2}, {"perf", 3}},
     {{"score", 17}}, 0, 1},
    {"BradenQ", {{"mob", 3}, {"act", 1}, {"sens", 3}, {"moist", 3}, {"fric", 3}, {"nutr", 2}, {"perf", 3}},
     {{"score", 18}}, 0, 0},
    {"BradenQ", {{"mob", 1}, {"act", 1}, {"sens", 1}, {"moist", 2}, {"fric", 2}, {"nutr", 2}, {"perf", 2}},
     {{"score", 11}}, 0, 2},

    {"PainNrs", {{"nrs", 0}}, {{"band", 0}, {"next_h", 24}, {"per_day", 1}}, 0, 0},
    {"PainNrs", {{"nrs", 2}}, {{"band", 1}, {"next_h", 24}}, 0, 1},
    {"PainNrs", {{"nrs", 6}}, {{"band", 2}, {"next_h", 4}}, 0, 2},
    {"PainNrs", {{"nrs", 10}}, {{"band", 3}, {"next_h", 4}, {"per_day", 6}}, 0, 3},

    {"Pcis",
     {{"hr", 6}, {"sbp", 10}, {"rr", 6}, {"pao2", 10}, {"ph", 10}, {"na", 10}, {"k", 10}, {"renal", 10}, {"hb", 10}, {"gi", 10}},
     {{"score", 92}, {"band", 1}}, 0, 0},
    {"Pcis",
     {{"hr", 6}, {"sbp", 4}, {"rr", 10}, {"pao2", 10}, {"ph", 10}, {"na", 10}, {"k", 10}, {"renal", 10}, {"hb", 10}, {"gi", 10}},
     {{"score", 90}, {"band", 1}}, 0, 1},
    {"Pcis",
     {{"hr", 4}, {"sbp", 10}, {"rr", 4}, {"pao2", 4}, {"ph", 10}, {"na", 10}, {"k", 10}, {"renal", 10}, {"hb", 10}, {"gi", 10}},
     {{"score", 82}, {"band", 1}}, 0, 1},
    {"Pcis",
     {{"hr", 4}, {"sbp", 4}, {"rr", 4}, {"pao2", 4}, {"ph", 4}, {"na", 4}, {"k", 4}, {"renal", 4}, {"hb", 4}, {"gi", 4}},
     {{"score", 40}, {"band", 3}}, 0, 3},

    {"ImproveBleeding",
     {{"age", 1.5}, {"male", 1}, {"renal", 1}, {"ulcer", 0}, {"bleed", 0}, {"plt", 0}, {"hepatic", 0}, {"icu", 0}, {"cvc", 0}, {"rheum", 0}, {"cancer", 0}},
     {{"score", 3.5}, {"mb14", 0.4}, {"n_minor", 1}, {"cn_high", 0}}, 0, 0},
    {"ImproveBleeding",
     {{"age", 1.5}, {"male", 1}, {"renal", 0}, {"ulcer", 0}, {"bleed", 0}, {"plt", 4}, {"hepatic", 0}, {"icu", 0}, {"cvc", 0}, {"rheum", 0}, {"cancer", 0}},
     {{"score", 6.5}, {"n_major", 1}, {"cn_high", 1}}, 0, 2},
    {"ImproveBleeding",
     {{"age", 1.5}, {"male", 1}, {"renal", 0}, {"ulcer", 0}, {"bleed", 0}, {"plt", 0}, {"hepatic", 0}, {"icu", 0}, {"cvc", 2}, {"rheum", 0}, {"cancer", 2}},
     {{"score", 6.5}, {"n_minor", 3}, {"cn_high", 1}}, 0, 2},
    {"ImproveBleeding",
     {{"age", 3.5}, {"male", 0}, {"renal", 1}, {"ulcer", 0}, {"bleed", 0}, {"plt", 0}, {"hepatic", 2.5}, {"icu", 0}, {"cvc", 0}, {"rheum", 0}, {"cancer", 0}},
     {{"score", 7}, {"mb14", 4.1}, {"n_minor", 2}, {"cn_high", 0}}, 0, 2},
    {"ImproveBleeding",
     {{"age", 3.5}, {"male", 0}, {"renal", 0}, {"ulcer", 0}, {"bleed", 0}, {"plt", 0}, {"hepatic", 0}, {"icu", 2.5}, {"cvc", 2}, {"rheum", 0}, {"cancer", 0}},
     {{"score", 8}, {"n_minor", 3}, {"cn_high", 1}}, 0, 2},
    {"ImproveBleeding",
     {{"age", 1.5}, {"male", 0}, {"renal", 0}, {"ulcer", 0}, {"bleed", 0}, {"plt", 0}, {"hepatic", 0}, {"icu", 0}, {"cvc", 0}, {"rheum", 0}, {"cancer", 0}},
     {{"score", 1.5}, {"mb14", 0.4}, {"cn_high", 0}}, 0, 0},
};

TEST(CriticalLabExamples, WorkedExamplesOfTheReference) {
    for (const WorkedExample& example : kExamples) CheckWorkedExample(example);
}

}  // namespace
