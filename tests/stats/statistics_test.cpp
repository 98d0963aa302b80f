#include "stats/statistics.h"

#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "base/chance.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace razoz;
using razoz::test::draw;
using razoz::test::ProgramDir;

namespace {

// Text n reads "tn", so every title shows which texts it uses and where.
InterfaceTexts numberedTexts()
{
    QStringList lines;
    for (int i = 0; i < 55; ++i) lines << QStringLiteral("t%1").arg(i);
    return InterfaceTexts(lines);
}

StatsRange range(QDate start, QDate end, DrawDays days = {})
{
    return {toDays(start), toDays(end), days};
}

double heightAt(const BarChart& chart, double x)
{
    for (const auto& b : chart.bars)
        if (b.x == x) return b.y;
    ADD_FAILURE() << "no bar at " << x;
    return -1;
}

double barTotal(const BarChart& chart)
{
    return std::accumulate(chart.bars.begin(), chart.bars.end(), 0.0,
                           [](double s, const ChartPoint& b) { return s + b.y; });
}

const QDate kStartSat(2005, 4, 2), kMon(2005, 4, 4), kThu(2005, 4, 7), kSat(2005, 4, 9), kSun(2005, 4, 10);

} // namespace

TEST(Statistics, StartBoundAndDrawDaysPerStatistic)
{
    ProgramDir dir;
    // Saturday on the start date, then Monday, Thursday, Saturday, Sunday; one draw after the end.
    dir.writeArchive({draw(kStartSat, {1, 2, 3, 4, 5, 6}, 7, 1), draw(kMon, {1, 2, 3, 4, 5, 6}, 7, 2),
                      draw(kThu, {1, 2, 3, 4, 5, 6}, 7, 3), draw(kSat, {1, 2, 3, 4, 5, 6}, 7, 4),
                      draw(kSun, {1, 2, 3, 4, 5, 6}, 7, 5), draw(QDate(2005, 4, 14), {1, 2, 3, 4, 5, 6}, 7, 6)});
    const InterfaceTexts texts = numberedTexts();
    const StatsRange both = range(kStartSat, kSun);
    const QString path = dir.archivePath();

    // Frequency counts the start date and the Monday: 5 draws; the Reintegro frequency counts the
    // start date but no Monday and no Sunday: Saturday 02.04., Thursday, Saturday.
    EXPECT_EQ(heightAt(numberFrequency(path, both, texts), 1), 5);
    const BarChart reintegro = reintegroFrequency(path, both, texts);
    EXPECT_EQ(barTotal(reintegro), 3);
    EXPECT_EQ(heightAt(reintegro, 1), 1);
    EXPECT_EQ(heightAt(reintegro, 2), 0);
    EXPECT_EQ(heightAt(reintegro, 5), 0);
    // The strictly-after statistics leave out the start date but take the Monday.
    EXPECT_EQ(numberOverdue(path, both, texts).bars.back().y, 5); // 49 never drawn: draws + 1
    EXPECT_EQ(barTotal(sumDistribution(path, both, texts)), 4);
    EXPECT_EQ(heightAt(pairCounts(path, both, texts), 1), 4);
    EXPECT_EQ(barTotal(primesPerDraw(path, both, texts)), 4);
    const BarChart reintegroWaiting = reintegroOverdue(path, both, texts);
    EXPECT_EQ(heightAt(reintegroWaiting, 5), 1);
    EXPECT_EQ(heightAt(reintegroWaiting, 2), 4);
    EXPECT_EQ(heightAt(reintegroWaiting, 1), 4); // drawn only on the start date

    // Only "Samstag Ziehungen": Saturday and Sunday pass the standard rule, only Saturday the Reintegro one.
    const StatsRange saturdays = range(kStartSat, kSun, {true, false});
    EXPECT_EQ(heightAt(numberFrequency(path, saturdays, texts), 1), 3);
    EXPECT_EQ(barTotal(reintegroFrequency(path, saturdays, texts)), 2);
    // Only "Donnerstag Ziehungen".
    const StatsRange thursdays = range(kStartSat, kSun, {false, true});
    EXPECT_EQ(heightAt(numberFrequency(path, thursdays, texts), 1), 1);
    EXPECT_EQ(heightAt(reintegroFrequency(path, thursdays, texts), 3), 1);

    // The end date itself is in range.
    EXPECT_EQ(heightAt(numberFrequency(path, range(kStartSat, QDate(2005, 4, 14)), texts), 1), 6);
}

