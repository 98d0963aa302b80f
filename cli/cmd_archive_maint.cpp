// archive import|export|enter|delete|check|update|rebuild: keeping the archive.
#include "cli.h"

#include "archive/archive_health.h"
#include "archive/archive_update.h"
#include "archive/dates.h"
#include "archive/draw_csv.h"
#include "archive/manual_entry.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>

namespace razoz::cli {

namespace {

QString archiveOf(CliContext& ctx)
{
    return DrawArchive::inFolder(ctx.programFolder()).path();
}

int importCommand(CliContext& ctx)
{
    const QString file = ctx.takeWord(QStringLiteral("results file (FILE.csv)"));
    ctx.expectNoMore();
    DrawArchive archive(archiveOf(ctx));
    const ImportReport report = importResultsCsv(archive, file);
    if (ctx.json()) {
        QJsonArray differing;
        for (double d : report.differing) differing.append(formatDate(d));
        ctx.printJson(QJsonObject{{"records", report.records},
                                  {"added", report.added},
                                  {"replaced", report.replaced},
                                  {"differing", differing}});
    } else {
        ctx.out() << report.added << " added, " << report.replaced << " replaced, " << report.records
                  << " draws in the archive\n";
        if (!report.differing.empty()) {
            QStringList dates;
            for (double d : report.differing) dates << formatDate(d);
            ctx.out() << report.differing.size() << " differed from the archive: " << dates.join(QStringLiteral(", "))
                      << '\n';
        }
    }
    return 0;
}

int exportCommand(CliContext& ctx)
{
    ctx.expectNoMore();
    DrawArchive archive(archiveOf(ctx));
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

// A whole number within [lo, hi]; UsageError naming the option otherwise.
int takeNumber(const QString& option, const QString& text, int lo, int hi)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < lo || v > hi)
        throw UsageError(
            QStringLiteral("%1 needs a whole number %2..%3, not \"%4\"").arg(option).arg(lo).arg(hi).arg(text));
    return v;
}

template <std::size_t N> void takeDigits(const QString& option, const QString& text, std::array<std::uint8_t, N>& into)
{
    if (text.size() != qsizetype(N) ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
        throw UsageError(QStringLiteral("%1 needs %2 digits, not \"%3\"").arg(option).arg(N).arg(text));
    for (std::size_t i = 0; i < N; ++i) into[i] = std::uint8_t(text[qsizetype(i)].unicode() - '0');
}

QString existing(CliContext& ctx)
{
    const DrawArchive archive = DrawArchive::inFolder(ctx.programFolder());
    if (!archive.exists()) throw Failure(QStringLiteral("no archive at %1").arg(archive.path()));
    return archive.path();
}

void printRecords(CliContext& ctx, qint64 records, const QString& text)
{
    if (ctx.json())
        ctx.printJson(QJsonObject{{"records", records}});
    else
        ctx.out() << text << '\n';
}

int enterCommand(CliContext& ctx)
{
    const auto date = ctx.takeOption(QStringLiteral("--date"));
    const auto numbers = ctx.takeOption(QStringLiteral("--numbers"));
    const auto complementary = ctx.takeOption(QStringLiteral("--complementary"));
    const auto reintegro = ctx.takeOption(QStringLiteral("--reintegro"));
    const auto spiel77 = ctx.takeOption(QStringLiteral("--spiel77"));
    const auto super6 = ctx.takeOption(QStringLiteral("--super6"));
    ctx.expectNoMore();
    if (!date || !numbers || !complementary || !reintegro)
        throw UsageError(QStringLiteral("archive enter needs --date, --numbers, --complementary and --reintegro"));
    DrawRecord r;
    r.date = parseDateOption(QStringLiteral("--date"), *date);
    const QStringList six = numbers->split(QLatin1Char(','));
    if (six.size() != 6) throw UsageError(QStringLiteral("--numbers needs six numbers a,b,c,d,e,f"));
    for (int i = 0; i < 6; ++i) r.numbers[std::size_t(i)] = std::uint8_t(takeNumber("--numbers", six[i], 1, 49));
    r.complementary = std::uint8_t(takeNumber("--complementary", *complementary, 1, 49));
    r.reintegro = std::uint8_t(takeNumber("--reintegro", *reintegro, 0, 9));

    DrawArchive archive(existing(ctx));
    // The draw of that date (else the last one) is where the entry dialog starts: a replaced draw
    // keeps its game-number digits unless new ones are given.
    const EntryReference ref = findEntryReference(archive, r.date);
    if (ref.record.date == r.date) {
        r.spiel77 = ref.record.spiel77;
        r.super6 = ref.record.super6;
    }
    if (spiel77) takeDigits("--spiel77", *spiel77, r.spiel77);
    if (super6) takeDigits("--super6", *super6, r.super6);
    const EntryOutcome outcome = storeEnteredDraw(archive, r, ref);
    const char* what = outcome == EntryOutcome::Appended   ? "appended"
                       : outcome == EntryOutcome::Replaced ? "replaced"
                                                           : "inserted";
    printRecords(ctx, archive.recordCount(),
                 QStringLiteral("%1 %2, %3 draws in the archive")
                     .arg(formatDate(r.date), QLatin1String(what))
                     .arg(archive.recordCount()));
    return 0;
}

int deleteCommand(CliContext& ctx)
{
    const auto date = ctx.takeOption(QStringLiteral("--date"));
    ctx.expectNoMore();
    if (!date) throw UsageError(QStringLiteral("archive delete needs --date D"));
    const double day = parseDateOption(QStringLiteral("--date"), *date);
    DrawArchive archive(existing(ctx));
    const qint64 removed = deleteDrawsOn(archive, day);
    printRecords(ctx, archive.recordCount(),
                 QStringLiteral("%1 draws of %2 deleted, %3 draws in the archive")
                     .arg(removed)
                     .arg(formatDate(day))
                     .arg(archive.recordCount()));
    return 0;
}

int healthCommand(CliContext& ctx)
{
    ctx.expectNoMore();
    DrawArchive archive(existing(ctx));
    const HealthReport report = checkArchiveHealth(archive);
    if (ctx.json()) {
        QJsonArray problems;
        for (const auto& p : report.problems) {
            QJsonObject o{{"kind", kindName(p.kind)}};
            if (p.index >= 0) o["index"] = p.index;
            if (p.kind != HealthProblem::Kind::PartialRecord) o["date"] = formatDate(p.date);
            if (p.kind == HealthProblem::Kind::OutOfRange) o["field"] = p.detail;
            if (p.kind == HealthProblem::Kind::PartialRecord) o["bytes"] = p.detail.toInt();
            problems.append(o);
        }
        ctx.printJson(QJsonObject{{"records", report.records}, {"problems", problems}});
        return 0;
    }
    ctx.out() << report.records << " draws\n";
    for (const auto& p : report.problems) {
        ctx.out() << kindName(p.kind);
        if (p.index >= 0) ctx.out() << " #" << p.index;
        if (p.kind != HealthProblem::Kind::PartialRecord) ctx.out() << ' ' << formatDate(p.date);
        if (!p.detail.isEmpty())
            ctx.out() << (p.kind == HealthProblem::Kind::PartialRecord ? " bytes " : " ") << p.detail;
        ctx.out() << '\n';
    }
    if (report.problems.empty()) ctx.out() << "no problems\n";
    return 0;
}

// razoz-cli never asks: a rebuild runs only when --yes was given.
class ConfirmedPrompt : public Prompt {
public:
    void information(const QString&, const QString&) override {}
    void error(const QString&) override {}
    bool question(const QString&, const QString&) override { return true; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return std::nullopt; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override { return {}; }
};

UpdateOptions updateOptions(CliContext& ctx, double pickerDate)
{
    UpdateOptions o;
    o.serverUrl = ctx.takeOption(QStringLiteral("--server")).value_or(ctx.setting(key::ResultsServerUrl));
    if (const auto proxy = ctx.takeOption(QStringLiteral("--proxy"))) {
        const qsizetype colon = proxy->lastIndexOf(QLatin1Char(':'));
        if (colon <= 0) throw UsageError(QStringLiteral("--proxy needs HOST:PORT"));
        o.proxyHost = proxy->left(colon);
        o.proxyPort = proxy->mid(colon + 1);
    } else {
        o.proxyHost = ctx.setting(key::ProxyHost);
        o.proxyPort = ctx.setting(key::ProxyPort);
    }
    o.pickerDate = pickerDate;
    o.today = today();
    return o;
}

int printUpdate(CliContext& ctx, const UpdateResult& result)
{
    if (!result.failure.isEmpty()) throw Failure(result.failure);
    if (ctx.json()) {
        QJsonArray requests;
        for (const auto& r : result.requests)
            requests.append(QJsonObject{{"date", formatDate(r.date)}, {"status", r.status}, {"appended", r.appended}});
        ctx.printJson(QJsonObject{{"requests", requests}, {"records", result.records}});
    } else {
        if (result.stopped) ctx.out() << "stopped\n";
        ctx.out() << result.records << " draws in the archive\n";
    }
    return 0;
}

// Prints each status text as the window's status bar would show it; silent with --json.
QuietRunControl statusEcho(CliContext& ctx)
{
    if (ctx.json()) return QuietRunControl();
    return QuietRunControl([&ctx](int, const QString& text) {
        ctx.out() << text << '\n';
        ctx.out().flush();
    });
}

int updateCommand(CliContext& ctx)
{
    const auto date = ctx.takeOption(QStringLiteral("--date"));
    UpdateOptions o = updateOptions(ctx, date ? parseDateOption(QStringLiteral("--date"), *date) : today());
    ctx.expectNoMore();
    DrawArchive archive(archiveOf(ctx));
    QuietRunControl run = statusEcho(ctx);
    return printUpdate(ctx, updateArchive(archive, o, run));
}

int rebuildCommand(CliContext& ctx)
{
    const auto from = ctx.takeOption(QStringLiteral("--from"));
    const bool yes = ctx.takeFlag(QStringLiteral("--yes"));
    if (!from) throw UsageError(QStringLiteral("archive rebuild needs --from D"));
    UpdateOptions o = updateOptions(ctx, parseDateOption(QStringLiteral("--from"), *from));
    ctx.expectNoMore();
    if (!yes)
        throw UsageError(QStringLiteral("archive rebuild replaces the archive (kept as %1): confirm with --yes")
                             .arg(kBackupFileName));
    DrawArchive archive(archiveOf(ctx));
    QuietRunControl run = statusEcho(ctx);
    ConfirmedPrompt prompt;
    return printUpdate(ctx, *rebuildArchive(archive, o, prompt, run));
}

} // namespace

int archiveMaintenanceCommand(CliContext& ctx, const QString& sub)
{
    if (sub == QLatin1String("update")) return updateCommand(ctx);
    if (sub == QLatin1String("rebuild")) return rebuildCommand(ctx);
    if (sub == QLatin1String("import")) return importCommand(ctx);
    if (sub == QLatin1String("export")) return exportCommand(ctx);
    if (sub == QLatin1String("enter")) return enterCommand(ctx);
    if (sub == QLatin1String("delete")) return deleteCommand(ctx);
    if (sub == QLatin1String("check")) return healthCommand(ctx);
    throw UsageError(QStringLiteral("unknown archive subcommand: %1").arg(sub));
}

} // namespace razoz::cli
