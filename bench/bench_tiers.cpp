// The tier history plays twelve rows in every draw of the shipped archive and works out the chance
// baseline with its p-values; razoz-cli's "tiers" is this one call.
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "archive/draw_csv.h"
#include "check/prize_tiers.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace razoz;

namespace {

void BM_TierHistory(benchmark::State& state)
{
    QTemporaryDir dir;
    DrawArchive archive(dir.filePath("dovovuduv.dat"));
    const qint64 draws = importResultsCsv(archive, QStringLiteral(RAZOZ_SOURCE_DIR "/data/draws.csv")).records;
    TipRows rows;
    for (int r = 0; r < kTipRows; ++r)
        for (int c = 0; c < kTipColumns; ++c) rows[r][c] = QString::number((r * 4 + c * 8) % 49 + 1);
    const TierRange range{kEarliestDrawDay, toDays(QDate(2040, 1, 1)), {true, true}};
    for (auto _ : state) benchmark::DoNotOptimize(tierHistory(archive.path(), rows, range, QStringLiteral("1234567")));
    state.SetItemsProcessed(state.iterations() * draws * kTipRows);
}
BENCHMARK(BM_TierHistory)->Unit(benchmark::kMillisecond);

} // namespace
