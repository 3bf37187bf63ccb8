#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/formula.h"

namespace {

// a = 1, both = 5 (also an output key), and outputs later = 7, both = 9.
const InputField kInputs[] = {
    {"a", L"a", nullptr, 0},
    {"both", L"both", nullptr, 0},
    {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", L"long", nullptr, 0},
};
const OutputField kOutputs[] = {
    {"later", L"later", nullptr, "1", nullptr},
    {"both", L"both", nullptr, "1", nullptr},
};
const ToolDef kTool = {1, L"t", nullptr, L"c", L"b", nullptr, 3, kInputs, 2, kOutputs, 0, nullptr, 0};
const double kInputValues[] = {1, 5, 63};
const double kOutputValues[] = {7, 9};

struct Case {
    const char* formula;
    double value;
    bool failed;
};

void Expect(const Case& c, const double* outputs = kOutputValues) {
    int32_t failed = -1;
    double value = EvaluateFormula(kTool, c.formula, kInputValues, outputs, &failed);
    EXPECT_EQ(failed, c.failed ? 1 : 0) << "formula: " << c.formula;
    if (std::isnan(c.value))
        EXPECT_TRUE(std::isnan(value)) << "formula: " << c.formula;
    else
        EXPECT_DOUBLE_EQ(value, c.value) << "formula: " << c.formula;
}

// Each formula with its value, and whether the evaluation failed.
TEST(Formula, ValueAndFailure) {
    const Case cases[] = {
        // Precedence and grouping.
        {"2+3*4", 14, false}, {"(2+3)*4", 20, false}, {"8/2/2", 2, false},   {"2*3^2", 18, false},
        {"2^3^2", 512, false}, {"-2^2", 4, false},    {"2^-1", 0.5, false},  {"!0^2", 1, false},
        {"10-4-3", 3, false},  {"--3", 3, false},     {"++3", 3, false},     {"-(2+3)", -5, false},
        // Remainders.
        {"7%3", 1, false}, {"-7%3", -1, false}, {"7%-3", 1, false}, {"mod(-7,3)", -1, false},
        {"mod(7,0)", 0, true}, {"7%0", 0, true}, {"7%0+2", 2, true},
        // A zero divisor ends its term.
        {"1/0", 0, true}, {"1/0+5", 5, true}, {"1/0*5", 0, true}, {"1/(2-2)", 0, true},
        {"1/-0", 0, true}, {"3*2/0*7+1", 0, true},
        // Forms that are not formulas.
        {"1<2<3", 1, true}, {"a=1", 1, true},  {"2**3", 2, true}, {"2(3)", 2, true},
        {"2x", 2, true},    {"a!1", 1, true},  {"1 2", 1, true},  {")", 0, true},
        {"1+", 1, true},    {"*2", 0, true},   {"1 & 2", 1, true}, {"1 | 2", 1, true},
        {"1< =2", 0, true}, {"1= =1", 1, true},
        // Comparisons.
        {"1<2", 1, false},  {"2<1", 0, false},   {"2<=2", 1, false}, {"3>=4", 0, false},
        {"2==2", 1, false}, {"2!=2", 0, false},  {"2>1", 1, false},  {"1+1==2", 1, false},
        {"pow(-8,0.5)!=0", 1, false}, {"pow(-8,0.5)==pow(-8,0.5)", 0, false},
        {"pow(-8,0.5)<1", 0, false},  {"pow(-8,0.5)>=1", 0, false},
        // The conditional.
        {"1 ? 2 : 3", 2, false},   {"0 ? 2 : 3", 3, false},       {"1 ? 2 3", 2, true},
        {"0 ? 1/0 : 3", 3, true},  {"0 ? 1 : 0 ? 2 : 4", 4, false}, {"1 ? 1 : 0 ? 2 : 4", 1, false},
        {"0 ? 1 : 0 || 1", 1, false}, {"(1 ? 5 : 6) + 1", 6, false}, {"pow(-1,0.5) ? 2 : 3", 2, false},
        // Logic.
        {"0||2", 1, false}, {"0||0", 0, false}, {"2&&0", 0, false}, {"2&&3", 1, false},
        {"!0", 1, false},   {"!5", 0, false},   {"!!5", 1, false},  {"1||1/0", 1, true},
        {"0&&1/0", 0, true}, {"1 || 0 && 0", 1, false}, {"!pow(-1,0.5)", 0, false},
        // Functions.
        {"sqrt(-1)", 0, true},   {"sqrt(16)", 4, false},    {"log(0)", 0, true},
        {"log10(-1)", 0, true},  {"log10(1000)", 3, false}, {"round(2.5)", 3, false},
        {"round(-2.5)", -2, false}, {"cbrt(-8)", -2, false}, {"cbrt(64)", 3.9999999999999996, false},
        {"sign(-3)", -1, false}, {"sign(0)", 0, false},     {"sign(4)", 1, false},
        {"min(1,2)", 1, false},  {"max(1,2)", 2, false},    {"min(3)", 0, true},
        {"max(1,2,3)", 2, true}, {"sqrt(1,2)", 0, true},    {"abs(-2)", 2, false},
        {"floor(-1.5)", -2, false}, {"ceil(1.2)", 2, false}, {"exp(0)", 1, false},
        {"pow(2,10)", 1024, false}, {"sqrt()", 0, true},    {"sqrt(4", 2, true},
        {"nosuch(1)", 0, true},  {"sqrt (9)", 3, false},    {"log(exp(2))", 2, false},
        // Numbers.
        {"1e3", 1000, false}, {".5", 0.5, false}, {"5.", 5, false}, {"2.5E-4", 2.5e-4, false},
        {"0x10", 16, false},  {".", 0, true},     {"1e400", INFINITY, true}, {"exp(1000)>5", 1, false},
        {"-1e400<0", 1, false}, {"1e400-1e400", NAN, true},
        // The number ends where strtod stops: what follows is read as the rest of the formula.
        {"007", 7, false},    {"5.+1", 6, false}, {"2e+1", 20, false}, {"2e", 2, true},
        {"1e+", 1, true},     {"2e3x", 2000, true}, {"0x", 0, true},   {"1.5.3", 1.5, true},
        {"3in", 3, true},     {"0.e1", 0, false},   {".e1", 0, true},
        // Blanks.
        {"1 +\t2\r\n", 3, false}, {"1\v+2", 1, true}, {"1\f", 1, true},
        {" ( 1 + 2 ) * 3 ", 9, false}, {"2 ^ 3", 8, false}, {"1 <= 2", 1, false},
        // Empty texts.
        {"", 0, true}, {"   ", 0, true}, {"(1+2", 3, true}, {"()", 0, true},
        // Names.
        {"nosuch", 0, true},
        {"both", 5, false},     // an input key wins over an output key
        {"later", 7, false},
        {"a+later*2", 15, false},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", 63, false},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", 63, true},
        {"A", 0, true},         // keys are case-sensitive
        {"_", 0, true},
    };
    for (const Case& c : cases) Expect(c);
    int32_t failed = 0;
    EXPECT_EQ(EvaluateFormula(kTool, nullptr, kInputValues, kOutputValues, &failed), 0);
    EXPECT_EQ(failed, 1);
    // An output not computed yet reads 0 without failing.
    const double zeros[] = {0, 0};
    Expect({"later+1", 1, false}, zeros);
}

TEST(Formula, NestingDeeperThanTheBoundFailsWithZero) {
    const int shallow = 200;
    std::string ok = std::string(shallow, '(') + "1" + std::string(shallow, ')');
    int32_t failed = -1;
    EXPECT_EQ(EvaluateFormula(kTool, ok.c_str(), kInputValues, kOutputValues, &failed), 1);
    EXPECT_EQ(failed, 0);

    const int deep = 100000;
    const std::string forms[] = {
        std::string(deep, '(') + "1" + std::string(deep, ')'),
        std::string(deep, '-') + "1",
        [] {
            std::string s;
            for (int i = 0; i < deep; ++i) s += "2^";
            return s + "1";
        }(),
        [] {
            std::string s;
            for (int i = 0; i < deep; ++i) s += "1?";
            return s + "1";
        }(),
        "5+" + std::string(deep, '(') + "1",
    };
    for (const std::string& form : forms) {
        failed = -1;
        EXPECT_EQ(EvaluateFormula(kTool, form.c_str(), kInputValues, kOutputValues, &failed), 0)
            << form.substr(0, 10);
        EXPECT_EQ(failed, 1) << form.substr(0, 10);
    }
}

// Numbers take a short path for plain decimals; it must give exactly the
// double strtod gives, for every length, fraction and magnitude.
TEST(Formula, NumbersEqualStrtodBitForBit) {
    std::vector<std::string> texts = {"0", "0.1", "0.3", "123456789012345", "1234567890123456",
                                      "0.000000000000001", "9007199254740993", "2.675", "1.005",
                                      "99999999999999.9", "5.", ".5", "0.1e1", "0x1.8p1", "00012.50",
                                      "000000000000000000000001", "9223372036854775808",
                                      "123456789012345678901234567890", ".000000000000000000000000001",
                                      "18446744073709551615.5"};
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        std::string text = std::to_string(random() % 1000000000000000ULL);
        // Every fourth text runs past the short path's 15 digits.
        if (i % 4 == 0) text += std::to_string(random());
        size_t point = random() % (text.size() + 1);
        if (random() % 4) text.insert(point, ".");
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        int32_t failed = 1;
        double value = EvaluateFormula(kTool, text.c_str(), kInputValues, kOutputValues, &failed);
        double expected = std::strtod(text.c_str(), nullptr);
        EXPECT_EQ(failed, 0) << text;
        EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0) << text;
    }
}

}  // namespace
