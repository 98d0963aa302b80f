#include "archive/draw_archive.h"
#include "generate/row_rules.h"
#include "generate_support.h"

#include <QFile>

#include <cmath>

#include <gtest/gtest.h>

using namespace razoz;
using namespace razoz::test;

namespace {

struct RowCase {
    RowValues sorted;
    bool pair, triple;
};
class RowShape : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowShape, PairsAndTriplesOfSortedNeighbours)
{
    EXPECT_EQ(hasPair(GetParam().sorted), GetParam().pair);
    EXPECT_EQ(hasTriple(GetParam().sorted), GetParam().triple);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, RowShape,
    ::testing::Values(RowCase{{1, 3, 5, 7, 9, 11}, false, false}, RowCase{{1, 2, 5, 7, 9, 11}, true, false},
                      RowCase{{1, 3, 5, 7, 10, 11}, true, false}, RowCase{{1, 3, 4, 5, 9, 11}, true, true},
                      RowCase{{1, 3, 5, 9, 10, 11}, true, true}, RowCase{{28, 29, 30, 31, 40, 49}, true, true},
                      RowCase{{1, 2, 4, 5, 7, 8}, true, false}));

class RowRulesTest : public ::testing::Test {
protected:
    RowRulesTest()
    {
        noRowTests(values);
        values.set(key::RangeEndDate, toDays(QDate(2020, 12, 31)));
        values.set(key::RangeStartDate, toDays(QDate(2000, 1, 1)));
    }
    RowTest check(const RowValues& c, int row = 0)
    {
        const CalculationSettings s = calculationSettingsFrom(values);
        DrawHistory history(dir.archivePath());
        return CheckRow(c, row, slip, ref, s, history);
    }
    ProgramDir dir;
    SettingsValues values;
    SlipRows slip{};
    ReferenceDraws ref;
};

TEST_F(RowRulesTest, SumBoundsAreInclusive)
{
    dir.writeArchive({});
    setSpin(values, 1, 21);
    setSpin(values, 2, 21);
    EXPECT_EQ(check({1, 2, 3, 4, 5, 6}), RowTest::None);
    EXPECT_EQ(check({1, 2, 3, 4, 5, 7}), RowTest::SumRange);
    setSpin(values, 1, 23);
    setSpin(values, 2, 279);
    EXPECT_EQ(check({1, 2, 3, 4, 5, 7}), RowTest::SumRange);
    EXPECT_EQ(check({1, 2, 3, 4, 5, 8}), RowTest::None);
}

TEST_F(RowRulesTest, SlipOverlapStartsAtTheThirdRow)
{
    dir.writeArchive({});
    setBoxes(values, {3, 24}, true);
    setSpin(values, 3, 2);
    setSpin(values, 9, 0);
    slip[0] = {1, 2, 3, 4, 5, 6};
    slip[1] = {1, 2, 3, 10, 11, 12};
    // Row 2 is never compared with row 1.
    EXPECT_EQ(check({1, 2, 3, 4, 5, 6}, 1), RowTest::None);
    // Three or more in common with every earlier row fails; with one of them at most two passes.
    EXPECT_EQ(check({1, 2, 3, 20, 30, 40}, 2), RowTest::SlipOverlap);
    EXPECT_EQ(check({1, 2, 10, 20, 30, 40}, 2), RowTest::None);
}

TEST_F(RowRulesTest, EveryRowBoundsAndAnEmptiedRow)
{
    dir.writeArchive({});
    setBoxes(values, {27}, true);
    setSpin(values, 9, 1);
    setSpin(values, 3, 5);
    slip[0] = {1, 2, 3, 4, 5, 6};
    slip[1] = {}; // emptied: overlap 0 with every candidate
    EXPECT_EQ(check({1, 20, 21, 30, 40, 45}, 2), RowTest::SlipOverlap);
    slip[1] = {20, 22, 24, 26, 28, 30};
    EXPECT_EQ(check({1, 20, 21, 31, 40, 45}, 2), RowTest::None);
    // A locked row with a number twice counts it twice.
    EXPECT_EQ(overlapCount(RowValues{5, 6, 7, 8, 9, 10}, RowValues{5, 5, 0, 0, 0, 0}), 2);
}

