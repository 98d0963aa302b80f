// Every statistic rereads the archive: one run = open, read every record, count, build the chart.
// Tip generation runs several of them per calculation, so each must stay cheap.
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "stats/statistics.h"
#include "synthetic_archive.h"

#include <QDate>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace razoz;

namespace {

QString makeArchive(QTemporaryDir& dir, int count)
{
    DrawArchive a(dir.filePath("dovovuduv.dat"));
    a.createEmpty();
    a.append(test::syntheticArchive(count, 4711));
    return a.path();
}

void BM_Statistic(benchmark::State& state, Statistic statistic)
{
    QTemporaryDir dir;
    const int draws = int(state.range(0));
    const QString path = makeArchive(dir, draws);
    QStringList lines;
    for (int i = 0; i < 55; ++i) lines << QStringLiteral("Text %1").arg(i);
    const InterfaceTexts texts(lines);
    // The whole archive, both draw days: every record is counted.
    const StatsRange range{toDays(QDate(1985, 10, 17)), toDays(QDate(2040, 1, 1)), {true, true}};
    for (auto _ : state) {
        BarChart chart = runStatistic(statistic, path, range, texts);
        benchmark::DoNotOptimize(chart);
    }
    state.SetItemsProcessed(state.iterations() * draws);
}

BENCHMARK_CAPTURE(BM_Statistic, frequency, Statistic::Frequency)->Arg(4500)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, overdue, Statistic::Overdue)->Arg(4500)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, sums, Statistic::Sums)->Arg(4500)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, reintegro, Statistic::Reintegro)->Arg(4500)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, reintegro_overdue, Statistic::ReintegroOverdue)
    ->Arg(4500)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, pairs, Statistic::Pairs)->Arg(4500)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, triples, Statistic::Triples)->Arg(4500)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, quads, Statistic::Quads)->Arg(4500)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, primes, Statistic::Primes)->Arg(4500)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, odd, Statistic::Odd)->Arg(4500)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, even, Statistic::Even)->Arg(4500)->Unit(benchmark::kMicrosecond);

} // namespace
