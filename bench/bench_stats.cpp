// Every statistic rereads the archive: one run = open, read every record, count, build the chart.
// Tip generation runs several of them per calculation, so each must stay cheap.
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "stats/statistics.h"

#include <QDate>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace razoz;

namespace {

// Two draws a week from 17.10.1985 with six different numbers, a complementary number and a digit.
QString makeArchive(QTemporaryDir& dir, int count)
{
    DrawArchive a(dir.filePath("dovovuduv.dat"));
    a.createEmpty();
    std::vector<DrawRecord> records;
    QDate date(1985, 10, 17);
    std::uint32_t seed = 4711;
    auto next = [&](std::uint32_t n) {
        seed = seed * 134775813u + 1u;
        return int((std::uint64_t(seed) * n) >> 32);
    };
    for (int i = 0; i < count; ++i) {
        DrawRecord r;
        r.date = toDays(date);
        bool used[50] = {};
        for (int k = 0; k < 7; ++k) {
            int n;
            do n = next(49) + 1;
            while (used[n]);
            used[n] = true;
            if (k < 6) r.numbers[std::size_t(k)] = std::uint8_t(n);
            else r.complementary = std::uint8_t(n);
        }
        r.reintegro = std::uint8_t(next(10));
        records.push_back(r);
        date = date.addDays(date.dayOfWeek() == Qt::Thursday ? 2 : 5);
    }
    a.append(records);
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

BENCHMARK_MAIN();
