#include "engine/formula.h"

#include <cmath>
#include <cstdlib>

namespace {

// ---- characters ----------------------------------------------------------

// Most characters are above the space: one comparison rejects them.
bool IsBlank(char c) { return c <= ' ' && (c == ' ' || c == '\t' || c == '\n' || c == '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c); }
bool IsTrue(double v) { return v != 0; }  // NaN counts as true

void SkipBlanks(EvalContext* ctx) {
    while (IsBlank(*ctx->cursor)) ++ctx->cursor;
}

char Peek(const EvalContext* ctx) { return *ctx->cursor; }

// The character after the next one, never reading past the terminator.
char PeekSecond(const EvalContext* ctx) { return ctx->cursor[0] ? ctx->cursor[1] : '\0'; }

double Fail(EvalContext* ctx) {
    ctx->errorFlag = 1;
    return 0;
}

// Skips blanks and reads c when it comes next; otherwise the step fails and
// the parse goes on where c was expected.
void ReadExpected(EvalContext* ctx, char c) {
    SkipBlanks(ctx);
    if (Peek(ctx) == c)
        ++ctx->cursor;
    else
        ctx->errorFlag = 1;
}

// Counts one nesting step; false when the bound is passed.
bool Enter(EvalContext* ctx) {
    if (ctx->tooDeep) return false;
    if (++ctx->depth > kMaxFormulaDepth) {
        ctx->tooDeep = true;
        ctx->errorFlag = 1;
        return false;
    }
    return true;
}

struct DepthGuard {
    EvalContext* ctx;
    ~DepthGuard() { --ctx->depth; }
};

// ---- function tables -----------------------------------------------------

double Cbrt(double x) {
    const double third = 0.3333333333333333;
    return x >= 0 ? std::pow(x, third) : -std::pow(-x, third);
}
double Sign(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

struct UnaryFunction {
    const char* name;
    double (*apply)(double x, bool* fails);
};

const UnaryFunction kUnaryFunctions[] = {
    {"abs", [](double x, bool*) { return std::fabs(x); }},
    {"cbrt", [](double x, bool*) { return Cbrt(x); }},
    {"ceil", [](double x, bool*) { return std::ceil(x); }},
    {"exp", [](double x, bool*) { return std::exp(x); }},
    {"floor", [](double x, bool*) { return std::floor(x); }},
    {"log", [](double x, bool* fails) { return (*fails = x <= 0) ? 0 : std::log(x); }},
    {"log10", [](double x, bool* fails) { return (*fails = x <= 0) ? 0 : std::log10(x); }},
    {"round", [](double x, bool*) { return std::floor(x + 0.5); }},
    {"sign", [](double x, bool*) { return Sign(x); }},
    {"sqrt", [](double x, bool* fails) { return (*fails = x < 0) ? 0 : std::sqrt(x); }},
};

struct BinaryFunction {
    const char* name;
    double (*apply)(double a, double b, bool* fails);
};

const BinaryFunction kBinaryFunctions[] = {
    {"max", [](double a, double b, bool*) { return a > b ? a : b; }},
    {"min", [](double a, double b, bool*) { return a < b ? a : b; }},
    {"mod", [](double a, double b, bool* fails) { return (*fails = b == 0) ? 0 : std::fmod(a, b); }},
    {"pow", [](double a, double b, bool*) { return std::pow(a, b); }},
};

// A name as it stands in the formula text: its first character and length.
struct Name {
    const char* start;
    int length;
};

// Whether key is exactly the name; compared in place, nothing is copied.
bool IsKey(const char* key, Name name) {
    for (int i = 0; i < name.length; ++i)
        if (key[i] != name.start[i]) return false;  // a shorter key stops at its terminator
    return key[name.length] == '\0';
}

template <typename Entry, size_t N>
const Entry* FindFunction(const Entry (&table)[N], Name name) {
    for (const Entry& entry : table)
        if (IsKey(entry.name, name)) return &entry;
    return nullptr;
}

// ---- names ---------------------------------------------------------------

double LookUpVariable(EvalContext* ctx, Name name) {
    const ToolDef& tool = *ctx->tool;
    for (int i = 0; i < tool.inputCount; ++i)
        if (IsKey(tool.inputs[i].key, name)) return ctx->inputValues[i];
    for (int i = 0; i < tool.outputCount; ++i)
        if (IsKey(tool.outputs[i].key, name)) return ctx->outputValues[i];
    return Fail(ctx);
}

// ---- grammar, lowest precedence first ------------------------------------

double ParseExpression(EvalContext* ctx);

/* <operand> = "(" <expression> ")" | "-" <operand> | "+" <operand> | "!" <operand>
             | <number> | <name> | <name> "(" <expression> ["," <expression>] ")" */
double ParseOperand(EvalContext* ctx);

double ParseCall(EvalContext* ctx, Name name) {
    ++ctx->cursor;  // "("
    double first = ParseExpression(ctx);
    double second = 0;
    bool twoArguments = false;
    SkipBlanks(ctx);
    if (Peek(ctx) == ',') {
        ++ctx->cursor;
        second = ParseExpression(ctx);
        twoArguments = true;
    }
    ReadExpected(ctx, ')');  // without it the function is applied all the same

    bool fails = false;
    double value;
    if (twoArguments) {
        const BinaryFunction* fn = FindFunction(kBinaryFunctions, name);
        if (!fn) return Fail(ctx);
        value = fn->apply(first, second, &fails);
    } else {
        const UnaryFunction* fn = FindFunction(kUnaryFunctions, name);
        if (!fn) return Fail(ctx);
        value = fn->apply(first, &fails);
    }
    return fails ? Fail(ctx) : value;
}

double ParseName(EvalContext* ctx) {
    Name name{ctx->cursor, 0};
    // A longer run stays unread and fails later as trailing text.
    while (name.length < kMaxKeyLength && IsNameChar(name.start[name.length])) ++name.length;
    ctx->cursor += name.length;
    SkipBlanks(ctx);
    if (Peek(ctx) == '(') return ParseCall(ctx, name);
    return LookUpVariable(ctx, name);
}

constexpr int kPlainDecimalDigits = 15;

// One more digit of the mantissa; false past 15 digits, where the short path
// no longer holds and the mantissa would soon overflow.
bool AddDigit(char c, int64_t* mantissa, int* digits) {
    if (++*digits > kPlainDecimalDigits) return false;
    *mantissa = *mantissa * 10 + (c - '0');
    return true;
}

// Digits with an optional fraction and at most 15 digits, not followed by an
// exponent or a hexadecimal mark: then mantissa / 10^k is one correctly
// rounded division, the very double strtod gives, at a fraction of its cost.
// Returns false for every other form.
bool ReadPlainDecimal(const char* text, double* value, const char** end) {
    static const double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                          1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = text;
    int64_t mantissa = 0;
    int digits = 0, fractionDigits = 0;
    for (; IsDigit(*p); ++p)
        if (!AddDigit(*p, &mantissa, &digits)) return false;
    if (*p == '.')
        for (++p; IsDigit(*p); ++p, ++fractionDigits)
            if (!AddDigit(*p, &mantissa, &digits)) return false;
    char next = *p;
    if (digits == 0 || next == 'e' || next == 'E' || next == 'x' || next == 'X' || next == 'p' || next == 'P')
        return false;
    *value = static_cast<double>(mantissa) / kPowersOfTen[fractionDigits];
    *end = p;
    return true;
}

double ParseNumber(EvalContext* ctx) {
    double fast = 0;
    const char* fastEnd = nullptr;
    if (ReadPlainDecimal(ctx->cursor, &fast, &fastEnd)) {
        ctx->cursor = fastEnd;
        return fast;
    }
    char* end = nullptr;
    double value = std::strtod(ctx->cursor, &end);
    if (end == ctx->cursor) return Fail(ctx);
    ctx->cursor = end;
    return value;
}

double ParseParenthesised(EvalContext* ctx) {
    ++ctx->cursor;  // "("
    double value = ParseExpression(ctx);
    ReadExpected(ctx, ')');
    return value;
}

// The operand after a unary sign; a run of signs nests, so it is counted.
double ParseSignedOperand(EvalContext* ctx) {
    ++ctx->cursor;
    if (!Enter(ctx)) return 0;
    DepthGuard guard{ctx};
    return ParseOperand(ctx);
}

double ParseOperand(EvalContext* ctx) {
    SkipBlanks(ctx);
    const char c = Peek(ctx);
    switch (c) {
        case '(': return ParseParenthesised(ctx);
        case '-': return -ParseSignedOperand(ctx);
        case '+': return ParseSignedOperand(ctx);
        case '!': return ParseSignedOperand(ctx) == 0 ? 1 : 0;
        default: break;
    }
    if (IsDigit(c) || c == '.') return ParseNumber(ctx);
    if (IsNameStart(c)) return ParseName(ctx);
    return Fail(ctx);
}

/* <power> = <operand> ["^" <power>] */
double ParsePower(EvalContext* ctx) {
    double base = ParseOperand(ctx);
    SkipBlanks(ctx);
    if (Peek(ctx) != '^') return base;
    ++ctx->cursor;
    if (!Enter(ctx)) return 0;  // a chain of powers nests
    DepthGuard guard{ctx};
    double exponent = ParsePower(ctx);
    return std::pow(base, exponent);
}

double Truth(bool holds) { return holds ? 1 : 0; }

// True when the two characters at the cursor are first and second.
bool PairFollows(const EvalContext* ctx, char first, char second) {
    return Peek(ctx) == first && PeekSecond(ctx) == second;
}

/* <term> = <power> {("*" | "/" | "%") <power>}
   The pair "**" is no operator: the term ends in front of it. A zero divisor
   ends the whole term at once with 0; an enclosing sum may go on. */
double ParseTerm(EvalContext* ctx) {
    double value = ParsePower(ctx);
    for (;;) {
        SkipBlanks(ctx);
        const char op = Peek(ctx);
        if ((op != '*' && op != '/' && op != '%') || PairFollows(ctx, '*', '*')) return value;
        ++ctx->cursor;
        const double right = ParsePower(ctx);
        if (op == '*')
            value *= right;
        else if (right == 0)
            return Fail(ctx);
        else
            value = op == '/' ? value / right : std::fmod(value, right);
    }
}

// The levels between an expression and a term are marked inline: each is
// entered once per operand, and inlining them keeps the evaluator as fast as
// the single precedence-climbing routine they replaced.

/* <sum> = <term> {("+" | "-") <term>} */
inline double ParseSum(EvalContext* ctx) {
    double value = ParseTerm(ctx);
    for (;;) {
        SkipBlanks(ctx);
        const char op = Peek(ctx);
        if (op != '+' && op != '-') return value;
        ++ctx->cursor;
        const double right = ParseTerm(ctx);
        value = op == '+' ? value + right : value - right;
    }
}

enum class Comparison { None, Less, LessEqual, Greater, GreaterEqual, Equal, NotEqual };

// The comparison operator at the cursor, and how many characters it takes.
// A lone "=" or "!" is none.
Comparison PeekComparison(const EvalContext* ctx, int* length) {
    const char c = Peek(ctx);
    if (c != '<' && c != '>' && c != '=' && c != '!') return Comparison::None;
    const bool equalsFollows = PeekSecond(ctx) == '=';
    *length = equalsFollows ? 2 : 1;
    switch (c) {
        case '<': return equalsFollows ? Comparison::LessEqual : Comparison::Less;
        case '>': return equalsFollows ? Comparison::GreaterEqual : Comparison::Greater;
        case '=': return equalsFollows ? Comparison::Equal : Comparison::None;
        case '!': return equalsFollows ? Comparison::NotEqual : Comparison::None;
        default: return Comparison::None;
    }
}

// Every comparison with a NaN is false, except "!=".
double Compare(Comparison op, double left, double right) {
    switch (op) {
        case Comparison::Less: return Truth(left < right);
        case Comparison::LessEqual: return Truth(left <= right);
        case Comparison::Greater: return Truth(left > right);
        case Comparison::GreaterEqual: return Truth(left >= right);
        case Comparison::Equal: return Truth(left == right);
        case Comparison::NotEqual: return Truth(left != right);
        case Comparison::None: break;
    }
    return left;
}

/* <comparison> = <sum> [("<=" | ">=" | "==" | "!=" | "<" | ">") <sum>]
   At most one: in 1<2<3 the second "<" stays unread. */
inline double ParseComparison(EvalContext* ctx) {
    const double left = ParseSum(ctx);
    SkipBlanks(ctx);
    int length = 0;
    const Comparison op = PeekComparison(ctx, &length);
    if (op == Comparison::None) return left;
    ctx->cursor += length;
    const double right = ParseSum(ctx);
    return Compare(op, left, right);
}

/* <and> = <comparison> {"&&" <comparison>}   (the right side is always read) */
inline double ParseAnd(EvalContext* ctx) {
    double value = ParseComparison(ctx);
    for (;;) {
        SkipBlanks(ctx);
        if (!PairFollows(ctx, '&', '&')) return value;
        ctx->cursor += 2;
        const double right = ParseComparison(ctx);
        value = Truth(IsTrue(value) && IsTrue(right));
    }
}

/* <or> = <and> {"||" <and>}   (the right side is always read) */
inline double ParseOr(EvalContext* ctx) {
    double value = ParseAnd(ctx);
    for (;;) {
        SkipBlanks(ctx);
        if (!PairFollows(ctx, '|', '|')) return value;
        ctx->cursor += 2;
        const double right = ParseAnd(ctx);
        value = Truth(IsTrue(value) || IsTrue(right));
    }
}

/* <expression> = <or> ["?" <expression> ":" <expression>] */
double ParseExpression(EvalContext* ctx) {
    if (!Enter(ctx)) return 0;
    DepthGuard guard{ctx};
    double condition = ParseOr(ctx);
    SkipBlanks(ctx);
    if (Peek(ctx) != '?') return condition;
    ++ctx->cursor;
    double whenTrue = ParseExpression(ctx);
    ReadExpected(ctx, ':');
    double whenFalse = ParseExpression(ctx);
    return IsTrue(condition) ? whenTrue : whenFalse;
}

}  // namespace

double EvaluateFormula(const ToolDef& tool, const char* formula, const double* inputValues,
                       const double* outputValues, int32_t* failed) {
    *failed = 1;
    if (!formula || !*formula) return 0;
    EvalContext ctx{&tool, inputValues, outputValues, formula, 0, 0, false};
    double value = ParseExpression(&ctx);
    if (ctx.tooDeep) return 0;
    SkipBlanks(&ctx);
    if (*ctx.cursor != '\0' || ctx.errorFlag || !std::isfinite(value)) return value;
    *failed = 0;
    return value;
}