TEST(Statistics, ReintegroStatisticsStartOn20June1991)
{
    ProgramDir dir;
    dir.writeArchive(
        {draw(QDate(1991, 6, 13), {1, 2, 3, 4, 5, 6}, 7, 5), draw(QDate(1991, 6, 15), {1, 2, 3, 4, 5, 6}, 7, 5),
         draw(QDate(1991, 6, 20), {1, 2, 3, 4, 5, 6}, 7, 3), draw(QDate(1991, 6, 22), {1, 2, 3, 4, 5, 6}, 7, 4),
         draw(QDate(1991, 6, 27), {1, 2, 3, 4, 5, 6}, 7, 7)});
    const StatsRange all = range(QDate(1985, 1, 1), QDate(2000, 1, 1));
    EXPECT_EQ(reintegroFirstDay(), toDays(QDate(1991, 6, 20)));

    const BarChart freq = reintegroFrequency(dir.archivePath(), all, numberedTexts());
    ASSERT_EQ(freq.bars.size(), 10u);
    EXPECT_EQ(heightAt(freq, 5), 0); // before the cut-off
    EXPECT_EQ(heightAt(freq, 3), 1); // on the cut-off day: counted
    EXPECT_EQ(heightAt(freq, 4), 1);
    EXPECT_EQ(heightAt(freq, 7), 1);
    EXPECT_EQ(freq.leftAxis, (AxisLimits{0, 1}));
    EXPECT_EQ(freq.title, "t3");
    for (const auto& b : freq.bars) EXPECT_EQ(b.color, BarColor::Series);

    // Overdue starts strictly after the cut-off: two draws, Reintegro 4 then 7.
    const BarChart overdue = reintegroOverdue(dir.archivePath(), all, numberedTexts());
    EXPECT_EQ(heightAt(overdue, 7), 1);
    EXPECT_EQ(heightAt(overdue, 4), 2);
    EXPECT_EQ(heightAt(overdue, 3), 2); // never drawn in range: the draw count, not one more
    EXPECT_EQ(heightAt(overdue, 0), 2);
    EXPECT_EQ(overdue.leftAxis, (AxisLimits{1, 2}));
    EXPECT_EQ(overdue.title, "t38");

    // A later start date wins over the cut-off.
    EXPECT_EQ(
        barTotal(reintegroFrequency(dir.archivePath(), range(QDate(1991, 6, 22), QDate(2000, 1, 1)), numberedTexts())),
        2);
}

TEST(Statistics, FrequencyOfOneDraw)
{
    ProgramDir dir;
    dir.writeArchive({draw(QDate(1985, 10, 17), {3, 11, 13, 15, 34, 35}, 27, 0)});
    const BarChart chart =
        numberFrequency(dir.archivePath(), range(QDate(1985, 10, 17), QDate(1985, 10, 17)), numberedTexts());
    ASSERT_EQ(chart.bars.size(), 49u);
    for (int n : {3, 11, 13, 15, 27, 34, 35}) EXPECT_EQ(heightAt(chart, n), 1) << n;
    EXPECT_EQ(barTotal(chart), 7);
    EXPECT_EQ(chart.bars[0].x, 1);
    EXPECT_EQ(chart.bars[2].color, BarColor::Red);    // 3
    EXPECT_EQ(chart.bars[10].color, BarColor::Red);   // 11
    EXPECT_EQ(chart.bars[12].color, BarColor::Red);   // 13
    EXPECT_EQ(chart.bars[14].color, BarColor::Green); // 15
    EXPECT_EQ(chart.bars[48].color, BarColor::Green); // 49 is no prime
    EXPECT_EQ(chart.leftAxis, (AxisLimits{0, 1}));
    EXPECT_EQ(chart.title, "t0     t1: 1    t2: 111");
}

