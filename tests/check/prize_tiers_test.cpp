#include "check/prize_tiers.h"
#include "check/tip_check.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace razoz;

TEST(PrizeTiers, EveryCombinationOfHitsComplementaryAndReintegro)
{
    struct Case {
        int hits;
        bool sixthIsC, r;
        const char* tier; // "" = no hit class
        bool reintegro;
        const char* text;
    };
    const Case cases[] = {
        {6, false, false, "6", false, "1. Rang: 6"},
        {6, false, true, "6 + R", false, "Sonderrang: 6 + R"},
        {6, true, false, "6", false, "1. Rang: 6"}, // no sixth number with six hits
        {6, true, true, "6 + R", false, "Sonderrang: 6 + R"},
        {5, false, false, "5", false, "3. Rang: 5"},
        {5, false, true, "5", true, "3. Rang: 5 und Reintegro"},
        {5, true, false, "5 + C", false, "2. Rang: 5 + C"},
        {5, true, true, "5 + C", true, "2. Rang: 5 + C und Reintegro"},
        {4, false, false, "4", false, "4. Rang: 4"},
        {4, false, true, "4", true, "4. Rang: 4 und Reintegro"},
        {4, true, false, "4", false, "4. Rang: 4"},
        {4, true, true, "4", true, "4. Rang: 4 und Reintegro"},
        {3, false, false, "3", false, "5. Rang: 3"},
        {3, false, true, "3", true, "5. Rang: 3 und Reintegro"},
        {3, true, false, "3", false, "5. Rang: 3"},
        {3, true, true, "3", true, "5. Rang: 3 und Reintegro"},
        {2, false, false, "", false, ""},
        {2, false, true, "", true, "Reintegro"},
        {2, true, false, "", false, ""},
        {2, true, true, "", true, "Reintegro"},
        {1, false, false, "", false, ""},
        {1, false, true, "", true, "Reintegro"},
        {1, true, false, "", false, ""},
        {1, true, true, "", true, "Reintegro"},
        {0, false, false, "", false, ""},
        {0, false, true, "", true, "Reintegro"},
        {0, true, false, "", false, ""},
        {0, true, true, "", true, "Reintegro"},
    };
    for (const Case& c : cases) {
        const RowPrize p = prizeOf(c.hits, c.sixthIsC, c.r);
        const QString where = QStringLiteral("%1 hits, C %2, R %3").arg(c.hits).arg(c.sixthIsC).arg(c.r);
        EXPECT_EQ(p.hitTier ? tierName(*p.hitTier) : QString(), QString::fromLatin1(c.tier)) << where.toStdString();
        EXPECT_EQ(p.reintegro, c.reintegro) << where.toStdString();
        EXPECT_EQ(prizeText(p), QString::fromUtf8(c.text)) << where.toStdString();
        EXPECT_EQ(p.wins(PrizeTier::Reintegro), c.reintegro);
    }
}

TEST(PrizeTiers, CountsOfEveryHitClassAddUpToAllRows)
{
    const std::int64_t withHits[] = {6096454, 5775588, 1851150, 246820, 13545, 6 + 252, 1};
    std::int64_t all = 0;
    for (int h = 0; h <= 6; ++h) {
        EXPECT_EQ(rowsWithHits(h, false) + rowsWithHits(h, true), withHits[h]) << h << " hits";
        all += rowsWithHits(h, false) + rowsWithHits(h, true);
    }
    EXPECT_EQ(all, kPossibleRows);
    EXPECT_EQ(combinations(49, 6), kPossibleRows);
    EXPECT_EQ(rowsWithHits(5, true), 6);
    EXPECT_EQ(rowsWithHits(6, true), 0);
    const std::int64_t classes[] = {1, 6, 252, 13545, 246820};
    for (std::size_t i = 0; i < kHitClasses.size(); ++i) EXPECT_EQ(hitClassRows(kHitClasses[i]), classes[i]);

    // With a Reintegro to win, "6 + R" and "6" share the six-hit class, "6 + R" and "R" the 1 in 10.
    const Fraction six(1, kPossibleRows);
    EXPECT_EQ(tierChance(PrizeTier::SixPlusR, true) + tierChance(PrizeTier::Six, true), six);
    EXPECT_EQ(tierChance(PrizeTier::SixPlusR, true) + tierChance(PrizeTier::Reintegro, true), kReintegroChance);
    EXPECT_EQ(tierChance(PrizeTier::Six, false), six);
    EXPECT_EQ(tierChance(PrizeTier::SixPlusR, false), Fraction(0));
    EXPECT_EQ(tierChance(PrizeTier::Reintegro, false), Fraction(0));
    EXPECT_EQ(tierChance(PrizeTier::FivePlusC, false), Fraction(6, kPossibleRows));
}

