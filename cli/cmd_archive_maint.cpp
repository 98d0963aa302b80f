// archive import|export|enter|delete|check|update|rebuild: keeping the archive.
#include "cli.h"

#include "archive/dates.h"
#include "archive/draw_csv.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>

namespace razoz::cli {

namespace {

DrawArchive archiveOf(CliContext& ctx)
{
    return DrawArchive::inFolder(ctx.programFolder());
}

int importCommand(CliContext& ctx)
{
    const QString file = ctx.takeWord(QStringLiteral("results file (FILE.csv)"));
    ctx.expectNoMore();
    DrawArchive archive = archiveOf(ctx);
    const ImportReport report = importResultsCsv(archive, file);
    if (ctx.json()) {
        ctx.printJson(QJsonObject{{"records", report.records}, {"added", report.added}, {"replaced", report.replaced}});
    } else {
        ctx.out() << report.added << " added, " << report.replaced << " replaced, " << report.records
                  << " draws in the archive\n";
    }
    return 0;
}

int exportCommand(CliContext& ctx)
{
    ctx.expectNoMore();
    DrawArchive archive = archiveOf(ctx);
    if (!archive.exists()) throw Failure(QStringLiteral("no archive at %1").arg(archive.path()));
    const QByteArray csv = exportResultsCsv(archive);
    if (ctx.json()) {
        ctx.printJson(QJsonObject{{"records", archive.recordCount()}, {"csv", QString::fromLatin1(csv)}});
    } else {
        ctx.out().flush();
        std::fwrite(csv.constData(), 1, std::size_t(csv.size()), stdout);
    }
    return 0;
}

} // namespace

int archiveMaintenanceCommand(CliContext& ctx, const QString& sub)
{
    if (sub == QLatin1String("import")) return importCommand(ctx);
    if (sub == QLatin1String("export")) return exportCommand(ctx);
    throw UsageError(QStringLiteral("unknown archive subcommand: %1").arg(sub));
}

} // namespace razoz::cli