TEST(Statistics, OverdueOverTwoDraws)
{
    ProgramDir dir;
    dir.writeArchive({draw(QDate(2005, 4, 7), {5, 10, 20, 30, 40, 41}, 42, 0),
                      draw(QDate(2005, 4, 9), {10, 21, 31, 32, 33, 34}, 44, 0)});
    const BarChart chart =
        numberOverdue(dir.archivePath(), range(QDate(2005, 4, 2), QDate(2005, 4, 30)), numberedTexts());
    ASSERT_EQ(chart.bars.size(), 49u);
    EXPECT_EQ(heightAt(chart, 5), 2);
    EXPECT_EQ(heightAt(chart, 42), 2); // complementary of the first draw
    EXPECT_EQ(heightAt(chart, 10), 1); // in both
    EXPECT_EQ(heightAt(chart, 44), 1);
    EXPECT_EQ(heightAt(chart, 1), 3); // in neither
    EXPECT_EQ(chart.bars[4].color, BarColor::Red);
    EXPECT_EQ(chart.leftAxis, (AxisLimits{1, 3}));
    EXPECT_EQ(chart.title, "t28");
}

TEST(Statistics, SumBarsSpanSmallestToLargestWithGaps)
{
    ProgramDir dir;
    dir.writeArchive({draw(QDate(2005, 4, 7), {5, 6, 7, 12, 14, 16}, 1, 0),       // 60
                      draw(QDate(2005, 4, 9), {30, 35, 36, 38, 40, 41}, 1, 0),    // 220
                      draw(QDate(2005, 4, 14), {5, 6, 7, 12, 14, 16}, 1, 0),      // 60
                      draw(QDate(2005, 4, 16), {10, 15, 20, 25, 30, 11}, 1, 0)}); // 111
    const BarChart chart =
        sumDistribution(dir.archivePath(), range(QDate(2005, 4, 2), QDate(2005, 4, 30)), numberedTexts());
    ASSERT_EQ(chart.bars.size(), 161u);
    EXPECT_EQ(chart.bars.front().x, 60);
    EXPECT_EQ(chart.bars.front().y, 2);
    EXPECT_EQ(chart.bars.back().x, 220);
    EXPECT_EQ(chart.bars.back().y, 1);
    EXPECT_EQ(heightAt(chart, 61), 0);
    EXPECT_EQ(heightAt(chart, 111), 1);
    EXPECT_FALSE(chart.leftAxis.has_value());
    EXPECT_EQ(chart.bars[1].color, BarColor::Series);
    EXPECT_EQ(chart.title, "t13     t1: 4    t14: 113"); // 451 / 4 = 112.75

    // No counted draw: no bars at all, and the average shows 0.
    const BarChart none =
        sumDistribution(dir.archivePath(), range(QDate(2006, 1, 1), QDate(2006, 2, 1)), numberedTexts());
    EXPECT_TRUE(none.bars.empty());
    EXPECT_EQ(none.title, "t13     t1: 0    t14: 0");
}

TEST(Statistics, AveragesRoundHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(110.5), 110);
    EXPECT_EQ(roundHalfEven(111.5), 112);
    EXPECT_EQ(roundHalfEven(111.49), 111);
    EXPECT_EQ(roundHalfEven(111.51), 112);
    EXPECT_EQ(roundHalfEven(0.5), 0);

    ProgramDir dir;
    dir.writeArchive({draw(QDate(2005, 4, 7), {5, 10, 15, 20, 25, 35}, 7, 0),   // 110
                      draw(QDate(2005, 4, 9), {5, 10, 15, 20, 25, 36}, 7, 0)}); // 111
    const StatsRange r = range(QDate(2005, 4, 2), QDate(2005, 4, 30));
    EXPECT_EQ(numberFrequency(dir.archivePath(), r, numberedTexts()).title, "t0     t1: 2    t2: 110");
    EXPECT_EQ(sumDistribution(dir.archivePath(), r, numberedTexts()).title, "t13     t1: 2    t14: 110");
    // No draw counted: the average shows 0 instead of dividing by zero.
    EXPECT_EQ(numberFrequency(dir.archivePath(), range(QDate(2006, 1, 1), QDate(2006, 1, 1)), numberedTexts()).title,
              "t0     t1: 0    t2: 0");
}

