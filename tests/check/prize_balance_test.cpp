// The money of a tier history, exact in cents: the cost of every row in every draw, the known
// prizes and the Reintegro returning the stake, the wins of unknown prize counted apart, the series.
#include "check/prize_balance.h"

#include <gtest/gtest.h>

using namespace razoz;

namespace {

constexpr double kD1 = 40000, kD2 = 40003, kD3 = 40007, kD4 = 40010;

// Two rows over four draws: row 1 wins "3" with the Reintegro on the second draw and the Reintegro
// alone on the fourth; row 2 wins "4" on the third and "6 + R" on the fourth.
TierHistory handMadeHistory()
{
    TierHistory h;
    h.draws = 4;
    h.drawDates = {kD1, kD2, kD3, kD4};
    h.rows.resize(2);
    h.rows[0].tiers[tierIndex(PrizeTier::Three)].dates = {kD2};
    h.rows[0].tiers[tierIndex(PrizeTier::Reintegro)].dates = {kD2, kD4};
    h.rows[1].tiers[tierIndex(PrizeTier::Four)].dates = {kD3};
    h.rows[1].tiers[tierIndex(PrizeTier::SixPlusR)].dates = {kD4};
    return h;
}

TierPrizes prizes(std::initializer_list<std::pair<PrizeTier, Cents>> known)
{
    TierPrizes p;
    for (auto [tier, cents] : known) p[tierIndex(tier)] = cents;
    return p;
}

struct Case {
    const char* name;
    Cents stake;
    TierPrizes prizes;
    Cents cost, winnings;
    int unknownWins;
    std::vector<BalancePoint> series;
};

} // namespace

TEST(PrizeBalance, CostWinningsAndSeriesExactInCents)
{
    constexpr Cents jackpot = 4'321'098'765'43; // beyond 32 bits
    const Case cases[] = {
        {"three known, four and 6 + R unknown",
         75,
         prizes({{PrizeTier::Three, 1050}}),
         600,
         1050 + 75 + 75,
         2,
         {{kD1, 150, 0}, {kD2, 300, 1125}, {kD3, 450, 1125}, {kD4, 600, 1200}}},
        {"every prize known, the Reintegro ignores its own entry",
         100,
         prizes({{PrizeTier::SixPlusR, jackpot},
                 {PrizeTier::Four, 4000},
                 {PrizeTier::Three, 900},
                 {PrizeTier::Reintegro, 99999}}),
         800,
         900 + 100 + 4000 + jackpot + 100,
         0,
         {{kD1, 200, 0}, {kD2, 400, 1000}, {kD3, 600, 5000}, {kD4, 800, 5100 + jackpot}}},
        {"no stake, no prize known", 0, {}, 0, 0, 3, {{kD1, 0, 0}, {kD2, 0, 0}, {kD3, 0, 0}, {kD4, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PrizeBalance b = prizeBalance(handMadeHistory(), c.stake, c.prizes);
        EXPECT_EQ(b.cost, c.cost);
        EXPECT_EQ(b.winnings, c.winnings);
        EXPECT_EQ(b.balance(), c.winnings - c.cost);
        EXPECT_EQ(b.unknownWins, c.unknownWins);
        EXPECT_EQ(b.series, c.series);
    }
}

TEST(PrizeBalance, AmountsReadAndWrittenInTheProgramsFormat)
{
    const struct {
        const char* text;
        std::optional<Cents> cents;
    } reads[] = {{"0,75", 75},
                 {"12", 1200},
                 {" 1234,5 ", 123450},
                 {"1.234,56", 123456},
                 {"7,50 €", 750},
                 {"4.321.098.765,43", 432109876543},
                 {"", std::nullopt},
                 {"1,234", std::nullopt},
                 {"-1", std::nullopt},
                 {"1.23,00", std::nullopt},
                 {"zwölf", std::nullopt},
                 {"1.5", std::nullopt}};
    for (const auto& r : reads) EXPECT_EQ(parseCents(QString::fromUtf8(r.text)), r.cents) << r.text;

    const struct {
        Cents cents;
        const char* text;
    } writes[] = {
        {0, "0,00 €"}, {75, "0,75 €"}, {-75, "-0,75 €"}, {100000, "1.000,00 €"}, {123456789, "1.234.567,89 €"}};
    for (const auto& w : writes) EXPECT_EQ(formatCents(w.cents), QString::fromUtf8(w.text)) << w.text;
}