TEST(PrizeTiers, TheCheckNamesTheTierWithoutAReintegroBefore1991)
{
    CurrentDraw draw;
    draw.date = toDays(QDate(1991, 6, 15)); // the archive holds 0 for the missing Reintegro
    draw.numbers = {3, 11, 13, 15, 34, 35};
    draw.complementary = 27;
    TipRows rows;
    rows[0] = {"35", "34", "15", "13", "11", "3"};
    rows[1] = {"3", "11", "13", "15", "34", "27"};
    rows[2] = {"3", "3", "13", "15", "34", "27"}; // a number twice: no row of the game
    GridCheck before = Komplettcheck(rows, draw, QStringLiteral("1234560"));
    EXPECT_TRUE(before.rows[0].match.reintegro) << "the label keeps its \" + S\"";
    EXPECT_EQ(before.rows[0].prize, prizeOf(6, false, false));
    EXPECT_EQ(before.rows[1].prize, prizeOf(5, true, false));
    EXPECT_EQ(before.rows[2].prize, RowPrize{});
    EXPECT_EQ(before.rows[2].hitText, "5 + Z + S");

    draw.date = kFirstReintegroDay;
    const GridCheck after = Komplettcheck(rows, draw, QStringLiteral("1234560"));
    EXPECT_EQ(prizeText(after.rows[0].prize), "Sonderrang: 6 + R");
    EXPECT_EQ(prizeText(after.rows[1].prize), "2. Rang: 5 + C und Reintegro");
    EXPECT_EQ(Komplettcheck(rows, draw, QStringLiteral("123456")).rows[1].prize, prizeOf(5, true, false))
        << "a ticket number without a seventh digit wins no Reintegro";
}

TEST(PrizeTiers, HistoryCountsEveryTierBesideItsChance)
{
    test::ProgramDir dir;
    dir.writeArchive({test::draw(QDate(1991, 6, 15), {1, 2, 3, 4, 5, 6}, 7, 0),
                      test::draw(QDate(1991, 6, 20), {6, 5, 4, 3, 2, 1}, 7, 4),
                      test::draw(QDate(1991, 6, 22), {1, 2, 3, 4, 5, 8}, 6, 4),
                      test::draw(QDate(1991, 6, 27), {1, 2, 3, 40, 41, 42}, 6, 9)});
    TipRows rows;
    rows[1] = {"6", "5", "4", "3", "2", "1"};
    rows[3] = {"1", "2", "3", "4", "5", ""}; // incomplete: left out
    rows[5] = {"40", "41", "42", "43", "44", "45"};
    const TierRange range{toDays(QDate(1991, 6, 15)), toDays(QDate(1991, 6, 27)), {true, true}};
    const TierHistory h = tierHistory(dir.archivePath(), rows, range, QStringLiteral("1234564"));
    EXPECT_EQ(h.draws, 4);
    EXPECT_EQ(h.reintegroDraws, 3);
    ASSERT_EQ(h.rows.size(), 2u);
    EXPECT_EQ(h.rows[0].row, 1);
    EXPECT_EQ(h.rows[0].numbers, (std::array<int, 6>{1, 2, 3, 4, 5, 6}));
    const auto dates = [&](int row, PrizeTier t) {
        QStringList out;
        for (double d : h.rows[row].tiers[tierIndex(t)].dates) out << formatDate(d);
        return out;
    };
    EXPECT_EQ(dates(0, PrizeTier::Six), QStringList{"15.06.1991"}); // no Reintegro before 20.06.1991
    EXPECT_EQ(dates(0, PrizeTier::SixPlusR), QStringList{"20.06.1991"});
    EXPECT_EQ(dates(0, PrizeTier::FivePlusC), QStringList{"22.06.1991"});
    EXPECT_EQ(dates(0, PrizeTier::Reintegro), QStringList{"22.06.1991"}); // beside 5 + C, not beside 6 + R
    EXPECT_EQ(dates(0, PrizeTier::Three), QStringList{"27.06.1991"});
    EXPECT_EQ(dates(1, PrizeTier::Three), QStringList{"27.06.1991"});
    EXPECT_EQ(h.rows[1].tiers[tierIndex(PrizeTier::Three)].first(), toDays(QDate(1991, 6, 27)));

    // Three draws with a Reintegro to win, one without.
    const TierTally& six = h.rows[0].tiers[tierIndex(PrizeTier::Six)];
    EXPECT_EQ(six.expected, Fraction(3 * 9 + 10, 10 * kPossibleRows));
    EXPECT_NEAR(double(six.p), 37.0 / 10 / kPossibleRows, 1e-12);
    const TierTally& three = h.rows[1].tiers[tierIndex(PrizeTier::Three)];
    EXPECT_EQ(three.expected, Fraction(4 * 246820, kPossibleRows));
    const double q = 246820.0 / kPossibleRows;
    EXPECT_NEAR(double(three.p), 1 - std::pow(1 - q, 4), 1e-12);
    EXPECT_EQ(h.rows[1].tiers[tierIndex(PrizeTier::Four)].p, 1);
    const TierTotal& total = h.total[tierIndex(PrizeTier::Three)];
    EXPECT_EQ(total.count, 2);
    EXPECT_EQ(total.expected, Fraction(8 * 246820, kPossibleRows));
    const double mean = 8 * q;
    EXPECT_NEAR(double(total.p), 1 - std::exp(-mean) * (1 + mean), 1e-12);

    // Thursdays only; the start is part of the range.
    const TierHistory thursdays =
        tierHistory(dir.archivePath(), rows, {kFirstReintegroDay, range.end, {false, true}}, QStringLiteral("1234564"));
    EXPECT_EQ(thursdays.draws, 2);
    EXPECT_EQ(thursdays.rows[0].tiers[tierIndex(PrizeTier::SixPlusR)].count(), 1);
    EXPECT_EQ(thursdays.rows[0].tiers[tierIndex(PrizeTier::Six)].count(), 0);
}
