// The analyses over the real archive (4,185 draws): the repeat analysis of the whole archive with
// every match answered Yes, and the parameter analysis with the default settings from 02.01.1986.
#include "../tests/generate/real_draws.h"
#include "analysis/archive_search.h"
#include "analysis/parameter_analysis.h"
#include "analysis/repeat_analysis.h"
#include "app/calculation_values.h"
#include "app/languages.h"
#include "archive/draw_archive.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace razoz;

namespace {

struct RealArchive {
    QTemporaryDir dir;
    QString path;
    std::vector<DrawRecord> records = test::realDraws();
    RealArchive()
    {
        DrawArchive a(dir.filePath(QStringLiteral("dovovuduv.dat")));
        a.createEmpty();
        a.append(records);
        path = a.path();
    }
};

RealArchive& archive()
{
    static RealArchive a;
    return a;
}

void BM_RepeatWholeArchive(benchmark::State& state)
{
    RepeatAnalysisOptions o;
    o.chosen = archive().records.front().date;
    o.start = o.chosen;
    o.threshold = int(state.range(0));
    std::size_t matches = 0;
    for (auto _ : state) {
        QuietRunControl run;
        const RepeatAnalysisResult r =
            runRepeatAnalysis(archive().path, o, run, [](const RepeatMatch&) { return true; });
        if (r.end != AnalysisEnd::Finished) state.SkipWithError("the analysis did not finish");
        matches = r.matches.size();
        benchmark::DoNotOptimize(r);
    }
    state.counters["matches"] = double(matches);
}
BENCHMARK(BM_RepeatWholeArchive)->Arg(6)->Arg(5)->ArgNames({"threshold"})->Unit(benchmark::kMillisecond);

void BM_ParameterFrom1986(benchmark::State& state)
{
    SettingsValues values;
    values.set(key::RecomputeOnlyAfterThree, state.range(0) != 0);
    const InterfaceTexts texts(germanInterfaceTexts());
    ParameterAnalysisOptions o;
    o.from = toDays(QDate(1986, 1, 2));
    o.seed = 4711;
    o.onlyAfterThree = state.range(0) != 0;
    int calculations = 0, draws = 0;
    for (auto _ : state) {
        CalculationSettingsSource settings(calculationSettingsFrom(values));
        QuietRunControl run;
        RandomGenerator random;
        const ParameterAnalysisResult r = runParameterAnalysis(settings, archive().path, o, run, random, texts);
        if (r.end != AnalysisEnd::Finished) state.SkipWithError("the analysis did not finish");
        calculations = r.calculations;
        draws = r.table.draws;
    }
    state.counters["calculations"] = calculations;
    state.counters["draws"] = draws;
}
BENCHMARK(BM_ParameterFrom1986)->Arg(0)->Arg(1)->ArgNames({"checkBox31"})->Iterations(1)->Unit(benchmark::kSecond);

void BM_SearchWholeArchive(benchmark::State& state)
{
    TipRows rows;
    for (int r = 0; r < kTipRows; ++r)
        for (int c = 0; c < kTipColumns; ++c) rows[std::size_t(r)][std::size_t(c)] = QString::number(r * 4 + c + 1);
    SearchOptions o;
    o.start = archive().records.front().date;
    o.end = archive().records.back().date;
    o.threshold = 4;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            searchTips(archive().path, rows, o, [](const SearchReport&, const SearchResult&) { return true; }));
}
BENCHMARK(BM_SearchWholeArchive)->Unit(benchmark::kMillisecond);

} // namespace