TEST(Statistics, RunsOfConsecutiveNumbers)
{
    ProgramDir dir;
    dir.writeArchive({draw(QDate(2005, 4, 7), {41, 29, 28, 31, 30, 40}, 1, 0),
                      draw(QDate(2005, 4, 9), {2, 12, 20, 33, 44, 47}, 13, 0)}); // 12 with complementary 13
    const StatsRange r = range(QDate(2005, 4, 2), QDate(2005, 4, 30));
    const QString path = dir.archivePath();

    const BarChart pairs = pairCounts(path, r, numberedTexts());
    ASSERT_EQ(pairs.bars.size(), 48u);
    for (int s : {28, 29, 30, 40}) EXPECT_EQ(heightAt(pairs, s), 1) << s;
    EXPECT_EQ(barTotal(pairs), 4);
    EXPECT_EQ(heightAt(pairs, 12), 0);
    EXPECT_EQ(pairs.bars[27].x, 28);
    EXPECT_EQ(pairs.leftAxis, (AxisLimits{0, 1}));
    EXPECT_EQ(pairs.title, "t1: 2     t9 t10 : 4"); // the draw without neighbours still counts

    const BarChart triples = tripleCounts(path, r, numberedTexts());
    ASSERT_EQ(triples.bars.size(), 47u);
    EXPECT_EQ(heightAt(triples, 28), 1);
    EXPECT_EQ(heightAt(triples, 29), 1);
    EXPECT_EQ(barTotal(triples), 2);
    EXPECT_EQ(triples.title, "t1: 2     t11 t10 : 2");

    const BarChart quads = quadCounts(path, r, numberedTexts());
    ASSERT_EQ(quads.bars.size(), 49u);
    EXPECT_EQ(heightAt(quads, 28), 1);
    EXPECT_EQ(barTotal(quads), 1);
    EXPECT_EQ(quads.bars.back().y, 0);
    EXPECT_FALSE(quads.leftAxis.has_value());
    EXPECT_EQ(quads.title, "t1: 2     t15 t10 : 1");
    for (const auto& b : quads.bars) EXPECT_EQ(b.color, BarColor::Series);
}

TEST(Statistics, RunsAtTheUpperEnd)
{
    ProgramDir dir;
    dir.writeArchive({draw(QDate(2005, 4, 7), {1, 46, 47, 48, 49, 10}, 2, 0)});
    const StatsRange r = range(QDate(2005, 4, 2), QDate(2005, 4, 30));
    EXPECT_EQ(heightAt(pairCounts(dir.archivePath(), r, {}), 48), 1);
    EXPECT_EQ(heightAt(tripleCounts(dir.archivePath(), r, {}), 47), 1);
    const BarChart quads = quadCounts(dir.archivePath(), r, {});
    EXPECT_EQ(heightAt(quads, 46), 1);
    EXPECT_EQ(heightAt(quads, 47), 0);
    // Without language texts the title is separators and numbers only.
    EXPECT_EQ(quads.title, ": 1       : 1");
}

TEST(Statistics, PrimesOddEvenPerDraw)
{
    ProgramDir dir;
    dir.writeArchive({draw(QDate(2005, 4, 7), {2, 3, 5, 7, 11, 13}, 4, 0),
                      draw(QDate(2005, 4, 9), {1, 4, 6, 8, 10, 12}, 17, 0)}); // prime complementary ignored
    const StatsRange r = range(QDate(2005, 4, 2), QDate(2005, 4, 30));
    const QString path = dir.archivePath();

    const BarChart primes = primesPerDraw(path, r, numberedTexts());
    ASSERT_EQ(primes.bars.size(), 7u);
    EXPECT_EQ(primes.bars[0].y, 1);
    EXPECT_EQ(primes.bars[6].y, 1);
    EXPECT_EQ(barTotal(primes), 2);
    EXPECT_EQ(primes.leftAxis, (AxisLimits{0, 1}));
    EXPECT_EQ(primes.title, "t44 2 t1. 50% t45.");

    const BarChart odd = oddPerDraw(path, r, numberedTexts());
    EXPECT_EQ(odd.bars[5].y, 1); // 2 3 5 7 11 13: five odd
    EXPECT_EQ(odd.bars[1].y, 1); // 1 4 6 8 10 12: one odd
    EXPECT_EQ(odd.title, "t46 2 t1.  50% t47.");

    const BarChart even = evenPerDraw(path, r, numberedTexts());
    EXPECT_EQ(even.bars[1].y, 1);
    EXPECT_EQ(even.bars[5].y, 1);
    EXPECT_EQ(even.title, "t48 2 t1.  50% t49.");

    std::array<int, 6> squares{1, 4, 9, 16, 25, 49};
    EXPECT_EQ(primzahlen(squares), 0);
    std::array<int, 6> small{2, 3, 5, 7, 11, 13};
    EXPECT_EQ(primzahlen(small), 6);
}

