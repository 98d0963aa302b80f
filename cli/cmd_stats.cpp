// stats KIND: one statistic of the archive as the "Diagramm" page would chart it.
#include "cli.h"

#include "app/settings_store.h"
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "stats/statistics.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

namespace razoz::cli {

namespace {

// The stored start date as the desktop program applies it at start-up.
double storedStartDate(const CliContext& ctx)
{
    return startDateFromStore(ctx.storedValue(key::RangeStartDate), defaultOf(key::RangeStartDate), today());
}

const char* colourName(BarColor c)
{
    switch (c) {
    case BarColor::Red: return "red";
    case BarColor::Green: return "green";
    case BarColor::Series: return "series";
    }
    return "series";
}

} // namespace

int statsCommand(CliContext& ctx)
{
    const QString kind = ctx.takeWord(QStringLiteral("statistic (frequency, overdue, sums, reintegro, "
                                                     "reintegro-overdue, pairs, triples, quads, primes, odd, "
                                                     "even)"));
    const auto statistic = statisticFromName(kind);
    if (!statistic) throw UsageError(QStringLiteral("unknown statistic: %1").arg(kind));
    const auto start = ctx.takeOption(QStringLiteral("--start"));
    const auto end = ctx.takeOption(QStringLiteral("--end"));
    DrawDays days = ctx.takeDrawDays();
    ctx.expectNoMore();

    StatsRange range;
    range.start = start ? parseDateOption(QStringLiteral("--start"), *start) : storedStartDate(ctx);
    range.end = end ? parseDateOption(QStringLiteral("--end"), *end) : today();
    range.days = days;

    const DrawArchive archive = DrawArchive::inFolder(ctx.programFolder());
    if (!archive.exists()) throw Failure(QStringLiteral("no archive at %1").arg(archive.path()));
    BarChart chart;
    try {
        chart = runStatistic(*statistic, archive.path(), range, ctx.interfaceTexts());
    } catch (const ArchiveError& e) {
        throw Failure(QStringLiteral("%1: %2").arg(archive.path(), e.message()));
    }

    if (ctx.json()) {
        QJsonArray bars;
        for (const auto& b : chart.bars)
            bars.append(QJsonObject{{"x", b.x}, {"y", b.y}, {"color", QLatin1String(colourName(b.color))}});
        QJsonValue axis = QJsonValue::Null;
        if (chart.leftAxis) axis = QJsonObject{{"min", chart.leftAxis->min}, {"max", chart.leftAxis->max}};
        ctx.printJson(QJsonObject{{"bars", bars}, {"axis", axis}, {"title", chart.title}});
        return 0;
    }
    ctx.out() << chart.title << '\n';
    if (chart.leftAxis)
        ctx.out() << "axis: " << chart.leftAxis->min << ".." << chart.leftAxis->max << '\n';
    else
        ctx.out() << "axis: automatic\n";
    for (const auto& b : chart.bars) {
        ctx.out() << QStringLiteral("%1 %2").arg(b.x, 3).arg(b.y, 6);
        if (b.color != BarColor::Series) ctx.out() << ' ' << colourName(b.color);
        ctx.out() << '\n';
    }
    return 0;
}

} // namespace razoz::cli
