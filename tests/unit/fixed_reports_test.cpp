#include <gtest/gtest.h>

#include "report_test_tool.h"

namespace {

// The selector inputs that every selector report is tried with, and the row
// each one must choose (0: the row for any other value).
struct SelectorCase {
    const char* name;
    std::vector<ReportInput> inputs;
    int row;
};

std::vector<SelectorCase> SelectorCases(const char* key, int rowCount) {
    std::vector<SelectorCase> cases = {
        {"missing", {}, 0},
        {"1.9 truncates to 1", {{key, 1.9}}, 1},
        {"-0.7 truncates to 0", {{key, -0.7}}, 0},
        {"3e9 is out of range", {{key, 3e9}}, 0},
        {"-3e9 is out of range", {{key, -3e9}}, 0},
        {"zero", {{key, 0}}, 0},
        {"one past the rows", {{key, static_cast<double>(rowCount + 1)}}, 0},
        {"negative", {{key, -2}}, 0},
        {"first of two decides", {{key, 2}, {key, 1}}, 2},
        {"other keys are not read", {{"selector", 1}, {"Kind", 1}, {"panels", 1}}, 0},
    };
    for (int row = 1; row <= rowCount; ++row)
        cases.push_back({"row", {{"beds", 9}, {key, static_cast<double>(row)}}, row});
    return cases;
}

struct SelectorReport {
    int32_t kind;
    const char* key;
    std::vector<std::wstring> head;
    std::vector<std::vector<std::wstring>> rows;  // rows[0] is the row for any other value
    std::vector<std::wstring> tail;
    const wchar_t* verdict;
};

const SelectorReport kSelectorReports[] = {
    {3,
     "kind",
     {L"标准采血顺序（按添加剂，避免交叉污染）：", L"1 血培养瓶（需氧/厌氧）", L"2 凝血管 淡蓝（枸橼酸钠，凝血 PT/APTT）",
      L"3 促凝/血清管 红或金黄（生化、免疫）", L"4 肝素管 绿（血气、部分生化）", L"5 EDTA 紫（血常规、糖化、血型）",
      L"6 氟化钠 灰（血糖、乳酸）", L""},
     {
         {L"本次：其他项目，请按检验科项目手册执行。"},
         {L"本次：血常规 → 紫管 EDTA，采血后 8 次颠倒混匀，2 小时内送检。"},
         {L"本次：凝血 → 淡蓝管，需采满刻度线（约 2.0ml），采血后立即轻柔颠倒 3-4 次。"},
         {L"本次：生化 → 红/金黄管，避免溶血，采血后静置 30 分钟离心。"},
         {L"本次：血气 → 肝素化注射器，排气后立即送检，15 分钟内完成。"},
         {L"本次：血培养 → 需氧+厌氧各 1 套，采血 2 套不同部位，先注入培养瓶。"},
         {L"本次：血糖/乳酸 → 灰管，需冰浴送检，30 分钟内完成。"},
     },
     {},
     L"按标准顺序采血可减少溶血与交叉污染"},
    {4,
     "kind",
     {L"常见检验危急值（参考，需以本院文件为准）："},
     {
         {L"请查阅本院《危急值报告目录》"},
         {L"血钾 <2.5 或 >6.5 mmol/L", L"血钠 <120 或 >160 mmol/L", L"血钙 <1.5 或 >3.5 mmol/L"},
         {L"血糖 <2.8 或 >22.2 mmol/L", L"pH <7.20 或 >7.60；PaO2 <45 mmHg；PaCO2 >70 mmHg"},
         {L"白细胞 <1.0 或 >30.0 ×10^9/L", L"血红蛋白 <50 g/L；血小板 <20 或 >1000 ×10^9/L"},
         {L"INR >4.0；纤维蛋白原 <1.0 g/L", L"D-二聚体显著升高并伴临床血栓表现"},
         {L"血培养阳性（无菌部位）", L"脑脊液培养阳性；HIV 初筛阳性需确认"},
         {L"肌钙蛋白明显升高（高于第 99 百分位）", L"血淀粉酶/脂肪酶 >3 倍正常上限"},
     },
     {L"", L"处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。"},
     L"危急值必须闭环：报告、接收、处理、记录"},
    {5,
     "kind",
     {L"高警示药品类别与要点："},
     {
         {L"麻醉与肌松药：丙泊酚、维库溴铵、琥珀胆碱、阿片类",
          L"要点：专柜加锁、基数管理、使用后登记、拮抗剂（纳洛酮/新斯的明）备用。"},
         {L"高浓度电解质：10% 氯化钾、10% 氯化钠、25% 硫酸镁", L"要点：专用标识、专区存放、双人核对、禁止直接静脉推注（钾）。"},
         {L"胰岛素与口服降糖药：胰岛素、格列本脲", L"要点：独立存放、专用注射器、剂量双人核对、低血糖监测与急救糖备用。"},
         {L"抗凝与化疗药：肝素、华法林、低分子肝素、化疗药物",
          L"要点：化疗药集中配置与防护、抗凝药监测 INR/APTT、出血风险宣教。"},
     },
     {},
     L"高警示药品须专区、专标识、双人核对"},
    {11,
     "panel",
     {},
     {
         {L"尿常规（清洁中段尿）：尿蛋白、尿糖、尿潜血、白细胞、亚硝酸盐、比重、pH、镜检。",
          L"注意：留取中段尿，1 小时内送检；月经期避免。"},
         {L"血常规（紫管 EDTA）：WBC、RBC、Hb、Hct、PLT、MCV/MCH/MCHC、中性/淋巴/单核/嗜酸/嗜碱比例。",
          L"注意：剧烈运动、情绪、采血时间可影响结果；PLT 聚集需涂片复核。"},
         {L"生化全套（红/金黄管）：肝功（ALT/AST/ALP/GGT/胆红素/白蛋白）、肾功（BUN/Cr/UA）、血糖、血脂、电解质。",
          L"注意：空腹 8-12 小时；溶血标本钾、AST 假性升高。"},
         {L"凝血四项（淡蓝管）：PT、INR、APTT、TT、纤维蛋白原、D-二聚体。", L"注意：采血量必须达刻度；肝素治疗中查 APTT。"},
         {L"甲状腺功能（红/金黄管）：TSH、FT3、FT4、TPOAb、TgAb。", L"注意：空腹；含碘造影剂后 1 周内避免复查。"},
         {L"心肌损伤标志物：cTnI/cTnT、CK-MB、肌红蛋白、BNP/NT-proBNP。",
          L"注意：胸痛发作后 2-4 小时开始升高；动态复查更有意义。"},
     },
     {},
     L"套餐与采血管已列出，按顺序采血"},
};

std::wstring ExpectedText(const SelectorReport& report, int row) {
    std::vector<std::wstring> lines = report.head;
    lines.insert(lines.end(), report.rows[row].begin(), report.rows[row].end());
    lines.insert(lines.end(), report.tail.begin(), report.tail.end());
    return Lines(lines);
}

TEST(FixedReports, SelectorChoosesItsRow) {
    for (const SelectorReport& report : kSelectorReports) {
        int rowCount = static_cast<int>(report.rows.size()) - 1;
        for (const SelectorCase& selector : SelectorCases(report.key, rowCount)) {
            SCOPED_TRACE(testing::Message() << "kind " << report.kind << ", " << selector.name << " "
                                            << selector.row);
            ReportRun run = RunReportOf(report.kind, selector.inputs);
            EXPECT_EQ(run.text, ExpectedText(report, selector.row));
            EXPECT_EQ(run.verdict, report.verdict);
            EXPECT_EQ(run.level, LevelNormal);
        }
    }
}

TEST(FixedReports, HighAlertElectrolytesKeepTheirPercentSigns) {
    ReportRun run = RunReportOf(5, {{"kind", 1}});
    EXPECT_EQ(run.text,
              L"高警示药品类别与要点：\r\n"
              L"高浓度电解质：10% 氯化钾、10% 氯化钠、25% 硫酸镁\r\n"
              L"要点：专用标识、专区存放、双人核对、禁止直接静脉推注（钾）。\r\n");
}

const wchar_t kChecklistText[] =
    L"手术安全核查表（三步核查）：\r\n"
    L"【麻醉实施前】身份/部位/术式/知情同意；过敏史；气道与插管风险；出血风险；影像与植入物；皮肤准备。\r\n"
    L"【手术开始前】团队自我介绍；确认患者、部位、术式；预计手术时间与失血量；抗菌药物已用；器械灭菌合格；影像资料到位。\r\n"
    L"【患者离室前】手术名称与记录一致；标本标识与送检；器械敷料清点；皮肤与管路；恢复与转运方案。\r\n"
    L"\r\n"
    L"要求：三方（外科、麻醉、护理）共同口述确认并签字，任一环节缺失不得开台。\r\n";
const wchar_t kChecklistVerdict[] = L"三方核查缺一不可，签字后归档";

TEST(FixedReports, SurgicalChecklistReadsNoInput) {
    const std::vector<ReportInput> inputSets[] = {{}, {{"kind", 1}}, {{"kind", 3}, {"panel", 2}}};
    for (const std::vector<ReportInput>& inputs : inputSets) {
        ReportRun run = RunReportOf(8, inputs);
        EXPECT_EQ(run.text, kChecklistText);
        EXPECT_EQ(run.verdict, kChecklistVerdict);
        EXPECT_EQ(run.level, LevelNormal);
    }
}

// The heading "手术安全核查表（三步核查）：" has 14 characters.
TEST(FixedReports, TextIsCutAtItsCapacityAndTheVerdictIsStillSet) {
    const std::wstring full = kChecklistText;
    const struct {
        int32_t capacity;
        std::wstring expected;
    } rows[] = {
        {1, L""},
        {10, L"手术安全核查表（三"},
        {15, L"手术安全核查表（三步核查）："},
        {16, L"手术安全核查表（三步核查）：\r"},
        {17, L"手术安全核查表（三步核查）：\r\n"},
        {18, full.substr(0, 17)},
        {static_cast<int32_t>(full.size()), full.substr(0, full.size() - 1)},
        {static_cast<int32_t>(full.size()) + 1, full},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.capacity);
        ReportRun run = RunReportOf(8, {}, row.capacity);
        EXPECT_EQ(run.text, row.expected);
        EXPECT_EQ(run.verdict, kChecklistVerdict);
        EXPECT_EQ(run.level, LevelNormal);
    }
}

TEST(FixedReports, VerdictIsCutAtItsCapacity) {
    const struct {
        int32_t verdictCapacity;
        const wchar_t* expected;
    } rows[] = {{1, L""}, {4, L"三方核"}, {15, L"三方核查缺一不可，签字后归档"}, {14, L"三方核查缺一不可，签字后归"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.verdictCapacity);
        ReportRun run = RunReportOf(8, {}, 8192, row.verdictCapacity);
        EXPECT_EQ(run.text, kChecklistText);
        EXPECT_EQ(run.verdict, row.expected);
    }
}

}  // namespace