TEST(Statistics, MissingArchive)
{
    ProgramDir dir;
    const StatsRange r = range(QDate(2005, 4, 2), QDate(2005, 4, 30));
    for (Statistic s : {Statistic::Frequency, Statistic::Overdue, Statistic::Sums, Statistic::Reintegro,
                        Statistic::ReintegroOverdue, Statistic::Pairs, Statistic::Triples, Statistic::Quads})
        EXPECT_THROW(runStatistic(s, dir.archivePath(), r, numberedTexts()), ArchiveError)
            << statisticName(s).toStdString();
    // The per-draw property charts count no draw instead; the share without draws shows 0.
    const BarChart primes = runStatistic(Statistic::Primes, dir.archivePath(), r, numberedTexts());
    EXPECT_EQ(primes.bars.size(), 7u);
    EXPECT_EQ(barTotal(primes), 0);
    EXPECT_EQ(primes.title, "t44 0 t1. 0% t45.");
    EXPECT_FALSE(QFile::exists(dir.archivePath()));
}

TEST(Statistics, DamagedRecordsStayInsideTheTables)
{
    ProgramDir dir;
    DrawRecord bad = draw(QDate(2005, 4, 7), {0, 50, 66, 255, 255, 255}, 200, 77);
    dir.writeArchive({bad, draw(QDate(2005, 4, 9), {1, 2, 3, 4, 5, 6}, 7, 8)}, QByteArray(7, '\xff'));
    const StatsRange r = range(QDate(2005, 4, 2), QDate(2005, 4, 30));
    for (Statistic s : kAllStatistics) EXPECT_NO_THROW(runStatistic(s, dir.archivePath(), r, {}));
    EXPECT_EQ(barTotal(numberFrequency(dir.archivePath(), r, {})), 7);
    EXPECT_EQ(barTotal(reintegroOverdue(dir.archivePath(), r, {})), 2 * 10 - 1);
    EXPECT_EQ(sumDistribution(dir.archivePath(), r, {}).bars.back().x, 50 + 66 + 3 * 255);
    EXPECT_EQ(primesPerDraw(dir.archivePath(), r, {}).bars[0].y, 1); // 66 is no prime
    EXPECT_EQ(evenPerDraw(dir.archivePath(), r, {}).bars[3].y, 2);   // 0, 50, 66 / 2, 4, 6
}

namespace {

// Four draws on Thursdays and Saturdays, draw i holding `withProperty[i]` numbers that have the
// property and six minus that many that lack it.
struct ShareCase {
    Statistic statistic;
    std::array<int, 4> withProperty;
    const char* title;
};

void PrintTo(const ShareCase& c, std::ostream* os)
{
    *os << c.title;
}

std::vector<DrawRecord> drawsWith(Statistic s, const std::array<int, 4>& withProperty)
{
    const std::array<int, 6> primes{2, 3, 5, 7, 11, 13}, nonPrimes{1, 4, 6, 8, 9, 10};
    const std::array<int, 6> odd{1, 3, 5, 7, 9, 11}, even{2, 4, 6, 8, 10, 12};
    const auto& has = s == Statistic::Primes ? primes : s == Statistic::Odd ? odd : even;
    const auto& lacks = s == Statistic::Primes ? nonPrimes : s == Statistic::Odd ? even : odd;
    std::vector<DrawRecord> out;
    QDate date(2005, 4, 7);
    for (int k : withProperty) {
        DrawRecord r = draw(date, {});
        for (int i = 0; i < 6; ++i) r.numbers[std::size_t(i)] = std::uint8_t(i < k ? has[i] : lacks[i - k]);
        out.push_back(r);
        date = date.addDays(date.dayOfWeek() == Qt::Thursday ? 2 : 5);
    }
    return out;
}

class PropertyShare : public ::testing::TestWithParam<ShareCase> {};

} // namespace

