// The full check runs after every box exit and every draw change: its core over twelve rows.
#include "check/tip_check.h"

#include <benchmark/benchmark.h>

using namespace razoz;

static void BM_Komplettcheck(benchmark::State& state)
{
    CurrentDraw draw;
    draw.numbers = {3, 11, 13, 15, 34, 35};
    draw.complementary = 27;
    TipRows rows;
    for (int r = 0; r < kTipRows; ++r)
        for (int c = 0; c < kTipColumns; ++c) rows[r][c] = QString::number((r * 7 + c * 11) % 49 + 1);
    for (auto _ : state) benchmark::DoNotOptimize(Komplettcheck(rows, draw, QStringLiteral("1234560")));
}
BENCHMARK(BM_Komplettcheck);

static void BM_Zettelcheck(benchmark::State& state)
{
    CurrentDraw draw;
    draw.numbers = {3, 11, 13, 15, 34, 35};
    draw.complementary = 27;
    const TipRowTexts row = {"41", "13", "3", "27", "11", "40"};
    for (auto _ : state) benchmark::DoNotOptimize(Zettelcheck(row, draw, QString()));
}
BENCHMARK(BM_Zettelcheck);
