// Reading the archive: every statistic rereads it in full, so one pass must be cheap.
#include "archive/dates.h"
#include "archive/draw_archive.h"
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
    a.append(test::syntheticArchive(count));
    return a.path();
}

void BM_FullPass(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = makeArchive(dir, int(state.range(0)));
    DrawFilter filter{toDays(QDate(1990, 1, 1)), toDays(QDate(2030, 1, 1)), true, {true, false}, DayRule::Standard};
    for (auto _ : state) {
        DrawArchive a(path);
        int counted = 0;
        a.forEachFiltered(filter, [&](const DrawRecord& r, qint64) { counted += r.numbers[0]; });
        benchmark::DoNotOptimize(counted);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FullPass)->Arg(4500)->Unit(benchmark::kMicrosecond);

} // namespace
