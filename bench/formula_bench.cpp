// EvaluateFormula against muparser and fparser on the same texts. The peers
// parse and evaluate on every call, as this program does; the ratios are
// printed at the end.
#include <benchmark/benchmark.h>
#include <fparser.hh>
#include <muParser.h>

#include <cstdio>
#include <map>
#include <string>

#include "engine/formula.h"
#include "engine/tool_def.h"

namespace {

struct Text {
    const char* name;
    const char* ours;    // our language
    const char* peer;    // the same expression in the peers' syntax
};

// The configured tool's formulas and condition, and a few grammar examples.
const Text kTexts[] = {
    {"gir", "rate*conc*10/(w*60)", "rate*conc*10/(w*60)"},
    {"gday", "rate*conc/100*24", "rate*conc/100*24"},
    {"rule", "rate*conc*10/(w*60)>5", "rate*conc*10/(w*60)>5"},
    {"power", "2*3^2+2^-1", "2*3^2+2^(-1)"},
    {"functions", "sqrt(16)+min(1,2)+max(1,2)+abs(-3)", "sqrt(16)+min(1,2)+max(1,2)+abs(-3)"},
};

const double kInputs[] = {60, 10, 60};

void Ours(benchmark::State& state, const Text& text) {
    const ToolDef& tool = ConfiguredTool();
    const double outputs[16] = {};
    for (auto _ : state) {
        int32_t failed = 0;
        benchmark::DoNotOptimize(EvaluateFormula(tool, text.ours, kInputs, outputs, &failed));
    }
}

void MuParser(benchmark::State& state, const Text& text) {
    double rate = kInputs[0], conc = kInputs[1], w = kInputs[2];
    for (auto _ : state) {
        mu::Parser parser;
        parser.DefineVar("rate", &rate);
        parser.DefineVar("conc", &conc);
        parser.DefineVar("w", &w);
        parser.SetExpr(text.peer);
        benchmark::DoNotOptimize(parser.Eval());
    }
}

void FParser(benchmark::State& state, const Text& text) {
    for (auto _ : state) {
        FunctionParser parser;
        parser.Parse(text.peer, "rate,conc,w");
        benchmark::DoNotOptimize(parser.Eval(kInputs));
    }
}

// CPU time per iteration (steady on a busy machine) of each benchmark, by name, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    void PrintRatios() const {
        std::printf("\nratio of peer time to ours (target: at least 10)\n");
        for (const Text& text : kTexts) {
            double ours = times_.at(std::string("ours/") + text.name);
            std::printf("  %-10s muparser %6.1fx   fparser %6.1fx\n", text.name,
                        times_.at(std::string("muparser/") + text.name) / ours,
                        times_.at(std::string("fparser/") + text.name) / ours);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    for (const Text& text : kTexts) {
        benchmark::RegisterBenchmark((std::string("ours/") + text.name).c_str(), Ours, text);
        benchmark::RegisterBenchmark((std::string("muparser/") + text.name).c_str(), MuParser, text);
        benchmark::RegisterBenchmark((std::string("fparser/") + text.name).c_str(), FParser, text);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    return 0;
}