TEST_F(RowRulesTest, LastDrawLimitCountsTheComplementaryOnlyWhenAsked)
{
    dir.writeArchive({});
    setBoxes(values, {4}, true);
    setSpin(values, 4, 1);
    ref.last = {1, 2, 3, 4, 5, 6, 40, 7};
    setBoxes(values, {35}, false);
    EXPECT_EQ(check({1, 10, 20, 30, 40, 45}), RowTest::None);
    setBoxes(values, {35}, true);
    EXPECT_EQ(check({1, 10, 20, 30, 40, 45}), RowTest::LastDraw);
    // The Reintegro digit never counts.
    EXPECT_EQ(check({1, 7, 20, 30, 41, 45}), RowTest::None);
    // Limit 0 is left to the pool.
    setSpin(values, 4, 0);
    EXPECT_EQ(check({1, 2, 3, 30, 40, 45}), RowTest::None);
}

TEST_F(RowRulesTest, TheFirstFailingTestInTheOrderRejects)
{
    dir.writeArchive({draw(QDate(2020, 12, 24), {1, 2, 3, 4, 5, 6}, 7)});
    setBoxes(values, {9, 22, 25}, true);
    setSpin(values, 6, 4);
    setSpin(values, 10, 6);
    setSpin(values, 15, 6);
    setSpin(values, 1, 100);
    // Sum (test 4) before even numbers (8), before the archive (12), before primes (13).
    EXPECT_EQ(check({1, 2, 3, 4, 5, 6}), RowTest::SumRange);
    setSpin(values, 1, 21);
    EXPECT_EQ(check({1, 2, 3, 4, 5, 6}), RowTest::MinEven);
    setSpin(values, 15, 0);
    EXPECT_EQ(check({1, 2, 3, 4, 5, 6}), RowTest::NeverWon);
    EXPECT_EQ(check({1, 2, 3, 10, 20, 30}), RowTest::MinPrimes);
}

TEST_F(RowRulesTest, SixHitsWithAndWithoutTheComplementary)
{
    dir.writeArchive({draw(QDate(2010, 5, 6), {1, 2, 3, 4, 5, 6}, 7)});
    setBoxes(values, {9}, true);
    setSpin(values, 6, 6);
    setBoxes(values, {35}, false);
    EXPECT_EQ(check({1, 2, 3, 4, 5, 7}), RowTest::None);
    EXPECT_EQ(check({1, 2, 3, 4, 5, 6}), RowTest::NeverWon);
    setBoxes(values, {35}, true);
    EXPECT_EQ(check({1, 2, 3, 4, 5, 7}), RowTest::NeverWon);
    // The start date itself lies outside the window.
    values.set(key::RangeStartDate, toDays(QDate(2010, 5, 6)));
    EXPECT_EQ(check({1, 2, 3, 4, 5, 6}), RowTest::None);
}

TEST_F(RowRulesTest, RecentWindowsCountArchivedDrawsNotDays)
{
    // Thursdays of December 2020 and one Saturday; only 03.12. gives the row three hits. The start
    // date lies after it and still does not bound the window.
    values.set(key::RangeEndDate, toDays(QDate(2020, 12, 31)));
    values.set(key::RangeStartDate, toDays(QDate(2020, 12, 31)));
    std::vector<DrawRecord> records{draw(QDate(2020, 12, 3), {1, 2, 3, 40, 41, 42}, 7)};
    for (const QDate& d : {QDate(2020, 12, 10), QDate(2020, 12, 17), QDate(2020, 12, 19), QDate(2020, 12, 24),
                           QDate(2020, 12, 31), QDate(2021, 1, 7)})
        records.push_back(draw(d, {11, 12, 13, 14, 15, 16}, 17));
    dir.writeArchive(records);
    const RowValues row{1, 2, 3, 10, 20, 30};
    setBoxes(values, {28}, true);
    setSpin(values, 17, 3);
    setSpin(values, 18, 5); // 31., 24., 19., 17., 10.
    EXPECT_EQ(check(row), RowTest::None);
    setSpin(values, 18, 6);
    EXPECT_EQ(check(row), RowTest::RecentFirst);
    // Thursdays only: the Saturday does not count, so five draws reach back to 03.12.
    setSpin(values, 18, 5);
    setBoxes(values, {16}, false);
    EXPECT_EQ(check(row), RowTest::RecentFirst);
    // The second window follows the same count.
    setBoxes(values, {28}, false);
    setBoxes(values, {34}, true);
    setSpin(values, 20, 3);
    setSpin(values, 21, 4);
    EXPECT_EQ(check(row), RowTest::None);
    setSpin(values, 21, 5);
    EXPECT_EQ(check(row), RowTest::RecentSecond);
}

