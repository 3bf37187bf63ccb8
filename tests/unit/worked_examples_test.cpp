// The worked examples of the clinical reference, one row each: the inputs the
// example gives, as the command line names them (any other keeps its
// default), the outputs it lists, by key within the tolerance, and the
// verdict's level, checked through the calculation run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/calculation.h"
#include "tests/support/catalogue_tool.h"

namespace {

struct WorkedExample {
    const char* program;
    const char* inputs;   // "key=value ..."
    const char* outputs;  // "key=value ..."
    double tolerance;
    int32_t level;
};

const WorkedExample kExamples[] = {
    // Fluids, infusion and nutrition. Peravin: inputs no patient has are flagged before the GIR is judged.
    {"Peravin", "rate=60 conc=10 w=60", "gir=1.6667 gday=144", 0.001, 0},
    {"Peravin", "rate=120 conc=12.5 w=3", "gir=83.3333 gday=360", 0.001, 2},
    {"Peravin", "rate=60 conc=10 w=-5", "gir=-20 gday=144", 0.001, 2},
    {"Peravin", "rate=-60 conc=10 w=60", "gir=-1.6667 gday=-144", 0.001, 2},
    {"Peravin", "rate=60 conc=-10 w=60", "gir=-1.6667 gday=-144", 0.001, 2},
    {"Peravin", "rate=60 conc=100.5 w=60", "gir=16.75 gday=1447.2", 0.001, 2},
    {"Peravin", "rate=0 conc=10 w=60", "gir=0 gday=0", 0.001, 0},
    {"Peravin", "rate=60 conc=0 w=60", "gir=0 gday=0", 0.001, 0},
    {"Peravin", "rate=6 conc=100 w=60", "gir=1.6667 gday=144", 0.001, 0},
    {"GlucoseInfusionTotal", "w=3.5 r1=10 c1=10 r2=0 c2=0 r3=0 c3=0 neo=1",
     "gmin=16.6667 gir=4.7619 g_day=24 g_kg_day=6.8571 kcal_day=81.6 ml_kg_day=68.5714", 0.001, 2},
    {"GlucoseInfusionTotal", "w=3 r1=12 c1=10 r2=2 c2=5 r3=0 c3=0 neo=1",
     "gmin=21.6667 gir=7.2222 g_day=31.2 ml_h=14", 0.001, 0},
    {"GlucoseInfusionTotal", "w=70 r1=100 c1=5 r2=0 c2=0 r3=0 c3=0 neo=0",
     "gmin=83.3333 gir=1.1905 g_day=120 kcal_day=408", 0.001, 0},
    {"GlucoseInfusionTotal", "w=3.336 r1=10 c1=10 r2=0 c2=0 r3=0 c3=0 neo=1", "gir=4.996", 0.001, 0},
    {"GlucoseInfusionTotal", "w=3.5 r1=0 c1=10 r2=0 c2=0 r3=0 c3=0 neo=0", "gir=0 g_day=0", 0.001, 2},
    {"GlucoseInfusionTotal", "w=1 r1=10 c1=10 r2=0 c2=0 r3=0 c3=0 neo=1", "gmin=16.6667 gir=16.6667", 0.001, 1},
    {"GlucoseInfusionTotal", "w=2 r1=10 c1=12.5 r2=0 c2=0 r3=0 c3=0 neo=1", "gmin=20.8333 gir=10.4167", 0.001, 1},
    {"GlucoseInfusionTotal", "w=50 r1=200 c1=10 r2=0 c2=0 r3=0 c3=0 neo=0", "gmin=333.3333 gir=6.6667", 0.001, 2},
    {"GlucoseInfusionTotal", "w=60 r1=150 c1=10 r2=0 c2=0 r3=0 c3=0 neo=0", "gmin=250 gir=4.1667", 0.001, 1},
    {"GlucoseTargetRate", "w=3.5 gir_t=6 conc=10 central=0", "rate=12.6 ml_kg_day=86.4 g_day=30.24", 0.001, 0},
    {"GlucoseTargetRate", "w=3 gir_t=8 conc=15 central=0", "rate=9.6 ml_kg_day=76.8 g_day=34.56", 0.001, 3},
    {"MaintenanceFluid", "w=8", "ml_h=32 ml_day=800 ml_h_day=33.3333", 0.001, 0},
    {"MaintenanceFluid", "w=2.5", "ml_h=10 ml_day=250", 0.001, 1},
    {"BurnFluid", "w=70 tbsa=20 tbsa3=0 ped=0 t=2 given=500",
     "pk_rate8=383.3333 pk_rate16=175 cn_cc=2100 cn_rate8=214.5833 cn_rate16=148.9583 pk_left=5100", 0.001, 2},
    {"BurnFluid", "w=70 tbsa=20 tbsa3=0 ped=0 t=10 given=2000", "pk_rate8=0 pk_rate16=257.1429 pk_left=3600", 0.001, 2},
    {"BurnFluid", "w=20 tbsa=18 tbsa3=0 ped=1 t=0 given=0",
     "cn_coef=1.8 cn_cc=648 cn_water=1500 cn_d1=2148 cn_rate8=103", 0.001, 3},
    {"BurnFluid", "w=20 tbsa=30 tbsa3=0 ped=1 t=0 given=0", "cn_cc=1080 pk24=2400", 0.001, 3},
    {"BurnFluid", "w=20 tbsa=10 tbsa3=0 ped=1 t=0 given=0", "cn_cc=360 pk24=800", 0.001, 2},
    {"BurnFluid", "w=20 tbsa=4 tbsa3=0 ped=1 t=0 given=0", "cn_cc=144 pk24=320", 0.001, 1},
    {"BurnFluid", "w=70 tbsa=55 tbsa3=0 ped=0 t=0 given=0", "pk24=15400 cn_cc=5775 cn_d1=7775", 0.001, 3},
    {"BurnFluid", "w=70 tbsa=8 tbsa3=0 ped=0 t=0 given=0", "pk24=2240 cn_cc=840", 0.001, 1},
    {"BasalEnergy", "sex=1 w=63 h=175 age=50 af=1 sf=1", "bee=1470.6513 bee_rs=1488.348 tee=1470.6513", 0.01, 0},
    {"BasalEnergy", "sex=0 w=60 h=160 age=40 af=1.2 sf=1.3", "bee=1337.8115 bee_rs=1324.893 tee=2086.9859", 0.01, 0},
    {"BasalEnergy", "sex=1 w=76.12 h=165 age=50 af=1 sf=1", "bmi=27.9596", 0.001, 1},
    {"DripRate", "vol=250 t_h=1 df=20 gtt=0 grp=1", "gpm=83.3333 gpm_int=83 ml_h=250", 0.001, 2},
    {"DripRate", "vol=485 t_h=4 df=20 gtt=0 grp=1", "gpm=40.4167 gpm_int=40 rate_used=40.4167", 0.001, 0},
    {"DripRate", "vol=100 t_h=2 df=60 gtt=0 grp=1", "gpm=50 ml_h=50", 0.001, 2},
    {"DripRate", "vol=500 t_h=2 df=20 gtt=0 grp=0", "gpm=83.3333 gpm_int=83", 0.001, 1},
    // Kidney, body measures and circulation.
    {"CreatinineClearance", "sex=1 age=80 w=50 scr=200", "scr_mg=2.2624 crcl=18.4167 crcl_si=18.45", 0.001, 3},
    {"CreatinineClearance", "sex=1 age=80 w=50 scr=122.94", "crcl=29.9604", 0.001, 2},
    {"CreatinineClearance", "sex=1 age=80 w=50 scr=500", "crcl=7.3667", 0.001, 3},
    {"CreatinineClearance", "sex=1 age=30 w=80 scr=70", "crcl=154.3492", 0.001, 0},
    {"EGFR", "sex=1 age=60 scr=90", "scr_mg=1.0181 egfr21=84.3278 egfr09=79.6957 egfr_r=84", 0.001, 1},
    {"EGFR", "sex=0 age=70 scr=250", "egfr21=17.4073 egfr_r=17", 0.001, 3},
    {"EGFR", "sex=0 age=70 scr=600", "egfr21=6.088 egfr_r=6", 0.001, 3},
    {"EGFR", "sex=1 age=60 scr=170", "egfr21=39.3118 egfr_r=39", 0.001, 2},
    {"EGFR", "sex=1 age=60 scr=130", "egfr21=54.2412 egfr_r=54", 0.001, 2},
    {"EGFR", "sex=1 age=30 scr=70", "egfr21=122.4752 egfr_r=122", 0.001, 0},
    {"BodyMassIndex", "w=80 h=170", "bmi=27.6817 w_lo=53.465 w_hi=69.36", 0.001, 1},
    {"BodyMassIndex", "w=85 h=172", "bmi=28.7317", 0.001, 2},
    {"BodyMassIndex", "w=50 h=170", "bmi=17.301", 0.001, 1},
    {"BodySurfaceArea", "h=170 w=65 sex=1", "mosteller=1.752 dubois=1.7536 cn_male=1.7876 cn_child=1.6", 0.001, 0},
    {"BodySurfaceArea", "h=160 w=60 sex=0", "cn_male=0 cn_child=1.55", 0.0001, 0},
    {"BodySurfaceArea", "h=150 w=150 sex=1", "mosteller=2.5 dubois=2.2849", 0.001, 1},
    {"IdealBodyWeight", "sex=0 h=162.56 w=80", "ibw=54.7 abw=64.82 pct=146.2523", 0.001, 1},
    {"IdealBodyWeight", "sex=1 h=170 w=80", "ibw=65.937 pbw=66.016 abw=71.5622 pct=121.3279", 0.001, 0},
    {"IdealBodyWeight", "sex=0 h=100 w=20", "ibw=-1.9488 pct=0", 0.001, 2},
    {"IdealBodyWeight", "sex=1 h=170 w=86", "ibw=65.937 pct=130.4275", 0.001, 0},
    {"IdealBodyWeight", "sex=1 h=150 w=50", "ibw=47.8268 pct=104.544", 0.001, 1},
    {"IdealBodyWeight", "sex=1 h=180 w=60", "ibw=74.9921 pct=80.0084", 0.001, 1},
    {"MeanArterialPressure", "sbp=79 dbp=50", "map=59.6667", 0.001, 2},
    {"MeanArterialPressure", "sbp=70 dbp=50", "map=56.6667", 0.001, 3},
    {"MeanArterialPressure", "sbp=190 dbp=120", "map=143.3333", 0.001, 1},
    {"CorrectedQT", "sex=0 qt=440 hr=100", "qtcb=568.0376 qtcf=521.6777 qtc_v=521.6777", 0.001, 3},
    {"CorrectedQT", "sex=1 qt=420 hr=70", "qtcb=453.6518 qtcf=442.1452", 0.001, 2},
    {"CorrectedQT", "sex=1 qt=446.86 hr=75", "qtcb=499.6047 qtc_v=499.6047", 0.001, 3},
    {"CorrectedQT", "sex=0 qt=420 hr=75", "qtcb=469.5743 qtc_v=469.5743", 0.001, 2},
    {"CorrectedQT", "sex=1 qt=480 hr=35", "rr=1.7143 qtcb=366.6061", 0.001, 1},
    {"ShockIndex", "hr=72 sbp=120 dbp=80", "si=0.6 msi=0.7714", 0.001, 0},
    {"ShockIndex", "hr=239 sbp=240 dbp=0", "si=0.9958 msi=0", 0.001, 2},
    {"ShockIndex", "hr=55 sbp=130 dbp=80", "si=0.4231 msi=0.569", 0.001, 0},
    {"ShockIndex", "hr=160 sbp=70 dbp=0", "si=2.2857", 0.001, 3},
    {"ShockIndex", "hr=90 sbp=110 dbp=70", "si=0.8182 msi=1.08", 0.001, 1},
    // Laboratory and liver.
    {"AnionGap", "na=136 cl=100 hco3=20 alb=28 k=4.2", "ag=16 ag_k=20.2 ag_corr=19", 0.001, 2},
    {"AnionGap", "na=140 cl=104 hco3=20.04 alb=40 k=4", "ag=15.96 ag_k=19.96 ag_corr=15.96", 0.001, 0},
    {"AnionGap", "na=135 cl=110 hco3=24 alb=40 k=0", "ag=1 ag_corr=1", 0.001, 1},
    {"CorrectedCalcium", "ca=1.9296 alb=30", "ca_corr=2.1296", 0.0001, 1},
    {"CorrectedCalcium", "ca=2.9 alb=40", "ca_corr=2.9", 0.0001, 2},
    {"SerumOsmolality", "na=140 k=4 glu=5 urea=5 mosm=310", "calc_osm=290 gap=20", 0.001, 2},
    {"SerumOsmolality", "na=150 k=4.5 glu=40 urea=15 mosm=0", "eff_osm=349 calc_osm=355", 0.001, 3},
    {"SerumOsmolality", "na=140 k=4 glu=5 urea=5 mosm=270", "calc_osm=290 gap=-20", 0.001, 1},
    {"SerumOsmolality", "na=148 k=4 glu=5 urea=5 mosm=0", "calc_osm=306 eff_osm=309", 0.001, 1},
    {"SerumOsmolality", "na=130 k=4 glu=5 urea=3 mosm=0", "calc_osm=268 eff_osm=273", 0.001, 1},
    {"CorrectedSodium", "na=130 glu=30", "glu_mg=540 katz=137.04 hillier=140.56", 0.001, 0},
    {"CorrectedSodium", "na=140 glu=23.0556", "katz=145.04 hillier=147.56", 0.001, 1},
    {"CorrectedSodium", "na=150 glu=10", "katz=151.28 hillier=151.92", 0.001, 2},
    {"CorrectedSodium", "na=125 glu=10", "katz=126.28 hillier=126.92", 0.001, 2},
    {"FreeWaterDeficit", "sex=1 age=50 w=70 na=160", "tbw=42 fwd=6 cn_ml=5040 cn_day1=2520", 0.001, 2},
    {"FreeWaterDeficit", "sex=0 age=80 w=50 na=152", "tbwf=0.45 tbw=22.5 fwd=1.9286 cn_ml=1500", 0.001, 2},
    {"FreeWaterDeficit", "sex=1 age=50 w=70 na=130", "fwd=0 cn_ml=0 cn_day1=0", 0.001, 1},
    {"FreeWaterDeficit", "sex=0 age=40 w=60 na=141", "fwd=0.2143 cn_ml=0", 0.001, 0},
    {"FreeWaterDeficit", "sex=1 age=50 w=70 na=148", "fwd=2.4 cn_ml=1680", 0.001, 1},
    {"SodiumDeficit", "sex=1 w=70 na=118 target=142",
     "def_mmol=1008 nacl_g=59.2941 ml10=592.9412 ml3=1976.4706 tbw=42 dna3=9.186 ml3_per1=108.8608", 0.001, 3},
    {"SodiumDeficit", "sex=1 w=60 na=142 target=142", "def_mmol=0 nacl_g=0 day1_g=0", 0.001, 0},
    {"SodiumDeficit", "sex=1 w=60 na=125 target=142", "def_mmol=612 nacl_g=36 day1_g=22.5", 0.001, 2},
    {"SodiumDeficit", "sex=1 w=60 na=150 target=142", "def_mmol=0 day1_g=0", 0.001, 1},
    {"LdlCholesterol", "tc=5.2 hdl=1.3 tg=1.5", "ldl=3.2182 vldl=0.6818 nonhdl=3.9", 0.001, 0},
    {"LdlCholesterol", "tc=6.5 hdl=1 tg=2", "ldl=4.5909", 0.001, 2},
    {"LdlCholesterol", "tc=7 hdl=0.9 tg=5", "ldl=3.8273", 0.001, 2},
    {"LdlCholesterol", "tc=5.5 hdl=1 tg=0.8888", "ldl=4.096", 0.001, 2},
    {"LdlCholesterol", "tc=4 hdl=1.5 tg=1", "ldl=2.0455", 0.001, 0},
    {"ChildPugh", "bili=20 alb=38 inr=1.1 asc=1 he=1", "score=5 cls=1", 0.001, 0},
    {"ChildPugh", "bili=45 alb=30 inr=1.8 asc=2 he=1", "pb=2 pa=2 pi=2 score=9 cls=2", 0.001, 2},
    {"ChildPugh", "bili=60 alb=25 inr=2.5 asc=3 he=3", "score=15 cls=3", 0.001, 3},
    {"ChildPugh", "bili=34 alb=35 inr=1.7 asc=1 he=1", "pb=2 pa=2 pi=2 score=8", 0.001, 2},
    {"MeldScore", "bili=10 inr=0.9 cr=60 dial=0", "b=1 i=1 c=1 meld_raw=6.43 meld=6", 0.001, 0},
    {"MeldScore", "bili=85.5 inr=2 cr=200 dial=1", "c=4 meld_raw=33.5437 meld=34", 0.001, 3},
    {"MeldScore", "bili=100 inr=2 cr=150 dial=0", "meld_raw=25.9293 meld=26", 0.001, 3},
    // Critical care, laboratory and the newer scores.
    {"Oxygenation", "pao2=95 fio2=21 paco2=40 age=40 pb=760 peep=0 mawp=0",
     "pf=452.381 pao2_alv=99.73 aa=4.73 aa_exp=14", 0.001, 0},
    {"Oxygenation", "pao2=60 fio2=50 paco2=40 age=45 pb=760 peep=8 mawp=0", "pf=120", 0, 3},
    {"Oxygenation", "pao2=55 fio2=60 paco2=40 age=45 pb=760 peep=10 mawp=0", "pf=91.6667", 0.001, 3},
    {"Oxygenation", "pao2=70 fio2=21 paco2=32 age=30 pb=760 peep=0 mawp=0",
     "pf=333.333 aa=39.73 aa_exp=11.5", 0.001, 1},
    {"Oxygenation", "pao2=60 fio2=60 paco2=40 age=5 pb=760 peep=0 mawp=18", "oi=18", 0.001, 3},
    {"Oxygenation", "pao2=80 fio2=40 paco2=40 age=3 pb=760 peep=0 mawp=12", "oi=6 pf=200", 0.001, 2},
    {"Oxygenation", "pao2=60 fio2=50 paco2=40 age=6 pb=760 peep=0 mawp=12", "oi=10", 0.001, 2},
    {"Oxygenation", "pao2=50 fio2=60 paco2=40 age=45 pb=760 peep=0 mawp=0", "pf=83.3333", 0.001, 3},
    {"Oxygenation", "pao2=75 fio2=30 paco2=40 age=45 pb=760 peep=5 mawp=0", "pf=250", 0.001, 2},
    {"Oxygenation", "pao2=70 fio2=30 paco2=40 age=45 pb=600 peep=0 mawp=0", "pf=233.333 pf_pb=184.211", 0.001, 2},
    {"LiverFibrosis", "age=58 ast=90 alt=64 plt=85 uln=40 cause=0", "fib4=7.6765 apri=2.6471", 0.001, 2},
    {"LiverFibrosis", "age=52 ast=60 alt=49 plt=120 uln=40 cause=0", "fib4=3.7143 apri=1.25", 0.001, 2},
    {"LiverFibrosis", "age=45 ast=25 alt=25 plt=200 uln=40 cause=0", "fib4=1.125 apri=0.3125", 0.001, 0},
    {"LiverFibrosis", "age=68 ast=30 alt=25 plt=190 uln=40 cause=1", "fib4=2.1474", 0.001, 1},
    {"LiverFibrosis", "age=66 ast=28 alt=36 plt=180 uln=40 cause=1", "fib4=1.7111", 0.001, 0},
    {"LiverFibrosis", "age=55 ast=70 alt=49 plt=150 uln=40 cause=1", "fib4=3.6667", 0.001, 2},
    {"LiverFibrosis", "age=50 ast=35 alt=36 plt=200 uln=40 cause=1", "fib4=1.4583", 0.001, 1},
    {"HomaIr", "glu=6.1 ins=10", "homa_ir=2.7111 homa_b=76.923", 0.001, 1},
    {"HomaIr", "glu=3.4 ins=4", "homa_ir=0.6044 homa_b=0", 0.001, 1},
    {"IronDeficit", "w=20 hb_t=130 hb=90", "stores=300 hb_part=192 total=492 total_kg=24.6", 0.001, 1},
    {"IronDeficit", "w=60 hb_t=150 hb=60", "hb_part=1296 total=1796", 0.001, 2},
    {"IronDeficit", "w=55 hb_t=150 hb=155", "hb_part=0 total=500", 0.001, 0},
    {"SteroidConversion", "frm=3 to=5 dose=30 freq=1 w=60", "to_dose=24 pred_kg=0.5 mc_to=0.5", 0.001, 0},
    {"SteroidConversion", "frm=5 to=3 dose=40 freq=2 w=60",
     "to_dose=50 to_day=100 pred_day=100 pred_kg=1.6667", 0.001, 2},
    {"SteroidConversion", "frm=5 to=5 dose=500 freq=1 w=60", "pred_day=625 hc_day=2500", 0.001, 2},
    {"SteroidConversion", "frm=7 to=3 dose=0.75 freq=1 w=60", "to_dose=5", 0.001, 1},
    {"SteroidConversion", "frm=3 to=3 dose=10 freq=1 w=60", "to_dose=10", 0.001, 0},
    {"Caprini", "age=0 surg=0 mob=0 rf=0", "score=0 band=1", 0, 0},
    {"Caprini", "age=1 surg=0 mob=0 rf=0", "score=1 band=2", 0, 1},
    {"Caprini", "age=0 surg=1 mob=0 rf=1", "score=2 band=2", 0, 1},
    {"Caprini", "age=2 surg=0 mob=1 rf=0", "score=3 band=3", 0, 2},
    {"Caprini", "age=2 surg=2 mob=0 rf=3", "score=7 band=4", 0, 3},
    {"Caprini", "age=1 surg=5 mob=2 rf=0", "score=8 band=4", 0, 3},
    {"BradenQ", "mob=2 act=1 sens=2 moist=3 fric=3 nutr=2 perf=3", "score=16", 0, 2},
    {"BradenQ", "mob=2 act=1 sens=3 moist=3 fric=3 nutr=2 perf=3", "score=17", 0, 1},
    {"BradenQ", "mob=3 act=1 sens=3 moist=3 fric=3 nutr=2 perf=3", "score=18", 0, 0},
    {"BradenQ", "mob=1 act=1 sens=1 moist=2 fric=2 nutr=2 perf=2", "score=11", 0, 2},
    {"PainNrs", "nrs=0", "band=0 next_h=24 per_day=1", 0, 0},
    {"PainNrs", "nrs=2", "band=1 next_h=24", 0, 1},
    {"PainNrs", "nrs=6", "band=2 next_h=4", 0, 2},
    {"PainNrs", "nrs=10", "band=3 next_h=4 per_day=6", 0, 3},
    {"Pcis", "hr=6 sbp=10 rr=6 pao2=10 ph=10 na=10 k=10 renal=10 hb=10 gi=10", "score=92 band=1", 0, 0},
    {"Pcis", "hr=6 sbp=4 rr=10 pao2=10 ph=10 na=10 k=10 renal=10 hb=10 gi=10", "score=90 band=1", 0, 1},
    {"Pcis", "hr=4 sbp=10 rr=4 pao2=4 ph=10 na=10 k=10 renal=10 hb=10 gi=10", "score=82 band=1", 0, 1},
    {"Pcis", "hr=4 sbp=4 rr=4 pao2=4 ph=4 na=4 k=4 renal=4 hb=4 gi=4", "score=40 band=3", 0, 3},
    {"ImproveBleeding", "age=1.5 male=1 renal=1 ulcer=0 bleed=0 plt=0 hepatic=0 icu=0 cvc=0 rheum=0 cancer=0",
     "score=3.5 mb14=0.4 n_minor=1 cn_high=0", 0, 0},
    {"ImproveBleeding", "age=1.5 male=1 renal=0 ulcer=0 bleed=0 plt=4 hepatic=0 icu=0 cvc=0 rheum=0 cancer=0",
     "score=6.5 n_major=1 cn_high=1", 0, 2},
    {"ImproveBleeding", "age=1.5 male=1 renal=0 ulcer=0 bleed=0 plt=0 hepatic=0 icu=0 cvc=2 rheum=0 cancer=2",
     "score=6.5 n_minor=3 cn_high=1", 0, 2},
    {"ImproveBleeding", "age=3.5 male=0 renal=1 ulcer=0 bleed=0 plt=0 hepatic=2.5 icu=0 cvc=0 rheum=0 cancer=0",
     "score=7 mb14=4.1 n_minor=2 cn_high=0", 0, 2},
    {"ImproveBleeding", "age=3.5 male=0 renal=0 ulcer=0 bleed=0 plt=0 hepatic=0 icu=2.5 cvc=2 rheum=0 cancer=0",
     "score=8 n_minor=3 cn_high=1", 0, 2},
    {"ImproveBleeding", "age=1.5 male=0 renal=0 ulcer=0 bleed=0 plt=0 hepatic=0 icu=0 cvc=0 rheum=0 cancer=0",
     "score=1.5 mb14=0.4 cn_high=0", 0, 0},
    // Ward scores, children's dosing and potassium.
    {"Cha2ds2Vasc", "chf=0 htn=1 age=72 dm=1 stroke=0 vasc=0 sex=1", "score=3", 0, 3},
    {"Cha2ds2Vasc", "chf=0 htn=0 age=70 dm=0 stroke=0 vasc=0 sex=0", "score=2 nonsex=1", 0, 2},
    {"Cha2ds2Vasc", "chf=1 htn=1 age=80 dm=1 stroke=1 vasc=1 sex=0", "score=9", 0, 3},
    {"Cha2ds2Vasc", "chf=0 htn=0 age=50 dm=0 stroke=0 vasc=0 sex=0", "score=1 nonsex=0", 0, 0},
    {"Cha2ds2Vasc", "chf=0 htn=0 age=60 dm=0 stroke=0 vasc=0 sex=1", "score=0 nonsex=0", 0, 0},
    {"Curb65", "conf=0 urea=8.2 rr=24 sbp=110 dbp=70 age=78", "score=2", 0, 2},
    {"Curb65", "conf=1 urea=12 rr=32 sbp=85 dbp=50 age=80", "score=5", 0, 3},
    {"Curb65", "conf=0 urea=7 rr=30 sbp=120 dbp=60 age=64", "score=2", 0, 2},
    {"Curb65", "conf=0 urea=5 rr=18 sbp=120 dbp=75 age=60", "score=0", 0, 0},
    {"QSofa", "rr=24 sbp=95 gcs=15", "score=2", 0, 3},
    {"QSofa", "rr=22 sbp=100 gcs=14", "score=3", 0, 3},
    {"QSofa", "rr=18 sbp=120 gcs=15", "score=0", 0, 0},
    {"QSofa", "rr=24 sbp=120 gcs=15", "score=1", 0, 1},
    {"Nrs2002", "nut=2 dis=1 age=72", "score=4", 0, 2},
    {"Nrs2002", "nut=0 dis=1 age=50", "score=1", 0, 0},
    {"Nrs2002", "nut=1 dis=1 age=70", "score=3", 0, 2},
    {"ChildWeight", "am=72 bw=3.3", "cn=20", 0.001, 0},
    {"ChildWeight", "am=6 bw=3.3", "cn=7.5 apls=7", 0.001, 0},
    {"ChildWeight", "am=9 bw=3.3", "cn=8.25 apls=8.5", 0.001, 0},
    {"ChildDose", "w=10 dpk=20 maxd=0 freq=1", "raw=200 dose=200 daily=200", 0.001, 0},
    {"ChildDose", "w=40 dpk=15 maxd=500 freq=3", "raw=600 dose=500 daily=1500", 0.001, 2},
    {"ChildDose", "w=33.3334 dpk=15 maxd=500 freq=3", "raw=500.0004 dose=500", 0.001, 0},
    {"ChildDose", "w=15 dpk=10 maxd=0 freq=2.5", "daily=375", 0.001, 2},
    {"BarthelIndex", "feed=10 bath=5 groom=5 dress=10 bowel=10 bladder=10 toilet=10 transfer=15 walk=15 stairs=10",
     "score=100", 0, 0},
    {"BarthelIndex", "feed=5 bath=0 groom=0 dress=5 bowel=10 bladder=10 toilet=5 transfer=10 walk=5 stairs=0",
     "score=50", 0, 2},
    {"BarthelIndex", "feed=0 bath=0 groom=0 dress=0 bowel=5 bladder=5 toilet=0 transfer=5 walk=0 stairs=0",
     "score=15", 0, 3},
    {"BarthelIndex", "feed=10 bath=5 groom=5 dress=10 bowel=10 bladder=10 toilet=10 transfer=15 walk=10 stairs=5",
     "score=90", 0, 1},
    {"PaduaScore", "cancer=1 pvte=0 immob=1 thromb=0 trauma=0 age=75 hf=0 ami=0 infect=0 bmi=22 horm=0",
     "score=7", 0, 2},
    {"PaduaScore", "cancer=0 pvte=0 immob=0 thromb=0 trauma=0 age=72 hf=0 ami=0 infect=1 bmi=31 horm=0",
     "score=3", 0, 0},
    {"News2", "rr=22 spo2=95 scale2=0 o2=1 sbp=105 hr=95 cvpu=0 temp=38.5", "score=8 maxp=2", 0, 3},
    {"News2", "rr=16 spo2=98 scale2=0 o2=0 sbp=125 hr=72 cvpu=0 temp=36.8", "score=0", 0, 0},
    {"News2", "rr=26 spo2=97 scale2=0 o2=0 sbp=130 hr=80 cvpu=0 temp=37", "score=3 maxp=3", 0, 2},
    {"News2", "rr=18 spo2=95 scale2=1 o2=1 sbp=120 hr=88 cvpu=0 temp=36.5", "p_spo2=2 score=4", 0, 1},
    {"News2", "rr=22 spo2=95 scale2=0 o2=0 sbp=108 hr=95 cvpu=0 temp=37", "score=5 maxp=2", 0, 2},
    {"PotassiumInfusion", "kcl_ml=15 vol=500 rate=125 urine=50",
     "kcl_g=1.5 k_mmol=20.1 conc_pct=0.2913 conc_mmol=39.0291 k_rate=4.8786", 0.001, 0},
    {"PotassiumInfusion", "kcl_ml=20 vol=250 rate=200 urine=0", "conc_pct=0.7407 k_rate=19.8519", 0.001, 3},
    {"PotassiumInfusion", "kcl_ml=30 vol=1000 rate=125 urine=20", "conc_pct=0.2913 k_rate=4.8786", 0.001, 2},
    {"PotassiumInfusion", "kcl_ml=15 vol=500 rate=125 urine=0", "conc_pct=0.2913 k_rate=4.8786", 0.001, 1},
    {"PotassiumInfusion", "kcl_ml=15.24 vol=485 rate=125 urine=50", "conc_pct=0.3047", 0.001, 0},
    {"PotassiumInfusion", "kcl_ml=15 vol=500 rate=600 urine=50", "conc_pct=0.2913 k_rate=23.4175", 0.001, 3},
    // Physicians' scores.
    {"PregnancyWeightGain", "pre=55 h=160 cur=65 gw=24 single=1", "gain=10 exp_hi=6.8", 0.001, 2},
    {"PregnancyWeightGain", "pre=55 h=160 cur=69.5 gw=40 single=1", "gain=14.5 tot_hi=14 exp_hi=14.48", 0.001, 2},
    {"PregnancyWeightGain", "pre=55 h=160 cur=58 gw=10 single=1", "gain=3 exp_lo=0 exp_hi=2", 0.001, 1},
    {"PregnancyWeightGain", "pre=55 h=160 cur=54 gw=9 single=1", "gain=-1", 0.001, 1},
    {"PregnancyWeightGain", "pre=55 h=160 cur=57 gw=13.9 single=1", "gain=2 exp_lo=0 exp_hi=2", 0.001, 0},
    {"PregnancyWeightGain", "pre=55 h=160 cur=58 gw=14 single=1", "gain=3 exp_lo=0 exp_hi=2", 0.001, 2},
    {"PregnancyWeightGain", "pre=61.34 h=160 cur=66 gw=24 single=1", "bmi=23.9609 cat=3 tot_lo=7 tot_hi=11", 0.001, 0},
    {"PregnancyWeightGain", "pre=55 h=160 cur=62 gw=24 single=0", "gain=7", 0.001, 1},
    {"PregnancyWeightGain", "pre=95 h=165 cur=101 gw=30 single=1",
     "bmi=34.8944 cat=4 tot_lo=5 tot_hi=9 exp_lo=2.4 exp_hi=6.8", 0.001, 0},
    {"DehydrationFluid", "w=8 deg=2 typ=1 shock=0",
     "tot_lo=960 tot_hi=1200 ton=0.5 ph1_lo=480 ph1_hi=600 r1_lo=64 r1_hi=80 r2=40", 0.0001, 2},
    {"DehydrationFluid", "w=6 deg=1 typ=3 shock=0",
     "tot_lo=540 tot_hi=720 def_lo=180 def_hi=300 ton=0.3333", 0.0001, 1},
    {"DehydrationFluid", "w=12 deg=3 typ=4 shock=0", "tot_lo=1800 tot_hi=2160 ton=0.5 exp_ml=0 ph1_hi=1080", 0.0001, 3},
    {"DehydrationFluid", "w=10 deg=2 typ=1 shock=1", "exp_ml=200", 0.0001, 2},
    {"Nihss", "loc=0 locq=0 locc=0 gaze=0 visual=0 face=0 arm_l=0 "
     "arm_r=0 leg_l=0 leg_r=0 ataxia=0 sensory=0 language=0 dysarthria=0 neglect=0",
     "motor=0 score=0", 0, 0},
    {"Nihss", "loc=0 locq=1 locc=0 gaze=0 visual=0 face=2 arm_l=0 "
     "arm_r=3 leg_l=0 leg_r=2 ataxia=0 sensory=1 language=1 dysarthria=0 neglect=0",
     "motor=5 score=10", 0, 2},
    {"Nihss", "loc=1 locq=2 locc=1 gaze=1 visual=2 face=2 arm_l=0 "
     "arm_r=4 leg_l=0 leg_r=3 ataxia=0 sensory=1 language=2 dysarthria=0 neglect=0",
     "motor=7 score=19", 0, 3},
    {"Nihss", "loc=2 locq=2 locc=2 gaze=2 visual=2 face=3 arm_l=4 "
     "arm_r=0 leg_l=4 leg_r=0 ataxia=0 sensory=2 language=0 dysarthria=2 neglect=2",
     "motor=8 score=27", 0, 3},
    {"WellsDvt", "cancer=0 paresis=0 bedrest=0 tender=1 leg=0 calf=1 pitting=0 collat=0 prev=0 alt=0", "score=2", 0, 2},
    {"WellsDvt", "cancer=0 paresis=0 bedrest=0 tender=0 leg=0 calf=0 pitting=1 collat=0 prev=1 alt=-2",
     "score=0", 0, 0},
    {"WellsDvt", "cancer=0 paresis=0 bedrest=0 tender=0 leg=1 calf=0 pitting=0 collat=0 prev=0 alt=0", "score=1", 0, 1},
    {"WellsPe", "dvt=0 pe1=0 hr=0 immob=1.5 prev=0 haem=0 cancer=1", "score=2.5 simple=2", 0, 1},
    {"HasBled", "htn=0 renal=0 liver=0 stroke=0 bleed=0 inr=0 age=70 drugs=1 alcohol=0", "elderly=1 score=2", 0, 1},
    {"HasBled", "htn=1 renal=0 liver=0 stroke=0 bleed=0 inr=0 age=65 drugs=0 alcohol=0", "elderly=0 score=1", 0, 0},
    {"Sofa", "pao2=95 fio2=21 vent=0 plt=200 bili=12 map=85 vaso=0 gcs=15 cr=70 uo=0 base=0",
     "pf=452.381 sofa=0 delta=0", 0.001, 0},
    {"Sofa", "pao2=95 fio2=21 vent=0 plt=200 bili=12 map=85 vaso=0 gcs=15 cr=180 uo=0 base=2",
     "p_renal=2 sofa=2 delta=0", 0, 1},
    {"Sofa", "pao2=70 fio2=40 vent=0 plt=200 bili=12 map=85 vaso=0 gcs=15 cr=70 uo=0 base=0", "pf=175 p_resp=2", 0, 3},
    {"GlasgowBlatchford", "urea=12 sex=0 hb=105 sbp=104 hr=102 melaena=1 syncope=0 hepatic=0 cardiac=0",
     "p_urea=4 p_hb=1 p_sbp=1 p_other=2 score=8", 0, 3},
    {"GlasgowBlatchford", "urea=7 sex=1 hb=125 sbp=125 hr=80 melaena=0 syncope=0 hepatic=0 cardiac=0",
     "p_urea=2 p_hb=1 score=3", 0, 2},
    {"GlasgowBlatchford", "urea=5 sex=0 hb=118 sbp=125 hr=80 melaena=0 syncope=0 hepatic=0 cardiac=0",
     "p_hb=1 score=1", 0, 1},
    {"Bisap", "urea=10.2 mental=0 sirs=1 age=66 effusion=0", "p_bun=1 score=3", 0, 3},
    {"Bisap", "urea=5 mental=0 sirs=1 age=45 effusion=1", "score=2", 0, 1},
    {"HeartScore", "hist=1 ecg=0 age=50 risk=1 trop=0", "score=3", 0, 0},
    {"HeartScore", "hist=0 ecg=0 age=65 risk=0 trop=0", "p_age=2 score=2", 0, 0},
    // Nursing scales.
    {"NortonScale", "phys=3 ment=3 act=3 mob=3 inc=2", "score=14", 0, 1},
    {"NortonScale", "phys=3 ment=2 act=2 mob=2 inc=3", "score=12", 0, 2},
    {"NortonScale", "phys=2 ment=2 act=1 mob=2 inc=2", "score=9", 0, 3},
    {"HumptyDumpty", "age=4 sex=2 dx=3 cog=1 env=4 surg=1 med=1", "score=16", 0, 3},
    {"HumptyDumpty", "age=2 sex=2 dx=1 cog=1 env=2 surg=2 med=1", "score=11", 0, 0},
    {"HumptyDumpty", "age=3 sex=1 dx=1 cog=2 env=2 surg=2 med=1", "score=12", 0, 3},
    {"HendrichFallRisk", "conf=4 dep=0 elim=1 dizzy=1 male=1 aed=0 bzd=0 gug=1", "score=8", 0, 3},
    {"HendrichFallRisk", "conf=4 dep=0 elim=0 dizzy=0 male=0 aed=0 bzd=0 gug=0", "score=4", 0, 0},
    {"HendrichFallRisk", "conf=0 dep=2 elim=0 dizzy=0 male=1 aed=2 bzd=0 gug=0", "score=5", 0, 3},
    {"FlaccPain", "face=1 legs=1 act=0 cry=1 cons=0", "score=3", 0, 1},
    {"FlaccPain", "face=1 legs=2 act=1 cry=1 cons=1", "score=6", 0, 2},
    {"FlaccPain", "face=2 legs=2 act=1 cry=2 cons=1", "score=8", 0, 3},
    {"CpotPain", "face=1 body=1 musc=1 vent=0", "score=3", 0, 2},
    {"CpotPain", "face=1 body=0 musc=1 vent=0", "score=2", 0, 0},
    {"RassSedation", "rass=3 tlo=-2 thi=0", "dev=3 inband=0", 0, 3},
    {"RassSedation", "rass=2 tlo=-2 thi=0", "dev=2 inband=0", 0, 2},
    {"RassSedation", "rass=-5 tlo=-2 thi=0", "dev=-3 inband=0", 0, 2},
    {"RassSedation", "rass=-5 tlo=-5 thi=-4", "dev=0 inband=1", 0, 0},
    {"RassSedation", "rass=0 tlo=1 thi=-1", "dev=1 inband=0", 0, 2},
    {"WaterSwallowTest", "grade=1 t=4", "res=1", 0, 0},
    {"WaterSwallowTest", "grade=2 t=6", "res=2", 0, 1},
    {"WaterSwallowTest", "grade=4 t=10", "res=3", 0, 2},
    {"WaterSwallowTest", "grade=1 t=0", "res=1", 0, 2},
    {"Mews", "sbp=70 hr=150 rr=35 temp=40.2 avpu=2", "p_sbp=3 p_hr=3 p_rr=3 p_t=2 score=13", 0, 3},
    {"Mews", "sbp=95 hr=105 rr=18 temp=36.8 avpu=1", "p_sbp=1 p_hr=1 p_rr=1 p_t=0 score=4", 0, 1},
    {"Mews", "sbp=110 hr=115 rr=22 temp=38.6 avpu=0", "p_hr=2 p_rr=2 p_t=2 score=6", 0, 2},
    {"Mews", "sbp=200 hr=50 rr=8 temp=34.9 avpu=0", "p_sbp=2 p_hr=1 p_rr=2 p_t=2 score=7", 0, 2},
    {"Mews", "sbp=101 hr=100 rr=14 temp=38.4 avpu=0", "score=0", 0, 0},
    {"Pews", "beh=2 cv=1 resp=2 neb=0 vom=0", "score=5", 0, 3},
    {"Pews", "beh=1 cv=0 resp=2 neb=0 vom=0", "score=3", 0, 2},
    {"Pews", "beh=0 cv=1 resp=1 neb=0 vom=0", "score=2", 0, 0},
    {"Pews", "beh=0 cv=0 resp=1 neb=2 vom=0", "score=3", 0, 2},
    {"Pews", "beh=3 cv=3 resp=3 neb=2 vom=2", "score=13", 0, 3},
    {"BishopScore", "dil=1 eff=2 sta=2 cons=1 pos=2", "score=8", 0, 0},
    {"BishopScore", "dil=1 eff=1 sta=2 cons=1 pos=1", "score=6", 0, 1},
    {"BishopScore", "dil=1 eff=1 sta=1 cons=1 pos=1", "score=5", 0, 1},
    {"BishopScore", "dil=3 eff=3 sta=3 cons=2 pos=2", "score=13", 0, 0},
    // Obstetrics and bedside scores.
    {"DueDate", "y=1970 m=1 d=1 ty=0 tm=0 td=0", "lmp=0", 0, 0},
    {"DueDate", "y=2000 m=2 d=29 ty=0 tm=0 td=0", "lmp=11016 edd=11296", 0, 0},
    {"DueDate", "y=2024 m=12 d=31 ty=2025 tm=6 td=1", "lmp=20088 edd=20368 ga_days=152 ga_w=21 ga_d=5", 0, 0},
    {"DueDate", "y=2025 m=1 d=10 ty=2025 tm=11 td=1", "ga_days=295 ga_w=42 ga_d=1", 0, 3},
    {"DueDate", "y=2025 m=1 d=1 ty=2025 tm=10 td=17", "ga_days=289 ga_w=41 ga_d=2", 0, 1},
    {"DueDate", "y=2024 m=1 d=1 ty=2025 tm=1 td=1", "ga_days=366 ga_w=52", 0, 2},
    {"DueDate", "y=2026 m=1 d=1 ty=26 tm=6 td=1", "edd=20734", 0, 2},
    {"GlasgowComaScale", "e=4 v=5 m=6", "gcs=15", 0, 0},
    {"GlasgowComaScale", "e=2 v=2 m=4", "gcs=8", 0, 3},
    {"GlasgowComaScale", "e=3 v=4 m=5", "gcs=12", 0, 2},
    {"GlasgowComaScale", "e=4 v=4 m=6", "gcs=14", 0, 1},
    {"BradenScale", "sp=3 mo=3 ac=3 mb=3 nu=2 fs=2", "score=16", 0, 1},
    {"BradenScale", "sp=2 mo=2 ac=2 mb=2 nu=2 fs=1", "score=11", 0, 3},
    {"BradenScale", "sp=3 mo=2 ac=2 mb=2 nu=2 fs=2", "score=13", 0, 2},
    {"BradenScale", "sp=4 mo=4 ac=4 mb=4 nu=4 fs=3", "score=23", 0, 0},
    {"MorseFallScale", "fall=25 dx2=15 aid=15 iv=20 gait=10 ment=0", "score=85", 0, 3},
    {"MorseFallScale", "fall=0 dx2=15 aid=0 iv=20 gait=0 ment=0", "score=35", 0, 2},
    {"MorseFallScale", "fall=25 dx2=0 aid=0 iv=20 gait=0 ment=0", "score=45", 0, 3},
    {"MorseFallScale", "fall=0 dx2=15 aid=0 iv=0 gait=0 ment=0", "score=15", 0, 0},
    {"ApgarScore", "hr=2 resp=2 tone=2 refl=2 col=1", "score=9", 0, 0},
    {"ApgarScore", "hr=1 resp=1 tone=1 refl=1 col=1", "score=5", 0, 2},
    {"ApgarScore", "hr=0 resp=0 tone=1 refl=0 col=0", "score=1", 0, 3},
};

std::vector<std::pair<std::string, double>> Pairs(const char* text) {
    std::vector<std::pair<std::string, double>> pairs;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        size_t equals = word.find('=');
        EXPECT_NE(equals, std::string::npos) << word;
        pairs.emplace_back(word.substr(0, equals), std::strtod(word.c_str() + equals + 1, nullptr));
    }
    return pairs;
}

