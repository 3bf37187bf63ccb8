// The cost of the window's layout, which a tool computes once as its window
// opens: every tool of the catalogue on a tall screen at 96 DPI, and on the
// short and scaled screens where it becomes compact.
#include <benchmark/benchmark.h>

#include "engine/tool_catalogue.h"
#include "launcher/launcher_layout.h"
#include "shell/tool_layout.h"

namespace {

void EveryToolsLayout(benchmark::State& state, ScreenMetrics screen) {
    for (auto _ : state)
        for (int t = 0; t < kToolCatalogueCount; ++t) {
            ToolLayout layout = ComputeToolLayout(*kToolCatalogue[t].tool, screen);
            benchmark::DoNotOptimize(layout);
        }
    state.SetItemsProcessed(state.iterations() * kToolCatalogueCount);
}

void LauncherLayoutOf(benchmark::State& state) {
    const ScreenMetrics screen = {144, Box{0, 0, 1920, 1040}, 9, 43};
    for (auto _ : state) {
        LauncherLayout layout = ComputeLauncherLayout(screen);
        benchmark::DoNotOptimize(layout);
    }
}

}  // namespace

BENCHMARK_CAPTURE(EveryToolsLayout, tall_96dpi, ScreenMetrics{96, Box{0, 0, 1280, 860}, 6, 29});
BENCHMARK_CAPTURE(EveryToolsLayout, short_96dpi, ScreenMetrics{96, Box{0, 0, 1366, 728}, 6, 29});
BENCHMARK_CAPTURE(EveryToolsLayout, compact_144dpi, ScreenMetrics{144, Box{0, 0, 1920, 1040}, 9, 43});
BENCHMARK(LauncherLayoutOf);
BENCHMARK_MAIN();
