#include <gtest/gtest.h>

#include "report_test_tool.h"

namespace {

const wchar_t kNumbering[] =
    L"\r\n"
    L"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索\r\n"
    L"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺\r\n"
    L"\r\n";

const wchar_t kCalcium[] = L"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。";
const wchar_t kVancomycin[] = L"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。";
const wchar_t kFurosemide[] = L"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。";
const wchar_t kOmeprazole[] = L"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。";
const wchar_t kUnlisted[] = L"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。";

const wchar_t kContraindicated[] = L"禁忌：不可同瓶输注，需间隔冲管";
const wchar_t kSeparateAndFlush[] = L"不宜同瓶，分开输注并冲管";
const wchar_t kSeparate[] = L"不宜同瓶，建议分开输注";
const wchar_t kSeparateNotice[] = L"建议分开输注";
const wchar_t kUnlistedVerdict[] = L"未收录明确禁忌，仍需核对院内配伍表";

struct PairCase {
    std::vector<ReportInput> inputs;
    const wchar_t* firstLine;
    const wchar_t* conclusion;
    const wchar_t* verdict;
    int32_t level;
};

const PairCase kPairCases[] = {
    {{{"drugA", 1}, {"drugB", 2}}, L"待查：1 号 头孢曲松  +  2 号 葡萄糖酸钙", kCalcium, kContraindicated, 3},
    {{{"drugA", 2}, {"drugB", 1}}, L"待查：2 号 葡萄糖酸钙  +  1 号 头孢曲松", kCalcium, kContraindicated, 3},
    {{{"drugA", 2}, {"drugB", 9}}, L"待查：2 号 葡萄糖酸钙  +  9 号 碳酸氢钠", kCalcium, kContraindicated, 3},
    {{{"drugA", 9}, {"drugB", 2}}, L"待查：9 号 碳酸氢钠  +  2 号 葡萄糖酸钙", kCalcium, kContraindicated, 3},
    {{{"drugA", 3}, {"drugB", 6}}, L"待查：3 号 万古霉素  +  6 号 奥美拉唑", kVancomycin, kSeparateAndFlush, 2},
    {{{"drugA", 6}, {"drugB", 3}}, L"待查：6 号 奥美拉唑  +  3 号 万古霉素", kVancomycin, kSeparateAndFlush, 2},
    {{{"drugA", 3}, {"drugB", 9}}, L"待查：3 号 万古霉素  +  9 号 碳酸氢钠", kVancomycin, kSeparateAndFlush, 2},
    {{{"drugA", 9}, {"drugB", 3}}, L"待查：9 号 碳酸氢钠  +  3 号 万古霉素", kVancomycin, kSeparateAndFlush, 2},
    {{{"drugA", 4}, {"drugB", 10}}, L"待查：4 号 呋塞米  +  10 号 多巴胺", kFurosemide, kSeparate, 2},
    {{{"drugA", 10}, {"drugB", 4}}, L"待查：10 号 多巴胺  +  4 号 呋塞米", kFurosemide, kSeparate, 2},
    {{{"drugA", 5}, {"drugB", 9}}, L"待查：5 号 氨溴索  +  9 号 碳酸氢钠", kFurosemide, kSeparate, 2},
    {{{"drugA", 9}, {"drugB", 5}}, L"待查：9 号 碳酸氢钠  +  5 号 氨溴索", kFurosemide, kSeparate, 2},
    {{{"drugA", 6}, {"drugB", 7}}, L"待查：6 号 奥美拉唑  +  7 号 维生素C", kOmeprazole, kSeparateNotice, 1},
    {{{"drugA", 7}, {"drugB", 6}}, L"待查：7 号 维生素C  +  6 号 奥美拉唑", kOmeprazole, kSeparateNotice, 1},
    // Unlisted pairs.
    {{{"drugA", 3}, {"drugB", 3}}, L"待查：3 号 万古霉素  +  3 号 万古霉素", kUnlisted, kUnlistedVerdict, 0},
    {{{"drugA", 8}, {"drugB", 1}}, L"待查：8 号 胰岛素  +  1 号 头孢曲松", kUnlisted, kUnlistedVerdict, 0},
    {{{"drugA", 2}, {"drugB", 8}}, L"待查：2 号 葡萄糖酸钙  +  8 号 胰岛素", kUnlisted, kUnlistedVerdict, 0},
    {{{"drugA", 8}, {"drugB", 9}}, L"待查：8 号 胰岛素  +  9 号 碳酸氢钠", kUnlisted, kUnlistedVerdict, 0},
    {{{"drugA", 8}, {"drugB", 8}}, L"待查：8 号 胰岛素  +  8 号 胰岛素", kUnlisted, kUnlistedVerdict, 0},
    {{{"drugA", 1}, {"drugB", 9}}, L"待查：1 号 头孢曲松  +  9 号 碳酸氢钠", kUnlisted, kUnlistedVerdict, 0},
    {{}, L"待查：0 号 头孢曲松  +  0 号 头孢曲松", kUnlisted, kUnlistedVerdict, 0},
    {{{"drugA", 11}, {"drugB", 2}}, L"待查：11 号 头孢曲松  +  2 号 葡萄糖酸钙", kUnlisted, kUnlistedVerdict, 0},
    {{{"drugA", 2}, {"drugB", 0}}, L"待查：2 号 葡萄糖酸钙  +  0 号 头孢曲松", kUnlisted, kUnlistedVerdict, 0},
    {{{"drugA", -1}, {"drugB", 2}}, L"待查：-1 号 头孢曲松  +  2 号 葡萄糖酸钙", kUnlisted, kUnlistedVerdict, 0},
    {{{"drugA", 3e9}, {"drugB", 1}},
     L"待查：-2147483648 号 头孢曲松  +  1 号 头孢曲松", kUnlisted, kUnlistedVerdict, 0},
    // Numbers are truncated toward zero; the first of two keys decides.
    {{{"drugA", 2.7}, {"drugB", 9.2}}, L"待查：2 号 葡萄糖酸钙  +  9 号 碳酸氢钠", kCalcium, kContraindicated, 3},
    {{{"drugB", 6}, {"drugA", 7}, {"drugA", 1}}, L"待查：7 号 维生素C  +  6 号 奥美拉唑", kOmeprazole, kSeparateNotice, 1},
    {{{"drugA", 1}}, L"待查：1 号 头孢曲松  +  0 号 头孢曲松", kUnlisted, kUnlistedVerdict, 0},
};

TEST(CompatibilityCheck, PairsAreLookedUpBySmallerAndLargerNumber) {
    for (const PairCase& row : kPairCases) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - kPairCases));
        ReportRun run = RunReportOf(6, row.inputs);
        EXPECT_EQ(run.text, std::wstring(row.firstLine) + L"\r\n" + kNumbering + row.conclusion + L"\r\n");
        EXPECT_EQ(run.verdict, row.verdict);
        EXPECT_EQ(run.level, row.level);
    }
}

TEST(CompatibilityCheck, CutTextKeepsTheVerdictAndLevelOfThePair) {
    ReportRun run = RunReportOf(6, {{"drugA", 9}, {"drugB", 2}}, 12);
    EXPECT_EQ(run.text, L"待查：9 号 碳酸氢钠");
    EXPECT_EQ(run.verdict, kContraindicated);
    EXPECT_EQ(run.level, LevelDanger);
}

}  // namespace
