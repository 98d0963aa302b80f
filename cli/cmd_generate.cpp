// generate: the tip calculation with the stored settings, as "Tipps &berechnen" runs it.
#include "cli.h"

#include "app/calculation_values.h"
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "generate/tip_generator.h"

#include <QJsonArray>
#include <QJsonObject>

namespace razoz::cli {

namespace {

qint64 integerOption(const QString& option, const QString& text, qint64 lowest, qint64 highest)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    if (!ok || n < lowest || n > highest)
        throw UsageError(
            QStringLiteral("%1: \"%2\" is no whole number from %3 to %4").arg(option, text).arg(lowest).arg(highest));
    return n;
}

// --lock R=a,b,c,d,e,f: row R keeps these six numbers, as a row whose label is red.
void takeLock(const QString& value, LockedRows& locked)
{
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    if (eq < 0) throw UsageError(QStringLiteral("--lock %1: give R=a,b,c,d,e,f").arg(value));
    const int row = int(integerOption(QStringLiteral("--lock"), value.left(eq), 1, kTipRows));
    const QStringList fields = value.mid(eq + 1).split(QLatin1Char(','));
    if (fields.size() != kTipColumns)
        throw UsageError(QStringLiteral("--lock %1: row %2 needs six numbers separated by \",\"").arg(value).arg(row));
    if (locked[std::size_t(row - 1)]) throw UsageError(QStringLiteral("--lock: row %1 given more than once").arg(row));
    TipRowTexts texts;
    for (int c = 0; c < kTipColumns; ++c)
        texts[std::size_t(c)] = QString::number(integerOption(QStringLiteral("--lock"), fields[c], 1, 49));
    locked[std::size_t(row - 1)] = texts;
}

QString rowLine(int r, const RowValues& values, const std::optional<int>& sum)
{
    QString line = QStringLiteral("%1. Tipp:").arg(r + 1, 2);
    if (values[0] == 0) return line + QStringLiteral(" -");
    for (int v : values) line += QStringLiteral(" %1").arg(v, 2);
    line += QStringLiteral("  QS: %1").arg(sum ? *sum : rowSum(values), 3);
    if (!sum) line += QStringLiteral("  (gesperrt)");
    return line;
}

} // namespace

int generateCommand(CliContext& ctx)
{
    const auto seed = ctx.takeOption(QStringLiteral("--seed"));
    const auto rows = ctx.takeOption(QStringLiteral("--rows"));
    const auto start = ctx.takeOption(QStringLiteral("--start"));
    const auto end = ctx.takeOption(QStringLiteral("--end"));
    LockedRows locked;
    for (const QString& lock : ctx.takeOptions(QStringLiteral("--lock"))) takeLock(lock, locked);
    const bool noSaturday = ctx.takeFlag(QStringLiteral("--no-saturday"));
    const bool noThursday = ctx.takeFlag(QStringLiteral("--no-thursday"));
    ctx.expectNoMore();

    SettingsValues values = ctx.settingsValues();
    if (rows) values.set(key::RowsToCompute, int(integerOption(QStringLiteral("--rows"), *rows, 1, kTipRows)));
    if (start) values.set(key::RangeStartDate, parseDateOption(QStringLiteral("--start"), *start));
    // Without --end, today: the calculation selects the latest draw for it, as the window does at start-up.
    values.set(key::RangeEndDate, end ? parseDateOption(QStringLiteral("--end"), *end) : today());
    if (noSaturday) values.set(key::CountSaturdayDraws, false);
    if (noThursday) values.set(key::CountThursdayDraws, false);
    CalculationSettingsSource settings(calculationSettingsFrom(values));

    RandomGenerator& random = RandomGenerator::shared();
    if (seed)
        random.setSeed(std::uint32_t(integerOption(QStringLiteral("--seed"), *seed, -2147483648LL, 4294967295LL)));
    else
        random.seedFromClock();

    // Checked here: the window would create a missing archive, and razoz-cli writes nothing.
    const DrawArchive archive = DrawArchive::inFolder(ctx.programFolder());
    if (!archive.exists()) throw Failure(QStringLiteral("no archive at %1").arg(archive.path()));
    QuietRunControl run;
    const GenerationResult result = generateTips(settings, archive.path(), locked, run, random, ctx.interfaceTexts());
    if (result.end == GenerationEnd::ArchiveMissing || result.end == GenerationEnd::ArchiveFailure ||
        result.end == GenerationEnd::BadLockedRow)
        throw Failure(result.message);

    if (ctx.json()) {
        QJsonArray rowsJson;
        for (const RowValues& row : result.rows) {
            QJsonArray numbers;
            if (row[0] != 0)
                for (int v : row) numbers.append(v);
            rowsJson.append(numbers);
        }
        QJsonObject rejected;
        for (int t = 1; t < kRowTests; ++t) rejected.insert(rowTestKey(RowTest(t)), result.rejected[std::size_t(t)]);
        ctx.printJson(QJsonObject{{"rows", rowsJson},
                                  {"rejected", rejected},
                                  {"status", result.status},
                                  {"runs", result.runCounter},
                                  {"budget", result.iterationLimit},
                                  {"end", formatDate(settings.snapshot().rangeEnd)}});
        return 0;
    }
    for (int r = 0; r < kTipRows; ++r)
        ctx.out() << rowLine(r, result.rows[std::size_t(r)], result.sums[std::size_t(r)]) << '\n';
    ctx.out() << result.status << '\n';
    ctx.out() << QStringLiteral("Durchläufe: %1 von %2").arg(result.runCounter).arg(result.iterationLimit) << '\n';
    if (const QString rejected = rejectedText(result); !rejected.isEmpty()) ctx.out() << rejected << '\n';
    return 0;
}

} // namespace razoz::cli
