#include "check/prize_balance.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace razoz {

PrizeBalance prizeBalance(const TierHistory& history, Cents stake, const TierPrizes& prizes)
{
    PrizeBalance b;
    // The known winnings of each date; a date may carry wins of several rows and tiers.
    std::map<double, Cents> wonOn;
    for (const RowTiers& row : history.rows)
        for (PrizeTier t : kAllPrizeTiers) {
            const std::vector<double>& dates = row.tiers[tierIndex(t)].dates;
            const std::optional<Cents> prize = t == PrizeTier::Reintegro ? std::optional(stake) : prizes[tierIndex(t)];
            if (!prize) {
                b.unknownWins += int(dates.size());
                continue;
            }
            for (double d : dates) wonOn[d] += *prize;
        }

    const Cents perDraw = stake * Cents(history.rows.size());
    b.series.reserve(history.drawDates.size());
    for (double d : history.drawDates) {
        b.cost += perDraw;
        if (const auto it = wonOn.find(d); it != wonOn.end()) {
            b.winnings += it->second;
            wonOn.erase(it); // the wins of a date count once, at its first draw
        }
        b.series.push_back({d, b.cost, b.winnings});
    }
    return b;
}

QString formatCents(Cents cents)
{
    const bool negative = cents < 0;
    const std::uint64_t magnitude = negative ? 0 - std::uint64_t(cents) : std::uint64_t(cents);
    QString euros = QString::number(magnitude / 100);
    for (int i = int(euros.size()) - 3; i > 0; i -= 3) euros.insert(i, QLatin1Char('.'));
    return QStringLiteral("%1%2,%3 €")
        .arg(negative ? QStringLiteral("-") : QString(), euros)
        .arg(int(magnitude % 100), 2, 10, QLatin1Char('0'));
}

std::optional<Cents> parseCents(const QString& text)
{
    static const QRegularExpression amount(
        QStringLiteral(R"(^\s*(\d{1,3}(?:\.\d{3})+|\d+)(?:,(\d{1,2}))?\s*(?:€\s*)?$)"));
    const QRegularExpressionMatch m = amount.match(text);
    if (!m.hasMatch()) return std::nullopt;
    QString euros = m.captured(1);
    euros.remove(QLatin1Char('.'));
    if (euros.size() > 15) return std::nullopt;
    QString decimals = m.captured(2);
    while (decimals.size() < 2) decimals += QLatin1Char('0');
    return euros.toLongLong() * 100 + decimals.toLongLong();
}

} // namespace razoz