// The share of drawn numbers with the property lands exactly on a half with 3, 9, 15 or 21 of 24
// numbers; halves go to the even neighbour.
TEST_P(PropertyShare, HalvesRoundToTheEvenNeighbour)
{
    const ShareCase& c = GetParam();
    ProgramDir dir;
    dir.writeArchive(drawsWith(c.statistic, c.withProperty));
    const BarChart chart =
        runStatistic(c.statistic, dir.archivePath(), range(QDate(2005, 4, 2), QDate(2005, 4, 30)), numberedTexts());
    EXPECT_EQ(barTotal(chart), 4);
    EXPECT_EQ(chart.title, c.title);
}

INSTANTIATE_TEST_SUITE_P(Statistics, PropertyShare,
                         ::testing::Values(ShareCase{Statistic::Primes, {1, 1, 1, 0}, "t44 4 t1. 12% t45."},  // 12.5
                                           ShareCase{Statistic::Primes, {3, 3, 3, 0}, "t44 4 t1. 38% t45."},  // 37.5
                                           ShareCase{Statistic::Odd, {3, 3, 3, 6}, "t46 4 t1.  62% t47."},    // 62.5
                                           ShareCase{Statistic::Odd, {6, 6, 6, 3}, "t46 4 t1.  88% t47."},    // 87.5
                                           ShareCase{Statistic::Even, {0, 1, 1, 1}, "t48 4 t1.  12% t49."},   // 12.5
                                           ShareCase{Statistic::Even, {4, 4, 4, 3}, "t48 4 t1.  62% t49."},   // 62.5
                                           ShareCase{Statistic::Primes, {2, 2, 2, 2}, "t44 4 t1. 33% t45."}), // 33.33
                         [](const ::testing::TestParamInfo<ShareCase>& info) {
                             return statisticName(info.param.statistic).toStdString() + "_" +
                                    std::to_string(info.index);
                         });

namespace {

// The primes up to 49, written out.
constexpr std::array kPrimes{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};

class PrimeTable : public ::testing::TestWithParam<int> {};

} // namespace

// Every number 1..49: red bar in the per-number charts exactly for the primes, and counted as a
// prime per draw (chart and the generation's minimum-primes rule) exactly for the primes.
TEST_P(PrimeTable, BarColourAndPrimeCount)
{
    const int n = GetParam();
    const bool prime = std::find(kPrimes.begin(), kPrimes.end(), n) != kPrimes.end();

    // n with five numbers that are no primes.
    std::array<int, 6> six{n};
    std::size_t used = 1;
    for (int filler : {1, 4, 6, 8, 9, 10})
        if (filler != n && used < six.size()) six[used++] = filler;
    ProgramDir dir;
    dir.writeArchive({draw(QDate(2005, 4, 7), {six[0], six[1], six[2], six[3], six[4], six[5]})});
    const StatsRange r = range(QDate(2005, 4, 2), QDate(2005, 4, 30));

    const BarChart frequency = numberFrequency(dir.archivePath(), r, numberedTexts());
    ASSERT_EQ(frequency.bars.size(), 49u);
    EXPECT_EQ(frequency.bars[std::size_t(n - 1)].x, n);
    EXPECT_EQ(frequency.bars[std::size_t(n - 1)].color, prime ? BarColor::Red : BarColor::Green);
    EXPECT_EQ(numberOverdue(dir.archivePath(), r, numberedTexts()).bars[std::size_t(n - 1)].color,
              prime ? BarColor::Red : BarColor::Green);

    const BarChart primes = primesPerDraw(dir.archivePath(), r, numberedTexts());
    EXPECT_EQ(primes.bars[prime ? 1 : 0].y, 1);
    EXPECT_EQ(barTotal(primes), 1);
    EXPECT_EQ(primzahlen(six), prime ? 1 : 0);
    EXPECT_EQ(isPrime(n), prime);
}

INSTANTIATE_TEST_SUITE_P(Statistics, PrimeTable, ::testing::Range(1, 50));

