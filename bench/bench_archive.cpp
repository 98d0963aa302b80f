// Reading the archive: every statistic rereads it in full, so one pass must be cheap.
#include "archive/dates.h"
#include "archive/draw_archive.h"

#include <QDate>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace razoz;

namespace {

QString makeArchive(QTemporaryDir& dir, int count)
{
    DrawArchive a(dir.filePath("dovovuduv.dat"));
    a.createEmpty();
    std::vector<DrawRecord> records;
    QDate date(1985, 10, 17);
    for (int i = 0; i < count; ++i) {
        DrawRecord r;
        r.date = toDays(date);
        r.numbers = {std::uint8_t(i % 49 + 1), 2, 3, 4, 5, 6};
        records.push_back(r);
        date = date.addDays(date.dayOfWeek() == Qt::Thursday ? 2 : 5);
    }
    a.append(records);
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

BENCHMARK_MAIN();
