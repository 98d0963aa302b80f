// Systems: the exact check of a large system and the sizes the search reaches in its time.
// RAZOZ_BENCH_SECONDS sets the search time per case (default 30).
#include "systems/system_build.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace razoz::systems;

namespace {

double searchSeconds()
{
    const char* s = std::getenv("RAZOZ_BENCH_SECONDS");
    return s ? std::atof(s) : 30.0;
}

std::vector<int> firstNumbers(int v)
{
    std::vector<int> n;
    for (int i = 1; i <= v; ++i) n.push_back(i);
    return n;
}

// 3 if 6 over all 49 numbers: the Steiner system on 22 beside the 3 if 4 found on the other 27.
const BuiltSystem& threeIfSix()
{
    static const BuiltSystem s = [] {
        BuildOptions options;
        options.search.seconds = searchSeconds();
        return buildSystem(firstNumbers(49), {3, 6}, options);
    }();
    return s;
}

void reportSize(benchmark::State& state, const BuiltSystem& s)
{
    state.counters["rows"] = static_cast<double>(s.rows.size());
    state.counters["lower_bound"] = static_cast<double>(s.bound.rows);
    state.counters["best_known"] = s.bestKnown ? static_cast<double>(*s.bestKnown) : 0;
    state.counters["proven"] = s.coverage.holds() ? 1 : 0;
}

} // namespace

static void BM_CheckThreeIfSixOver49(benchmark::State& state)
{
    const BuiltSystem& s = threeIfSix();
    const bool threads = state.range(0) > 1;
    for (auto _ : state) benchmark::DoNotOptimize(checkGuarantee(s.rows, 49, {3, 6}, 10, threads));
    reportSize(state, s);
}
BENCHMARK(BM_CheckThreeIfSixOver49)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// One search per case, its size against the best known and the lower bound.
static void BM_Search(benchmark::State& state)
{
    const int v = static_cast<int>(state.range(0));
    const Guarantee g{static_cast<int>(state.range(1)), static_cast<int>(state.range(2))};
    BuildOptions options;
    options.search.seconds = searchSeconds();
    BuiltSystem s;
    for (auto _ : state) s = buildSystem(firstNumbers(v), g, options);
    reportSize(state, s);
}
BENCHMARK(BM_Search)
    ->ArgNames({"v", "t", "m"})
    ->ArgsProduct({benchmark::CreateDenseRange(7, 22, 1), {3}, {3}})
    ->ArgsProduct({{10, 12, 14, 16}, {4}, {4}})
    ->ArgsProduct({{10, 12}, {5}, {5}})
    ->ArgsProduct({{10, 12, 14, 16, 18, 20}, {3}, {4}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

static void BM_SearchThreeIfSixOver49(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(threeIfSix().rows.size());
    reportSize(state, threeIfSix());
}
BENCHMARK(BM_SearchThreeIfSixOver49)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
