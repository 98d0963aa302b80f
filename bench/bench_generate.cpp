// The tip calculation over the real archive (4,185 draws): a whole calculation with the default
// settings, the run rate when no row can pass, and one candidate through all thirteen tests.
#include "../tests/generate/real_draws.h"
#include "app/calculation_values.h"
#include "app/languages.h"
#include "archive/draw_archive.h"
#include "generate/pool_builder.h"
#include "generate/row_rules.h"
#include "generate/tip_generator.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace razoz;

namespace {

struct RealArchive {
    QTemporaryDir dir;
    QString path;
    RealArchive()
    {
        DrawArchive a(dir.filePath(QStringLiteral("dovovuduv.dat")));
        a.createEmpty();
        a.append(test::realDraws());
        path = a.path();
    }
};

RealArchive& archive()
{
    static RealArchive a;
    return a;
}

SettingsValues defaults()
{
    SettingsValues v;
    v.set(key::RangeEndDate, toDays(QDate(2026, 9, 7)));
    return v;
}

void BM_FullCalculation(benchmark::State& state)
{
    SettingsValues v = defaults();
    v.set(key::RowsToCompute, 12);
    CalculationSettingsSource s(calculationSettingsFrom(v));
    const InterfaceTexts texts(germanInterfaceTexts());
    std::uint32_t seed = 1;
    for (auto _ : state) {
        QuietRunControl run;
        RandomGenerator random(seed++);
        GenerationResult r = generateTips(s, archive().path, {}, run, random, texts);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_FullCalculation)->Unit(benchmark::kMillisecond);

// The default budget of 50,000 runs spent on row 1: rejected by the sum range, or by the first
// history window (two hits within 500 draws, after every cheap test has passed).
void BM_SpentBudget(benchmark::State& state)
{
    SettingsValues v = defaults();
    if (state.range(0) == 0) {
        v.set(key::LowestSum, 279);
        v.set(key::HighestSum, 279);
    } else {
        v.set(key::FirstWindowHits, 2);
        v.set(key::FirstWindowDraws, 500);
    }
    CalculationSettingsSource s(calculationSettingsFrom(v));
    const InterfaceTexts texts(germanInterfaceTexts());
    for (auto _ : state) {
        QuietRunControl run;
        RandomGenerator random(3);
        GenerationResult r = generateTips(s, archive().path, {}, run, random, texts);
        if (r.runCounter != 50000) state.SkipWithError("the budget was not spent");
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations() * 50000);
}
BENCHMARK(BM_SpentBudget)->Arg(0)->Arg(1)->ArgNames({"history"})->Unit(benchmark::kMillisecond);

// A candidate that passes every test: each history test reads its whole window.
void BM_OneCandidateAllTests(benchmark::State& state)
{
    SettingsValues v = defaults();
    for (BoolKey k : {key::DemandMaxOverlap, key::LimitSharedWithLastDraw, key::LimitSharedWithSecondLastDraw,
                      key::DemandConsecutivePair, key::AvoidPastDrawHits, key::ForbidConsecutiveTriple,
                      key::DemandMinPrimes, key::LimitSharedWithThirdLastDraw, key::DemandMinOverlap,
                      key::DemandMinEven, key::DemandMinOdd, key::OverlapBoundsForEveryRow, key::LimitFirstWindowHits,
                      key::LimitSecondWindowHits, key::ComplementaryCountsAsHit})
        v.set(k, true);
    v.set(key::ForbidConsecutiveTriple, false);
    v.set(key::RangeStartDate, toDays(QDate(1985, 10, 17)));
    v.set(key::PastDrawHits, 6);
    v.set(key::FirstWindowHits, 6);
    v.set(key::FirstWindowDraws, 500);
    v.set(key::SecondWindowHits, 6);
    v.set(key::SecondWindowDraws, 500);
    v.set(key::MaxOverlap, 5);
    v.set(key::MinPrimes, 0);
    v.set(key::MinEven, 0);
    v.set(key::MinOdd, 0);
    const CalculationSettings s = calculationSettingsFrom(v);
    ReferenceDraws ref;
    SlipRows slip{};
    slip[0] = {1, 2, 3, 4, 5, 6};
    slip[1] = {7, 8, 9, 10, 11, 12};
    DrawHistory history(archive().path);
    const RowValues candidate{3, 4, 17, 29, 38, 44};
    if (CheckRow(candidate, 2, slip, ref, s, history) != RowTest::None) state.SkipWithError("the candidate fails");
    for (auto _ : state) benchmark::DoNotOptimize(CheckRow(candidate, 2, slip, ref, s, history));
}
BENCHMARK(BM_OneCandidateAllTests)->Unit(benchmark::kMicrosecond);

} // namespace