// The line of chance: each number expects its share of the 7 numbers a draw counts, with the band
// of a draw-by-draw binomial; the fit test sees a perfectly even chart as chance and seven repeats
// of one draw as far beyond it (the chi-square scaled by 48/42, the 7 numbers being distinct).
TEST(Statistics, TheFrequencyAndReintegroChartsCarryTheExpectationOfChance)
{
    ProgramDir dir;
    std::vector<DrawRecord> even, same;
    for (int d = 0; d < 7; ++d) {
        const int b = 7 * d;
        even.push_back(draw(QDate(2005, 4, 2).addDays(7 * d), {b + 1, b + 2, b + 3, b + 4, b + 5, b + 6}, b + 7, d));
        same.push_back(draw(QDate(2005, 4, 2).addDays(7 * d), {1, 2, 3, 4, 5, 6}, 7, 3));
    }
    const StatsRange r = range(QDate(2005, 4, 1), QDate(2005, 6, 30));
    dir.writeArchive(even);
    const BarChart flat = numberFrequency(dir.archivePath(), r, numberedTexts());
    ASSERT_TRUE(flat.chance);
    EXPECT_EQ(flat.chance->expected, std::vector<double>(49, 1.0));
    EXPECT_NEAR(flat.chance->sd[0], std::sqrt(6.0 / 7.0), 1e-12);
    EXPECT_EQ(flat.chance->chiSquare, 0);
    EXPECT_EQ(flat.chance->degrees, 48);
    EXPECT_EQ(flat.chance->p, 1);
    EXPECT_TRUE(flat.chance->hint.startsWith(
        QStringLiteral("Zufall je Zahl: 1,0 (±2σ: 0,0 bis 2,9) · χ² = 0,0 bei 48 Freiheitsgraden, p = 1,000")))
        << flat.chance->hint.toStdString();

    dir.writeArchive(same);
    const BarChart skewed = numberFrequency(dir.archivePath(), r, numberedTexts());
    ASSERT_TRUE(skewed.chance);
    EXPECT_NEAR(skewed.chance->chiSquare, (7 * 36 + 42) * 48.0 / 42.0, 1e-9);
    EXPECT_LT(skewed.chance->p, 1e-20);
    const BarChart digits = reintegroFrequency(dir.archivePath(), r, numberedTexts());
    ASSERT_TRUE(digits.chance);
    EXPECT_EQ(digits.chance->expected, std::vector<double>(10, 0.7));
    EXPECT_NEAR(digits.chance->chiSquare, (6.3 * 6.3 + 9 * 0.49) / 0.7, 1e-9);
    EXPECT_EQ(digits.chance->degrees, 9);

    dir.writeArchive({});
    EXPECT_FALSE(numberFrequency(dir.archivePath(), r, numberedTexts()).chance) << "no draw, no expectation";
}

// Per draw, the count of primes (15 of 49), odd (25) and even (24) numbers is hypergeometric.
TEST(Statistics, ThePerDrawChartsCarryTheExactDistributionOfChance)
{
    ProgramDir dir;
    dir.writeArchive(
        {draw(QDate(2005, 4, 7), {2, 3, 5, 7, 11, 13}, 4, 0), draw(QDate(2005, 4, 9), {1, 4, 6, 8, 10, 12}, 17, 0)});
    const StatsRange r = range(QDate(2005, 4, 2), QDate(2005, 4, 30));
    struct Case {
        BarChart (*chart)(const QString&, const StatsRange&, const InterfaceTexts&);
        int members;
    };
    for (const Case& c : {Case{primesPerDraw, 15}, Case{oddPerDraw, 25}, Case{evenPerDraw, 24}}) {
        const BarChart chart = c.chart(dir.archivePath(), r, numberedTexts());
        ASSERT_TRUE(chart.chance) << c.members;
        double sum = 0;
        for (int k = 0; k <= 6; ++k) {
            const double p = double(combinations(c.members, k) * combinations(49 - c.members, 6 - k)) / 13983816.0;
            EXPECT_NEAR(chart.chance->expected[std::size_t(k)], 2 * p, 1e-12) << c.members << " " << k;
            EXPECT_NEAR(chart.chance->sd[std::size_t(k)], std::sqrt(2 * p * (1 - p)), 1e-12);
            sum += chart.chance->expected[std::size_t(k)];
        }
        EXPECT_NEAR(sum, 2, 1e-12);
        EXPECT_EQ(chart.chance->degrees, 6);
    }
}
