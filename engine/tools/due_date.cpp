// Expected date of delivery by Naegele's rule (LMP + 280 days) and, given
// today's date, the gestational age. Dates are day numbers since 1970-01-01.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("y", L"末次月经年份", L"年", 2026, 1900, 2100),
    Measured("m", L"末次月经月份", L"月", 1, 1, 12),
    Measured("d", L"末次月经日", L"日", 1, 1, 31),
    OnToday(Number("ty", L"今天年份（0不计）", L"年", 0, 0, 2100), TodayYear),
    OnToday(Number("tm", L"今天月份", L"月", 0, 0, 12), TodayMonth),
    OnToday(Number("td", L"今天日", L"日", 0, 0, 31), TodayDay),
};

const OutputField kOutputs[] = {
    {"lmp", L"末次月经首日", nullptr,
     "365*(y - (m <= 2 ? 1 : 0)) + floor((y - (m <= 2 ? 1 : 0))/4) - floor((y - (m <= 2 ? 1 : 0))/100) + "
     "floor((y - (m <= 2 ? 1 : 0))/400) + floor((153*(m > 2 ? m - 3 : m + 9) + 2)/5) + d - 719469",
     "date"},
    {"edd", L"预产期", nullptr, "lmp + 280", "date"},
    {"today", L"今天日期", nullptr,
     "ty > 0 ? 365*(ty - (tm <= 2 ? 1 : 0)) + floor((ty - (tm <= 2 ? 1 : 0))/4) - floor((ty - (tm <= 2 ? 1 : 0))/100) "
     "+ floor((ty - (tm <= 2 ? 1 : 0))/400) + floor((153*(tm > 2 ? tm - 3 : tm + 9) + 2)/5) + td - 719469 : 0",
     "date"},
    {"ga_days", L"孕龄", L"天", "ty > 0 ? today - lmp : 0", "int"},
    {"ga_w", L"孕周（整周数）", L"周", "floor(ga_days/7)", "int"},
    {"ga_d", L"另加天数", L"天", "ga_days - 7*floor(ga_days/7)", "int"},
};

// A today's year outside 1900-2100 (say 26 for 2026) is a typing slip, not a
// skip; 44 weeks or more is a dating error rather than a pregnancy.
const VerdictRule kRules[] = {
    {"y < 1900 || y > 2100 || y != floor(y) || m != floor(m) || d != floor(d) || m < 1 || m > 12 || d < 1 || d > (m "
     "== 2 ? (((mod(y, 4) == 0 && mod(y, 100) != 0) || mod(y, 400) == 0) ? 29 : 28) : ((m == 4 || m == 6 || m == 9 "
     "|| m == 11) ? 30 : 31))",
     LevelWarning, L"末次月经日期无效，请核对"},
    {"ty != 0 && (ty < 1900 || ty > 2100 || ty != floor(ty) || tm != floor(tm) || td != floor(td) || tm < 1 || tm > "
     "12 || td < 1 || td > (tm == 2 ? (((mod(ty, 4) == 0 && mod(ty, 100) != 0) || mod(ty, 400) == 0) ? 29 : 28) : "
     "((tm == 4 || tm == 6 || tm == 9 || tm == 11) ? 30 : 31)))",
     LevelWarning, L"今天日期无效：年份填1900-2100或0"},
    {"ty > 0 && ga_days < 0", LevelWarning, L"末次月经晚于今天，请核对日期"},
    {"ty > 0 && ga_days >= 308", LevelWarning, L"孕周≥44周：请核对末次月经和今天日期"},
    {"ty > 0 && ga_days >= 294", LevelDanger, L"孕周≥42周：过期妊娠",
     L"立即收住院：胎心监护和B超检查，按指征引产或剖宫产终止妊娠。"},
    {"ty > 0 && ga_days >= 287", LevelNotice, L"孕周≥41周：收住院监护，计划引产"},
    {"ty > 0", LevelNormal, L"孕周<41周；请以早孕B超核对孕周"},
    {"1", LevelNormal, L"预产期=末次月经+280天；未填今天不计孕周"},
};

}  // namespace

extern const ToolDef kDueDateTool = {
    .id = 425,
    .title = L"预产期与孕周计算",
    .subtitle = L"按末次月经推算预产期与孕周",
    .category = L"产科",
    .basis = L"预产期 = 末次月经首日 + 280天（Naegele法则）；孕龄 = 今天 − 末次月经首日，折算为整周 + 天；公历日期换算按 Hinnant days_from_civil",
    .note = L"填末次月经第一天的公历年、月、日（不支持农历）。孕周需要今天的日期：请填入今天的年、月、日；今天年份填0则不计算孕周，今天一行显示1970-01-01、孕周各行为0。国内“月减3或加9、日加7”的算法与+280天可相差1-2天。按28天规律周期推算，周期不规则者以早孕B超核对。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
