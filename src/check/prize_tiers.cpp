#include "check/prize_tiers.h"

#include "archive/current_draw.h"
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "check/tip_check.h"

#include <algorithm>
#include <bit>

namespace razoz {

namespace {

using NumberSet = std::uint64_t; // bit n: number n

NumberSet bit(int n)
{
    return n >= 0 && n < 64 ? NumberSet{1} << n : 0;
}

template <class Numbers> NumberSet setOf(const Numbers& numbers)
{
    NumberSet s = 0;
    for (auto n : numbers) s |= bit(int(n));
    return s;
}

// A damaged record may repeat a drawn number or hold the complementary number among the six; the
// row's sixth number is then no complementary hit.
RowPrize prizeOfSets(NumberSet row, NumberSet drawn, int complementary, bool reintegro)
{
    const int hits = std::popcount(row & drawn);
    const NumberSet c = bit(complementary);
    return prizeOf(hits, (row & c) != 0 && (drawn & c) == 0, reintegro);
}

} // namespace

QString tierName(PrizeTier tier)
{
    switch (tier) {
    case PrizeTier::SixPlusR: return QStringLiteral("6 + R");
    case PrizeTier::Six: return QStringLiteral("6");
    case PrizeTier::FivePlusC: return QStringLiteral("5 + C");
    case PrizeTier::Five: return QStringLiteral("5");
    case PrizeTier::Four: return QStringLiteral("4");
    case PrizeTier::Three: return QStringLiteral("3");
    case PrizeTier::Reintegro: return QStringLiteral("R");
    }
    return {};
}

QString tierRankText(PrizeTier tier)
{
    switch (tier) {
    case PrizeTier::SixPlusR: return QStringLiteral("Sonderrang: 6 + R");
    case PrizeTier::Reintegro: return QStringLiteral("Reintegro");
    default: return QStringLiteral("%1. Rang: %2").arg(tierIndex(tier)).arg(tierName(tier));
    }
}

RowPrize prizeOf(int hits, bool sixthIsComplementary, bool reintegroWon)
{
    RowPrize p;
    p.reintegro = reintegroWon;
    if (hits >= 6) {
        p.hitTier = reintegroWon ? PrizeTier::SixPlusR : PrizeTier::Six;
        p.reintegro = false; // held by "6 + R"
    } else if (hits == 5) {
        p.hitTier = sixthIsComplementary ? PrizeTier::FivePlusC : PrizeTier::Five;
    } else if (hits == 4) {
        p.hitTier = PrizeTier::Four;
    } else if (hits == 3) {
        p.hitTier = PrizeTier::Three;
    }
    return p;
}

QString prizeText(const RowPrize& prize)
{
    if (!prize.hitTier) return prize.reintegro ? tierRankText(PrizeTier::Reintegro) : QString();
    QString text = tierRankText(*prize.hitTier);
    if (prize.reintegro) text += QStringLiteral(" und Reintegro");
    return text;
}

std::optional<std::array<int, kTipColumns>> playableRow(std::array<int, kTipColumns> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    if (numbers.front() < 1 || numbers.back() > 49) return std::nullopt;
    if (std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end()) return std::nullopt;
    return numbers;
}

std::optional<std::array<int, kTipColumns>> playableRow(const TipRowTexts& texts)
{
    const auto numbers = rowNumbers(texts);
    return numbers ? playableRow(*numbers) : std::nullopt;
}

bool reintegroWon(const QString& losnummer, double drawDate, int reintegro)
{
    return drawDate >= kFirstReintegroDay && reintegroHit(losnummer, reintegro);
}

RowPrize rowPrize(const std::array<int, kTipColumns>& row, const CurrentDraw& draw, const QString& losnummer)
{
    return prizeOfSets(setOf(row), setOf(draw.numbers), draw.complementary,
                       reintegroWon(losnummer, draw.date, draw.reintegro));
}

std::int64_t rowsWithHits(int hits, bool withComplementary)
{
    // The 43 numbers not drawn hold the complementary number and 42 others.
    const int others = kTipColumns - hits;
    return combinations(6, hits) * (withComplementary ? combinations(42, others - 1) : combinations(42, others));
}

std::int64_t hitClassRows(PrizeTier hitClass)
{
    switch (hitClass) {
    case PrizeTier::Six: return rowsWithHits(6, false);
    case PrizeTier::FivePlusC: return rowsWithHits(5, true);
    case PrizeTier::Five: return rowsWithHits(5, false);
    case PrizeTier::Four: return rowsWithHits(4, true) + rowsWithHits(4, false);
    case PrizeTier::Three: return rowsWithHits(3, true) + rowsWithHits(3, false);
    default: return 0;
    }
}

Fraction tierChance(PrizeTier tier, bool reintegroPossible)
{
    const Fraction six(hitClassRows(PrizeTier::Six), kPossibleRows);
    const Fraction r = reintegroPossible ? kReintegroChance : Fraction(0);
    const Fraction notR = reintegroPossible ? Fraction(9, 10) : Fraction(1);
    switch (tier) {
    case PrizeTier::SixPlusR: return six * r;
    case PrizeTier::Six: return six * notR;
    case PrizeTier::Reintegro: return Fraction(kPossibleRows - hitClassRows(PrizeTier::Six), kPossibleRows) * r;
    default: return Fraction(hitClassRows(tier), kPossibleRows);
    }
}

DrawFilter TierRange::filter() const
{
    DrawFilter f;
    f.start = start;
    f.end = end;
    f.startInclusive = true;
    f.days = days;
    f.rule = DayRule::Standard;
    return f;
}

TierHistory tierHistory(const QString& archivePath, const TipRows& rows, const TierRange& range,
                        const QString& losnummer)
{
    TierHistory h;
    std::vector<NumberSet> sets;
    for (int r = 0; r < kTipRows; ++r)
        if (const auto numbers = playableRow(rows[r])) {
            h.rows.push_back({r, *numbers, {}});
            sets.push_back(setOf(*numbers));
        }
    const std::optional<int> digit = reintegroDigit(losnummer);
    DrawArchive archive(archivePath);
    archive.forEachFiltered(range.filter(), [&](const DrawRecord& d, qint64) {
        ++h.draws;
        h.drawDates.push_back(d.date);
        const bool possible = digit && d.date >= kFirstReintegroDay;
        if (possible) ++h.reintegroDraws;
        const bool won = possible && *digit == d.reintegro;
        const NumberSet drawn = setOf(d.numbers);
        for (std::size_t i = 0; i < sets.size(); ++i) {
            const RowPrize prize = prizeOfSets(sets[i], drawn, d.complementary, won);
            if (prize.hitTier) h.rows[i].tiers[tierIndex(*prize.hitTier)].dates.push_back(d.date);
            if (prize.reintegro) h.rows[i].tiers[tierIndex(PrizeTier::Reintegro)].dates.push_back(d.date);
        }
    });

    const int plainDraws = h.draws - h.reintegroDraws;
    const auto playedRows = std::int64_t(h.rows.size());
    for (PrizeTier t : kAllPrizeTiers) {
        const int i = tierIndex(t);
        const Fraction withR = tierChance(t, true), withoutR = tierChance(t, false);
        const Fraction expected = withR * Fraction(h.reintegroDraws) + withoutR * Fraction(plainDraws);
        TierTotal& total = h.total[i];
        for (RowTiers& row : h.rows) {
            TierTally& tally = row.tiers[i];
            tally.expected = expected;
            tally.p =
                binomialSumUpperTail(h.reintegroDraws, withR.value(), plainDraws, withoutR.value(), tally.count());
            total.count += tally.count();
        }
        total.expected = expected * Fraction(playedRows);
        total.p = poissonUpperTail(total.expected.value(), total.count);
    }
    return h;
}

} // namespace razoz