template <typename Field>
int IndexOfKey(const Field* fields, int count, const std::string& key) {
    for (int i = 0; i < count; ++i)
        if (key == fields[i].key) return i;
    return -1;
}

TEST(WorkedExamples, EveryExampleOfTheReference) {
    static CalculationResult result;
    for (const WorkedExample& example : kExamples) {
        const ToolDef& tool = CatalogueTool(example.program);
        SCOPED_TRACE(std::string(example.program) + " " + example.inputs);
        double inputs[kMaxInputs] = {};
        for (int i = 0; i < tool.inputCount; ++i) inputs[i] = tool.inputs[i].defaultValue;
        for (const auto& [key, value] : Pairs(example.inputs)) {
            int i = IndexOfKey(tool.inputs, tool.inputCount, key);
            EXPECT_GE(i, 0) << "no input " << key;
            if (i >= 0) inputs[i] = value;
        }
        Calculate(tool, inputs, &result);
        EXPECT_EQ(result.failedCount, 0);
        for (const auto& [key, expected] : Pairs(example.outputs)) {
            int o = IndexOfKey(tool.outputs, tool.outputCount, key);
            EXPECT_GE(o, 0) << "no output " << key;
            if (o >= 0) {
                EXPECT_NEAR(result.outputValues[o], expected, example.tolerance) << key;
            }
        }
        EXPECT_EQ(result.level, example.level) << ::testing::PrintToString(std::wstring(result.verdictText));
    }
}

}  // namespace
