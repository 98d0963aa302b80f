// odds, tiers: the chance of each prize tier, and how often rows would have won each tier over a
// range of the archive beside the number chance alone gives.
#include "cli.h"

#include "app/prize_settings.h"
#include "app/settings_store.h"
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "check/prize_balance.h"
#include "check/prize_tiers.h"

#include <QJsonArray>
#include <QJsonObject>

namespace razoz::cli {

namespace {

qint64 countOption(CliContext& ctx, const QString& option, qint64 highest)
{
    const auto text = ctx.takeOption(option);
    if (!text) return 1;
    bool ok = false;
    const qint64 n = text->trimmed().toLongLong(&ok);
    if (!ok || n < 1 || n > highest)
        throw UsageError(QStringLiteral("%1: \"%2\" is no whole number from 1 to %3").arg(option, *text).arg(highest));
    return n;
}

// "1 zu 55491.33": the number of rows for one win, whole where it divides.
QString oneIn(const Fraction& chance)
{
    if (chance.numerator() == 1) return QStringLiteral("1 zu %1").arg(chance.denominator());
    return QStringLiteral("1 zu %1").arg(double(1 / chance.value()), 0, 'f', 2);
}

QString decimal(long double v)
{
    return QString::number(double(v), 'g', 6);
}

QJsonArray dateArray(const std::vector<double>& dates)
{
    QJsonArray a;
    for (double d : dates) a.append(formatDate(d));
    return a;
}

QJsonObject tallyJson(PrizeTier t, const TierTally& tally)
{
    return QJsonObject{{"tier", tierName(t)},
                       {"draws", dateArray(tally.dates)},
                       {"count", tally.count()},
                       {"expected", double(tally.expected.value())},
                       {"p", double(tally.p)}};
}

QString tierLine(PrizeTier t, int count, const Fraction& expected, long double p)
{
    return QStringLiteral("  %1 %2  erwartet %3  p %4")
        .arg(tierName(t), -5)
        .arg(count, 5)
        .arg(decimal(expected.value()), -12)
        .arg(decimal(p), -10);
}

Cents centsOption(const QString& option, const QString& text)
{
    bool ok = false;
    const Cents c = text.trimmed().toLongLong(&ok);
    if (!ok || c < 0) throw UsageError(QStringLiteral("%1: \"%2\" is no whole number of cents").arg(option, text));
    return c;
}

// --stake CENTS and every --prize TIER=CENTS ("6+R", "6", "5+C", "5", "4", "3"); nullopt when neither
// is given. Without --stake the stake is the stored one.
std::optional<TierMoney> takeMoney(CliContext& ctx)
{
    const auto stake = ctx.takeOption(QStringLiteral("--stake"));
    const QStringList prizes = ctx.takeOptions(QStringLiteral("--prize"));
    if (!stake && prizes.isEmpty()) return std::nullopt;
    TierMoney money;
    money.stake = stake ? centsOption(QStringLiteral("--stake"), *stake) : storedTierMoney(ctx.settingsValues()).stake;
    for (const QString& p : prizes) {
        const int eq = int(p.indexOf(QLatin1Char('=')));
        QString tier = p.left(eq).remove(QLatin1Char(' '));
        std::optional<PrizeTier> found;
        for (PrizeTier t : kAllPrizeTiers)
            if (t != PrizeTier::Reintegro && tierName(t).remove(QLatin1Char(' ')) == tier) found = t;
        if (eq < 0 || !found)
            throw UsageError(
                QStringLiteral("--prize: \"%1\" is no TIER=CENTS with a tier of 6+R, 6, 5+C, 5, 4, 3").arg(p));
        money.prizes[tierIndex(*found)] = centsOption(QStringLiteral("--prize"), p.mid(eq + 1));
    }
    return money;
}

} // namespace

int oddsCommand(CliContext& ctx)
{
    const qint64 rows = countOption(ctx, QStringLiteral("--rows"), 1'000'000);
    const qint64 draws = countOption(ctx, QStringLiteral("--draws"), 10'000'000);
    ctx.expectNoMore();
    const Fraction played(rows * draws);

    if (ctx.json()) {
        QJsonArray tiers;
        for (PrizeTier t : kHitClasses) {
            const Fraction chance(hitClassRows(t), kPossibleRows);
            tiers.append(QJsonObject{{"tier", tierName(t)},
                                     {"count", qint64(hitClassRows(t))},
                                     {"probability", double(chance.value())},
                                     {"expected", double((chance * played).value())}});
        }
        ctx.printJson(
            QJsonObject{{"total", qint64(kPossibleRows)},
                        {"rows", rows},
                        {"draws", draws},
                        {"tiers", tiers},
                        {"reintegro", QJsonObject{{"count", qint64(kReintegroChance.numerator())},
                                                  {"of", qint64(kReintegroChance.denominator())},
                                                  {"probability", double(kReintegroChance.value())},
                                                  {"expected", double((kReintegroChance * played).value())}}}});
        return 0;
    }
    ctx.out() << QStringLiteral("Gewinnchancen einer Reihe in einer Ziehung (%1 mögliche Reihen); erwartet bei "
                                "%2 Reihen in %3 Ziehungen:\n")
                     .arg(kPossibleRows)
                     .arg(rows)
                     .arg(draws);
    auto line = [&](const QString& name, const QString& count, const Fraction& chance) {
        ctx.out() << QStringLiteral("  %1 %2  %3  erwartet %4\n")
                         .arg(name, -5)
                         .arg(count, -22)
                         .arg(oneIn(chance), -16)
                         .arg(decimal((chance * played).value()));
    };
    for (PrizeTier t : kHitClasses)
        line(tierName(t), QStringLiteral("%1 von %2").arg(hitClassRows(t)).arg(kPossibleRows),
             Fraction(hitClassRows(t), kPossibleRows));
    line(tierName(PrizeTier::Reintegro),
         QStringLiteral("%1 von %2").arg(kReintegroChance.numerator()).arg(kReintegroChance.denominator()),
         kReintegroChance);
    const Fraction sixPlusR = tierChance(PrizeTier::SixPlusR, true);
    line(tierName(PrizeTier::SixPlusR),
         QStringLiteral("%1 von %2").arg(sixPlusR.numerator()).arg(sixPlusR.denominator()), sixPlusR);
    return 0;
}

int tiersCommand(CliContext& ctx)
{
    const auto start = ctx.takeOption(QStringLiteral("--start"));
    const auto end = ctx.takeOption(QStringLiteral("--end"));
    const auto losnummerOption = ctx.takeOption(QStringLiteral("--losnummer"));
    TierRange range;
    range.days = ctx.takeDrawDays();
    const TipRows rows = takeTipRows(ctx);
    const std::optional<TierMoney> money = takeMoney(ctx);
    ctx.expectNoMore();
    range.start =
        start ? parseDateOption(QStringLiteral("--start"), *start)
              : startDateFromStore(ctx.storedValue(key::RangeStartDate), defaultOf(key::RangeStartDate), today());
    range.end = end ? parseDateOption(QStringLiteral("--end"), *end) : today();
    const QString losnummer = losnummerOption ? *losnummerOption : ctx.setting(key::TicketNumber);

    const DrawArchive archive = DrawArchive::inFolder(ctx.programFolder());
    if (!archive.exists()) throw Failure(QStringLiteral("no archive at %1").arg(archive.path()));
    TierHistory h;
    try {
        h = tierHistory(archive.path(), rows, range, losnummer);
    } catch (const ArchiveError& e) {
        throw Failure(QStringLiteral("%1: %2").arg(archive.path(), e.message()));
    }
    if (h.rows.empty()) throw Failure(QStringLiteral("no row holds six different numbers from 1 to 49"));
    // A plain value and a flag: GCC's -O3 warns falsely about an optional holding vectors here.
    const bool withMoney = money.has_value();
    const PrizeBalance balanceValue = withMoney ? prizeBalance(h, money->stake, money->prizes) : PrizeBalance{};
    const PrizeBalance* const balance = withMoney ? &balanceValue : nullptr;

    if (ctx.json()) {
        QJsonArray rowsJson;
        for (const RowTiers& row : h.rows) {
            QJsonArray numbers, tiers;
            for (int n : row.numbers) numbers.append(n);
            for (PrizeTier t : kAllPrizeTiers) tiers.append(tallyJson(t, row.tiers[tierIndex(t)]));
            rowsJson.append(QJsonObject{{"row", row.row + 1}, {"numbers", numbers}, {"tiers", tiers}});
        }
        QJsonArray totals;
        for (PrizeTier t : kAllPrizeTiers) {
            const TierTotal& total = h.total[tierIndex(t)];
            totals.append(QJsonObject{{"tier", tierName(t)},
                                      {"count", total.count},
                                      {"expected", double(total.expected.value())},
                                      {"p", double(total.p)}});
        }
        QJsonObject out{{"start", formatDate(range.start)},
                        {"end", formatDate(range.end)},
                        {"draws", h.draws},
                        {"reintegro_draws", h.reintegroDraws},
                        {"rows", rowsJson},
                        {"total", QJsonObject{{"tiers", totals}}}};
        if (balance) {
            out.insert("cost", qint64(balance->cost));
            out.insert("winnings", qint64(balance->winnings));
            out.insert("balance", qint64(balance->balance()));
            out.insert("unknown_prize_wins", balance->unknownWins);
        }
        ctx.printJson(out);
        return 0;
    }
    ctx.out() << QStringLiteral("%1 Ziehungen vom %2 bis %3, %4 davon mit Reintegro für die Losnummer\n")
                     .arg(h.draws)
                     .arg(formatDate(range.start), formatDate(range.end))
                     .arg(h.reintegroDraws);
    for (const RowTiers& row : h.rows) {
        QString numbers;
        for (int n : row.numbers) numbers += QStringLiteral(" %1").arg(n, 2);
        ctx.out() << QStringLiteral("%1. Tipp:").arg(row.row + 1, 2) << numbers << '\n';
        for (PrizeTier t : kAllPrizeTiers) {
            const TierTally& tally = row.tiers[tierIndex(t)];
            QString text = tierLine(t, tally.count(), tally.expected, tally.p);
            if (tally.count() == 1) text += QStringLiteral("  am %1").arg(formatDate(*tally.first()));
            if (tally.count() > 1)
                text +=
                    QStringLiteral("  erste %1, letzte %2").arg(formatDate(*tally.first()), formatDate(*tally.last()));
            ctx.out() << text.trimmed().prepend(QStringLiteral("  ")) << '\n';
        }
    }
    ctx.out() << QStringLiteral("Alle %1 Reihen:\n").arg(h.rows.size());
    for (PrizeTier t : kAllPrizeTiers) {
        const TierTotal& total = h.total[tierIndex(t)];
        ctx.out() << tierLine(t, total.count, total.expected, total.p).trimmed().prepend(QStringLiteral("  ")) << '\n';
    }
    if (balance)
        ctx.out() << QStringLiteral("Einsatz %1, Gewinne %2, Bilanz %3")
                         .arg(formatCents(balance->cost), formatCents(balance->winnings),
                              formatCents(balance->balance()))
                  << (balance->unknownWins > 0
                          ? QStringLiteral(" (%1 Gewinne ohne bekannten Betrag)").arg(balance->unknownWins)
                          : QString())
                  << '\n';
    return 0;
}

} // namespace razoz::cli
