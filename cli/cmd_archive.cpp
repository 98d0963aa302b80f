// archive list, draw: reading the archive and selecting the current draw.
#include "cli.h"

#include "archive/current_draw.h"
#include "archive/dates.h"

#include <QJsonArray>
#include <QJsonObject>

namespace razoz::cli {

namespace {

QString digits(const auto& bytes)
{
    QString s;
    for (auto b : bytes) s += QString::number(b);
    return s;
}

QString existingArchive(CliContext& ctx)
{
    const DrawArchive archive = DrawArchive::inFolder(ctx.programFolder());
    if (!archive.exists()) throw Failure(QStringLiteral("no archive at %1").arg(archive.path()));
    return archive.path();
}

QJsonArray numbersJson(const auto& numbers)
{
    QJsonArray a;
    for (auto n : numbers) a.append(int(n));
    return a;
}

} // namespace

QJsonObject drawJson(const CurrentDraw& draw, int index, DrawSeparator sep)
{
    return QJsonObject{{"index", index},
                       {"date", formatDate(draw.date)},
                       {"numbers", numbersJson(draw.numbers)},
                       {"complementary", draw.complementary},
                       {"reintegro", draw.reintegro},
                       {"text", formatDraw(draw, sep)},
                       {"sum", draw.sum()}};
}

int archiveCommand(CliContext& ctx)
{
    const QString sub = ctx.takeWord(
        QStringLiteral("archive subcommand (list, update, rebuild, enter, delete, import, export, check)"));
    if (sub != QLatin1String("list")) return archiveMaintenanceCommand(ctx, sub);
    ctx.expectNoMore();
    DrawArchive archive(existingArchive(ctx));
    QJsonArray all;
    archive.forEach([&](const DrawRecord& r, qint64) {
        if (ctx.json()) {
            all.append(QJsonObject{{"date", formatDate(r.date)},
                                   {"numbers", numbersJson(r.numbers)},
                                   {"complementary", int(r.complementary)},
                                   {"reintegro", int(r.reintegro)},
                                   {"spiel77", digits(r.spiel77)},
                                   {"super6", digits(r.super6)}});
        } else {
            QString line = formatDate(r.date) + QLatin1Char(' ');
            for (auto n : r.numbers) line += QStringLiteral(" %1").arg(int(n), 2);
            line += QStringLiteral("  C:%1 R:%2").arg(int(r.complementary)).arg(int(r.reintegro));
            ctx.out() << line << '\n';
        }
    });
    if (ctx.json()) ctx.printJson(all);
    return 0;
}

int drawCommand(CliContext& ctx)
{
    const auto date = ctx.takeOption(QStringLiteral("--date"));
    const auto prev = ctx.takeOption(QStringLiteral("--prev"));
    const auto next = ctx.takeOption(QStringLiteral("--next"));
    DrawDays days = ctx.takeDrawDays();
    ctx.expectNoMore();
    if (prev && next) throw UsageError(QStringLiteral("--prev and --next exclude each other"));
    int steps = 0;
    if (prev || next) {
        bool ok = false;
        steps = (prev ? *prev : *next).toInt(&ok);
        if (!ok || steps < 0)
            throw UsageError(QStringLiteral("%1 needs a count of steps").arg(prev ? "--prev" : "--next"));
    }
    const double target = date ? parseDateOption(QStringLiteral("--date"), *date) : today();

    DrawArchive archive(existingArchive(ctx));
    if (archive.recordCount() == 0) throw Failure(QStringLiteral("the archive holds no draws"));
    DrawNavigator nav;
    nav.selectByDate(archive, target);
    // A step depends only on the position it starts from: once a step stays put, every further one
    // would too, so a huge count ends at once instead of rereading the archive for hours.
    for (int i = 0; i < steps; ++i) {
        const int from = nav.index();
        if (prev)
            nav.showPrevious(archive, days);
        else
            nav.showNext(archive, days);
        if (nav.index() == from && i > 0) break;
    }
    if (ctx.json()) {
        ctx.printJson(drawJson(nav.current(), nav.index(), nav.separator()));
    } else {
        ctx.out() << formatDraw(nav.current(), nav.separator()) << '\n'
                  << formatSum(nav.current()) << '\n'
                  << "Position: " << nav.index() << '\n';
    }
    return 0;
}

} // namespace razoz::cli
