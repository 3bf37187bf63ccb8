#include "reports/compatibility.h"

#include <iterator>

#include "engine/text.h"
#include "reports/report.h"

namespace {

// Numbered from 1; any other number is shown as drug 1.
const wchar_t* const CompatDrugNames[] = {
    L"头孢曲松", L"葡萄糖酸钙", L"万古霉素", L"呋塞米",   L"氨溴索",
    L"奥美拉唑", L"维生素C",    L"胰岛素",   L"碳酸氢钠", L"多巴胺",
};
constexpr int32_t kDrugCount = static_cast<int32_t>(std::size(CompatDrugNames));

const wchar_t kCalciumConclusion[] =
    L"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。";
const wchar_t kVancomycinConclusion[] =
    L"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。";
const wchar_t kFurosemideConclusion[] = L"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。";
const wchar_t kOmeprazoleConclusion[] = L"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。";

const wchar_t kContraindicated[] = L"禁忌：不可同瓶输注，需间隔冲管";
const wchar_t kSeparateAndFlush[] = L"不宜同瓶，分开输注并冲管";
const wchar_t kSeparate[] = L"不宜同瓶，建议分开输注";

// A known pair, by its smaller and its larger number.
struct PairRule {
    int32_t smaller, larger;
    const wchar_t* conclusion;
    const wchar_t* verdict;
    int32_t level;
};

const PairRule kPairRules[] = {
    {1, 2, kCalciumConclusion, kContraindicated, LevelDanger},
    {2, 9, kCalciumConclusion, kContraindicated, LevelDanger},
    {3, 6, kVancomycinConclusion, kSeparateAndFlush, LevelWarning},
    {3, 9, kVancomycinConclusion, kSeparateAndFlush, LevelWarning},
    {4, 10, kFurosemideConclusion, kSeparate, LevelWarning},
    {5, 9, kFurosemideConclusion, kSeparate, LevelWarning},
    {6, 7, kOmeprazoleConclusion, L"建议分开输注", LevelNotice},
};

const PairRule kUnlistedPair = {
    0, 0, L"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。",
    L"未收录明确禁忌，仍需核对院内配伍表", LevelNormal,
};

const wchar_t kNumberingFirstHalf[] = L"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索";
// Six spaces put the second half under the first.
const wchar_t kNumberingSecondHalf[] = L"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺";

const wchar_t* ShownName(int32_t number) {
    return number >= 1 && number <= kDrugCount ? CompatDrugNames[number - 1] : CompatDrugNames[0];
}

const PairRule& FindPairRule(int32_t a, int32_t b) {
    int32_t smaller = a < b ? a : b;
    int32_t larger = a < b ? b : a;
    for (const PairRule& rule : kPairRules)
        if (rule.smaller == smaller && rule.larger == larger) return rule;
    return kUnlistedPair;
}

}  // namespace

int32_t BuildCompatibilityCheck(const ToolDef& tool, const double* values, wchar_t* resultText,
                                int32_t resultCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    int32_t a = ToInt32(FindInput(tool, values, "drugA"));
    int32_t b = ToInt32(FindInput(tool, values, "drugB"));
    const PairRule& rule = FindPairRule(a, b);
    AppendLine(resultText, resultCapacity, L"待查：%d 号 %ls  +  %d 号 %ls", a, ShownName(a), b, ShownName(b));
    AppendFixedLine(resultText, resultCapacity, L"");
    AppendFixedLine(resultText, resultCapacity, kNumberingFirstHalf);
    AppendFixedLine(resultText, resultCapacity, kNumberingSecondHalf);
    AppendFixedLine(resultText, resultCapacity, L"");
    AppendFixedLine(resultText, resultCapacity, rule.conclusion);
    CopyCut(verdictText, verdictCapacity, rule.verdict);
    return rule.level;
}
