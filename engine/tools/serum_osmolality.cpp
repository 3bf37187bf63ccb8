// Calculated, Chinese-textbook and effective osmolality, and the osmolal gap.
#include "engine/tool_def.h"

namespace {

const InputField kInputs[] = {
    Measured("na", L"血钠", L"mmol/L", 140, 90, 200),
    Measured("k", L"血钾", L"mmol/L", 4, 1, 10),
    Measured("glu", L"血糖", L"mmol/L", 5, 0.5, 100),
    Measured("urea", L"尿素", L"mmol/L", 5, 0.5, 100),
    Measured("mosm", L"实测渗透压（选填）", L"mOsm/kg", 0, 0, 500),
};

// The gap compares mOsm/kg with mOsm/L as equal, the usual convention.
const OutputField kOutputs[] = {
    {"calc_osm", L"计算渗透压（国际）", L"mOsm/L", "2*na + glu + urea", "f0"},
    {"cn_osm", L"计算渗透压（国内，含钾）", L"mOsm/L", "2*(na + k) + glu + urea", "f0"},
    {"eff_osm", L"有效渗透压", L"mOsm/L", "2*(na + k) + glu", "f0"},
    {"gap", L"渗透压间隙", L"mOsm/kg", "mosm > 0 ? mosm - calc_osm : 0", "f0"},
};

// Judged as shown, in whole numbers.
const VerdictRule kRules[] = {
    {"na <= 0 || k < 0 || glu <= 0 || urea <= 0 || mosm < 0", LevelWarning, L"请输入钠、血糖、尿素（>0），钾与实测≥0"},
    {"round(eff_osm) >= 320", LevelDanger, L"有效渗透压≥320：高渗（HHS标准之一）"},
    {"mosm > 0 && round(gap) > 10", LevelWarning, L"渗透压间隙>10：未测渗透物（醇类、甘露醇）"},
    {"mosm > 0 && round(gap) < -10", LevelNotice, L"实测比计算低10以上：核对标本、单位和时间"},
    {"round(calc_osm) > 295", LevelNotice, L"计算渗透压升高（>295）"},
    {"round(calc_osm) < 275", LevelNotice, L"计算渗透压偏低（<275）：低渗"},
    {"1", LevelNormal, L"计算渗透压正常（275-295）"},
};

}  // namespace

extern const ToolDef kSerumOsmolalityTool = {
    .id = 418,
    .title = L"血浆渗透压与渗透压间隙",
    .subtitle = L"计算渗透压、有效渗透压与渗透压间隙",
    .category = L"电解质与检验",
    .basis = L"计算渗透压 = 2Na + 血糖 + 尿素；国内教材 = 2(Na + K) + 血糖 + 尿素；有效渗透压 = 2(Na + K) + 血糖；间隙 = 实测 − 计算",
    .note = L"均按mmol/L填写，尿素即化验单“尿素”；未测渗透压填0。正常275-295，间隙正常约−10至+10，实测明显低于计算值多为标本、单位或采样时间问题。有效渗透压≥320且血糖≥33.3 mmol/L符合高渗高血糖状态（HHS）。",
    .inputCount = CountOf(kInputs),
    .inputs = kInputs,
    .outputCount = CountOf(kOutputs),
    .outputs = kOutputs,
    .ruleCount = CountOf(kRules),
    .rules = kRules,
};
