// search, analyze parameters, analyze repeat: the archive search and the two historical analyses,
// every report answered Yes.
#include "cli.h"

#include "analysis/analysis_reports.h"
#include "analysis/archive_search.h"
#include "analysis/parameter_analysis.h"
#include "analysis/repeat_analysis.h"
#include "app/calculation_values.h"
#include "archive/dates.h"
#include "archive/draw_archive.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cmath>

namespace razoz::cli {

namespace {

qint64 wholeOption(const QString& option, const QString& text, qint64 lowest, qint64 highest)
{
    const auto n = readWholeNumber(text);
    if (!n || *n < lowest || *n > highest)
        throw UsageError(
            QStringLiteral("%1: \"%2\" is no whole number from %3 to %4").arg(option, text).arg(lowest).arg(highest));
    return *n;
}

int thresholdOption(CliContext& ctx)
{
    const auto text = ctx.takeOption(QStringLiteral("--threshold"));
    return text ? int(wholeOption(QStringLiteral("--threshold"), *text, -1000, 1000)) : 6;
}

// Checked here: the window would create a missing archive, and razoz-cli writes nothing.
QString existingArchive(const CliContext& ctx)
{
    const DrawArchive archive = DrawArchive::inFolder(ctx.programFolder());
    if (!archive.exists()) throw Failure(QStringLiteral("no archive at %1").arg(archive.path()));
    return archive.path();
}

// The start of the evaluated range: --start, else as the desktop program starts with it.
double startDate(CliContext& ctx)
{
    if (const auto start = ctx.takeOption(QStringLiteral("--start")))
        return parseDateOption(QStringLiteral("--start"), *start);
    return startDateFromStore(ctx.storedValue(key::RangeStartDate), defaultOf(key::RangeStartDate), today());
}

QJsonArray counts(const auto& values)
{
    QJsonArray a;
    for (auto v : values) a.append(qint64(v));
    return a;
}

QJsonArray expectedCounts(const auto& fractions)
{
    QJsonArray a;
    for (const Fraction& f : fractions) a.append(double(f.value()));
    return a;
}

void printLines(CliContext& ctx, const QStringList& lines)
{
    for (const QString& line : lines) ctx.out() << line << '\n';
}

int searchRun(CliContext& ctx)
{
    const int threshold = thresholdOption(ctx);
    SearchOptions options;
    options.start = startDate(ctx);
    const auto end = ctx.takeOption(QStringLiteral("--end"));
    options.end = end ? parseDateOption(QStringLiteral("--end"), *end) : today();
    const auto losnummer = ctx.takeOption(QStringLiteral("--losnummer"));
    options.losnummer = losnummer ? *losnummer : ctx.setting(key::TicketNumber);
    options.days = ctx.takeDrawDays();
    options.threshold = threshold;
    const TipRows rows = takeTipRows(ctx);
    ctx.expectNoMore();

    SearchResult result;
    try {
        result = searchTips(existingArchive(ctx), rows, options,
                            [](const SearchReport&, const SearchResult&) { return true; });
    } catch (const ArchiveError& e) {
        throw Failure(e.message());
    }
    if (ctx.json()) {
        QJsonArray reports;
        for (const SearchReport& r : result.reports)
            reports.append(QJsonObject{{"date", formatDate(r.date)}, {"row", r.row + 1}, {"hits", r.hits}});
        ctx.printJson(QJsonObject{{"reports", reports},
                                  {"current", result.examined ? QJsonValue(drawJson(result.lastDraw, result.lastIndex,
                                                                                    DrawSeparator::Stepped))
                                                              : QJsonValue(QJsonValue::Null)},
                                  {"draws", result.draws},
                                  {"rows_checked", qint64(result.rowsChecked)},
                                  {"expected", double(result.expected.value())}});
        return 0;
    }
    for (const SearchReport& r : result.reports)
        ctx.out() << QStringLiteral("%1  %2. Tipp: %3 Richtige").arg(formatDate(r.date)).arg(r.row + 1).arg(r.hits)
                  << '\n';
    if (result.examined)
        ctx.out() << formatDraw(result.lastDraw, DrawSeparator::Stepped) << '\n' << formatSum(result.lastDraw) << '\n';
    else
        ctx.out() << "keine Ziehung im gewählten Zeitraum\n";
    ctx.out() << searchChanceText(result, threshold) << '\n';
    return 0;
}

int parametersRun(CliContext& ctx)
{
    const auto from = ctx.takeOption(QStringLiteral("--from"));
    if (!from) throw UsageError(QStringLiteral("analyze parameters needs --from D"));
    const auto seed = ctx.takeOption(QStringLiteral("--seed"));
    const auto start = ctx.takeOption(QStringLiteral("--start"));
    const bool noSaturday = ctx.takeFlag(QStringLiteral("--no-saturday"));
    const bool noThursday = ctx.takeFlag(QStringLiteral("--no-thursday"));
    ctx.expectNoMore();

    SettingsValues values = ctx.settingsValues();
    if (start) values.set(key::RangeStartDate, parseDateOption(QStringLiteral("--start"), *start));
    if (noSaturday) values.set(key::CountSaturdayDraws, false);
    if (noThursday) values.set(key::CountThursdayDraws, false);
    CalculationSettingsSource settings(calculationSettingsFrom(values));

    ParameterAnalysisOptions options;
    options.from = parseDateOption(QStringLiteral("--from"), *from);
    RandomGenerator& random = RandomGenerator::shared();
    if (seed) {
        options.seed = std::uint32_t(wholeOption(QStringLiteral("--seed"), *seed, -2147483648LL, 4294967295LL));
    } else {
        random.seedFromClock();
        options.seed = random.seed();
    }
    options.onlyAfterThree = values.get(key::RecomputeOnlyAfterThree);
    options.losnummer = ctx.setting(key::TicketNumber);

    const InterfaceTexts texts = ctx.interfaceTexts();
    QuietRunControl run;
    const ParameterAnalysisResult result =
        runParameterAnalysis(settings, existingArchive(ctx), options, run, random, texts);
    if (result.end != AnalysisEnd::Finished) throw Failure(texts.text(34) + QLatin1Char(' ') + result.message);

    const QStringList lines = parameterReportLines(result.table, texts);
    if (ctx.json()) {
        QJsonArray table;
        QJsonArray expected;
        for (const auto& line : result.table.counts) table.append(counts(line));
        for (const auto& line : result.table.chance.expected) expected.append(expectedCounts(line));
        const ParameterChance& chance = result.table.chance;
        ctx.printJson(QJsonObject{{"table", table},
                                  {"draws", result.table.draws},
                                  {"report", QString::fromUtf8(plainTextReport(lines))},
                                  {"expected", expected},
                                  {"scored", chance.scored},
                                  {"scored_expected", double(chance.scoredMoments.mean)},
                                  {"scored_sd", double(std::sqrt(chance.scoredMoments.variance))},
                                  {"p", double(chance.scoredP())}});
        return 0;
    }
    printLines(ctx, lines);
    return 0;
}

int repeatRun(CliContext& ctx)
{
    const auto from = ctx.takeOption(QStringLiteral("--from"));
    if (!from) throw UsageError(QStringLiteral("analyze repeat needs --from D"));
    RepeatAnalysisOptions options;
    options.threshold = thresholdOption(ctx);
    options.start = startDate(ctx);
    options.days = ctx.takeDrawDays();
    ctx.expectNoMore();
    options.chosen = parseDateOption(QStringLiteral("--from"), *from);

    QuietRunControl run;
    const RepeatAnalysisResult result =
        runRepeatAnalysis(existingArchive(ctx), options, run, [](const RepeatMatch&) { return true; });
    if (result.end != AnalysisEnd::Finished) throw Failure(result.message);

    if (ctx.json()) {
        QJsonArray matches;
        for (const RepeatMatch& m : result.matches)
            matches.append(
                QJsonObject{{"draw", formatDate(m.draw)}, {"earlier", formatDate(m.earlier)}, {"hits", m.hits}});
        ctx.printJson(
            QJsonObject{{"history", counts(result.table.history)},
                        {"next1", counts(result.table.next1)},
                        {"next2", counts(result.table.next2)},
                        {"next3", counts(result.table.next3)},
                        {"matches", matches},
                        {"expected", QJsonObject{{"history", expectedCounts(expectedShares(result.table.history))},
                                                 {"next1", expectedCounts(expectedShares(result.table.next1))},
                                                 {"next2", expectedCounts(expectedShares(result.table.next2))},
                                                 {"next3", expectedCounts(expectedShares(result.table.next3))}}}});
        return 0;
    }
    for (const RepeatMatch& m : result.matches)
        ctx.out() << QStringLiteral("%1: %2 Richtige mit der Ziehung vom %3")
                         .arg(formatDate(m.draw))
                         .arg(m.hits)
                         .arg(formatDate(m.earlier))
                  << '\n';
    printLines(ctx, repeatReportLines(result.table, ctx.interfaceTexts()));
    return 0;
}

} // namespace

int searchCommand(CliContext& ctx)
{
    return searchRun(ctx);
}

int analyzeCommand(CliContext& ctx)
{
    const QString sub = ctx.takeWord(QStringLiteral("analyze subcommand (parameters, repeat)"));
    if (sub == QLatin1String("parameters")) return parametersRun(ctx);
    if (sub == QLatin1String("repeat")) return repeatRun(ctx);
    throw UsageError(QStringLiteral("unknown analyze subcommand: %1").arg(sub));
}

} // namespace razoz::cli
