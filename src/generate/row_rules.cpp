#include "generate/row_rules.h"

#include "stats/statistics.h"

#include <algorithm>

namespace razoz {

int overlapCount(std::span<const int> a, std::span<const int> b)
{
    int n = 0;
    for (int x : a) {
        if (x == 0) continue;
        for (int y : b) n += int(x == y);
    }
    return n;
}

bool hasPair(const RowValues& s)
{
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        if (s[i + 1] == s[i] + 1) return true;
    return false;
}

bool hasTriple(const RowValues& s)
{
    for (std::size_t i = 0; i + 2 < s.size(); ++i)
        if (s[i + 1] == s[i] + 1 && s[i + 2] == s[i + 1] + 1) return true;
    return false;
}

int countEven(const RowValues& values)
{
    return int(std::count_if(values.begin(), values.end(), [](int v) { return v % 2 == 0; }));
}

int countOdd(const RowValues& values)
{
    return int(values.size()) - countEven(values);
}

int rowSum(const RowValues& values)
{
    int s = 0;
    for (int v : values) s += v;
    return s;
}

void sortRow(RowValues& v)
{
    for (std::size_t i = 0; i < v.size(); ++i)
        for (std::size_t j = i; j < v.size(); ++j)
            if (v[j] < v[i]) std::swap(v[i], v[j]);
}

bool Secheroderfuenfer(const RowValues& candidate, const GenerationSettings& s, DrawHistory& history)
{
    return history.hasNoHitRecord(numberMask(candidate.data(), 6), s.dateTimePicker2(), s.dateTimePicker1(),
                                  s.upDown6(), {s.checkBox16(), s.checkBox17()}, s.checkBox35());
}

bool dreierodervierer(const RowValues& candidate, int hits, int draws, const GenerationSettings& s,
                      DrawHistory& history)
{
    // The last d archived draws up to the end date, counted, whatever the game's week was then.
    const double end = s.dateTimePicker1();
    const DrawDays days{s.checkBox16(), s.checkBox17()};
    return history.hasNoHitInLastDraws(numberMask(candidate.data(), 6), end, draws, hits, days, s.checkBox35());
}

namespace {

// Test 1: from the third row on, against every earlier row of the slip.
bool slipOverlapPasses(const RowValues& c, int row, const SlipRows& slip, const GenerationSettings& s)
{
    if (row < 2) return true;
    const bool every = s.checkBox27(), atMost = s.checkBox3(), atLeast = s.checkBox24();
    if (!every && !atMost && !atLeast) return true;
    const int lowBound = s.upDown9(), highBound = s.upDown3();
    int largest = 0, smallest = 6;
    for (int j = 0; j < row; ++j) {
        const int o = overlapCount(c, slip[std::size_t(j)]);
        largest = std::max(largest, o);
        smallest = std::min(smallest, o);
        if (every && (o < lowBound || o > highBound)) return false;
    }
    if (atMost && smallest > highBound) return false;
    if (atLeast && largest < lowBound) return false;
    return true;
}

// Tests 5 to 7: at most `limit` numbers in common with a recent draw; a limit of 0 is the pool's.
bool recentPasses(const RowValues& c, bool on, int limit, const DrawValues& draw, bool complementary)
{
    if (!on || limit <= 0) return true;
    return overlapCount(c, std::span<const int>(draw.data(), complementary ? 7 : 6)) <= limit;
}

} // namespace

RowTest CheckRow(const RowValues& c, int row, const SlipRows& slip, const ReferenceDraws& ref,
                 const GenerationSettings& s, DrawHistory& history)
{
    if (!slipOverlapPasses(c, row, slip, s)) return RowTest::SlipOverlap;
    if (s.checkBox8() && !hasPair(c)) return RowTest::ForcedPair;
    if (s.checkBox18() && hasTriple(c)) return RowTest::NoTriple;
    const int sum = rowSum(c);
    if (sum < s.upDown1() || sum > s.upDown2()) return RowTest::SumRange;
    const bool complementary = s.checkBox35();
    if (!recentPasses(c, s.checkBox4(), s.upDown4(), ref.last, complementary)) return RowTest::LastDraw;
    if (!recentPasses(c, s.checkBox5(), s.upDown5(), ref.secondLast, complementary)) return RowTest::SecondLast;
    if (!recentPasses(c, s.checkBox23(), s.upDown11(), ref.thirdLast, complementary)) return RowTest::ThirdLast;
    if (s.checkBox25() && countEven(c) < s.upDown15()) return RowTest::MinEven;
    if (s.checkBox26() && countOdd(c) < s.upDown16()) return RowTest::MinOdd;
    if (s.checkBox28() && !dreierodervierer(c, s.upDown17(), s.upDown18(), s, history)) return RowTest::RecentFirst;
    if (s.checkBox34() && !dreierodervierer(c, s.upDown20(), s.upDown21(), s, history)) return RowTest::RecentSecond;
    if (s.checkBox9() && !Secheroderfuenfer(c, s, history)) return RowTest::NeverWon;
    if (s.checkBox22() && primzahlen(c) < s.upDown10()) return RowTest::MinPrimes;
    return RowTest::None;
}

} // namespace razoz