struct WindowCase {
    QDate end;
    int draws;
    DrawDays days;
    QDate start; // invalid: no bound
};

// Saturday 05.09. to Saturday 19.09.2026 at three draws a week, two records dated Thursday 03.09.
// One history answers every case in turn, so a window kept for other bounds never answers.
TEST(LastDrawsWindow, BeginsAtTheDrawBeforeTheLastNUpToTheEndDate)
{
    ProgramDir dir;
    std::vector<DrawRecord> records;
    for (const QDate& d :
         {QDate(2026, 9, 3), QDate(2026, 9, 3), QDate(2026, 9, 5), QDate(2026, 9, 7), QDate(2026, 9, 10),
          QDate(2026, 9, 12), QDate(2026, 9, 14), QDate(2026, 9, 17), QDate(2026, 9, 19)})
        records.push_back(draw(d, {1, 2, 3, 4, 5, 6}, 7));
    dir.writeArchive(records);
    DrawHistory history(dir.archivePath());
    const WindowCase cases[] = {
        {{2026, 9, 17}, 4, {true, true}, {2026, 9, 7}},
        {{2026, 9, 18}, 4, {true, true}, {2026, 9, 7}}, // a day without a draw
        {{2026, 9, 17}, 1, {true, true}, {2026, 9, 14}},
        {{2026, 9, 17}, 7, {true, true}, {2026, 9, 3}},
        {{2026, 9, 17}, 8, {true, true}, {}},
        {{2026, 9, 17}, 2, {false, true}, {2026, 9, 3}},
        {{2026, 9, 17}, 3, {false, true}, {2026, 9, 3}}, // its twin stays outside
        {{2026, 9, 17}, 4, {false, true}, {}},
        {{2026, 9, 17}, 1, {true, false}, {2026, 9, 5}},
        {{2026, 9, 17}, 2, {true, false}, {}},
        {{2026, 9, 17}, 4, {true, false}, {}},
        {{2026, 9, 17}, 4, {true, true}, {2026, 9, 7}},
    };
    for (int round = 0; round < 2; ++round)
        for (const WindowCase& c : cases) {
            const double start = history.lastDrawsStart(toDays(c.end), c.draws, c.days);
            const std::string what = c.end.toString("dd.MM.").toStdString() + " " + std::to_string(c.draws) +
                                     (c.days.saturday ? " Sa" : "") + (c.days.thursday ? " Do" : "");
            if (c.start.isValid())
                EXPECT_EQ(fromDays(start), c.start) << what;
            else
                EXPECT_TRUE(std::isinf(start) && start < 0) << what;
        }
    EXPECT_EQ(history.loads(), 1);
}

TEST_F(RowRulesTest, HistorySeesAnArchiveChangedMeanwhile)
{
    dir.writeArchive({draw(QDate(2010, 5, 6), {1, 2, 3, 4, 5, 6}, 7)});
    DrawHistory history(dir.archivePath());
    const std::uint64_t row = numberMask(RowValues{1, 2, 3, 4, 5, 9}.data(), 6);
    const double start = toDays(QDate(2000, 1, 1)), end = toDays(QDate(2020, 1, 1));
    EXPECT_FALSE(history.hasNoHitRecord(row, start, end, 5, {}, false));
    EXPECT_FALSE(history.hasNoHitRecord(row, start, end, 5, {}, false));
    EXPECT_EQ(history.loads(), 1);
    // The same size, another content and a later modification time.
    dir.writeArchive({draw(QDate(2010, 5, 6), {11, 12, 13, 14, 15, 16}, 17)});
    QFile f(dir.archivePath());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime);
    f.close();
    EXPECT_TRUE(history.hasNoHitRecord(row, start, end, 5, {}, false));
    EXPECT_EQ(history.loads(), 2);
    QFile::remove(dir.archivePath());
    EXPECT_THROW(history.hasNoHitRecord(row, start, end, 5, {}, false), ArchiveError);
}

} // namespace
