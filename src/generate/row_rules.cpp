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

bool Secheroderfuenfer(const RowValues& candidate, const CalculationSettings& s, DrawHistory& history)
{
    return history.hasNoHitRecord(numberMask(candidate.data(), 6), s.rangeStart, s.rangeEnd, s.pastDrawHits,
                                  {s.countSaturdayDraws, s.countThursdayDraws}, s.complementaryCountsAsHit);
}

bool dreierodervierer(const RowValues& candidate, int hits, int draws, const CalculationSettings& s,
                      DrawHistory& history)
{
    // The last d archived draws up to the end date, counted, whatever the game's week was then.
    const double end = s.rangeEnd;
    const DrawDays days{s.countSaturdayDraws, s.countThursdayDraws};
    return history.hasNoHitInLastDraws(numberMask(candidate.data(), 6), end, draws, hits, days,
                                       s.complementaryCountsAsHit);
}

namespace {

// Test 1: from the third row on, against every earlier row of the slip.
bool slipOverlapPasses(const RowValues& c, int row, const SlipRows& slip, const CalculationSettings& s)
{
    if (row < 2) return true;
    const bool every = s.overlapBoundsForEveryRow, atMost = s.demandMaxOverlap, atLeast = s.demandMinOverlap;
    if (!every && !atMost && !atLeast) return true;
    const int lowBound = s.minOverlap, highBound = s.maxOverlap;
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
                 const CalculationSettings& s, DrawHistory& history)
{
    if (!slipOverlapPasses(c, row, slip, s)) return RowTest::SlipOverlap;
    if (s.demandConsecutivePair && !hasPair(c)) return RowTest::ForcedPair;
    if (s.forbidConsecutiveTriple && hasTriple(c)) return RowTest::NoTriple;
    const int sum = rowSum(c);
    if (sum < s.lowestSum || sum > s.highestSum) return RowTest::SumRange;
    const bool complementary = s.complementaryCountsAsHit;
    if (!recentPasses(c, s.limitSharedWithLastDraw, s.sharedWithLastDrawLimit, ref.last, complementary))
        return RowTest::LastDraw;
    if (!recentPasses(c, s.limitSharedWithSecondLastDraw, s.sharedWithSecondLastDrawLimit, ref.secondLast,
                      complementary))
        return RowTest::SecondLast;
    if (!recentPasses(c, s.limitSharedWithThirdLastDraw, s.sharedWithThirdLastDrawLimit, ref.thirdLast, complementary))
        return RowTest::ThirdLast;
    if (s.demandMinEven && countEven(c) < s.minEven) return RowTest::MinEven;
    if (s.demandMinOdd && countOdd(c) < s.minOdd) return RowTest::MinOdd;
    if (s.limitFirstWindowHits && !dreierodervierer(c, s.firstWindowHits, s.firstWindowDraws, s, history))
        return RowTest::RecentFirst;
    if (s.limitSecondWindowHits && !dreierodervierer(c, s.secondWindowHits, s.secondWindowDraws, s, history))
        return RowTest::RecentSecond;
    if (s.avoidPastDrawHits && !Secheroderfuenfer(c, s, history)) return RowTest::NeverWon;
    if (s.demandMinPrimes && primzahlen(c) < s.minPrimes) return RowTest::MinPrimes;
    return RowTest::None;
}

namespace {

struct RowTestNames {
    const char* key;
    const char* text;
};

// In the order of RowTest.
constexpr std::array<RowTestNames, kRowTests> kRowTestNames = {{
    {"none", "bestanden"},
    {"slip_overlap", "Übereinstimmungen mit anderen Tipps"},
    {"consecutive_pair", "Paarbildung erzwungen"},
    {"consecutive_triple", "keine Dreier-Folge"},
    {"sum_range", "Summenbereich"},
    {"last_draw", "Zahlen der letzten Ziehung"},
    {"second_last_draw", "Zahlen der vorletzten Ziehung"},
    {"third_last_draw", "Zahlen der drittletzten Ziehung"},
    {"min_even", "mindestens gerade Zahlen"},
    {"min_odd", "mindestens ungerade Zahlen"},
    {"recent_first", "Treffer in den letzten Ziehungen (1)"},
    {"recent_second", "Treffer in den letzten Ziehungen (2)"},
    {"past_draw_hits", "entspricht einer Ziehung der Datenbank"},
    {"min_primes", "mindestens Primzahlen"},
}};

} // namespace

QString rowTestKey(RowTest test)
{
    return QString::fromLatin1(kRowTestNames[std::size_t(test)].key);
}

QString rowTestText(RowTest test)
{
    return QString::fromUtf8(kRowTestNames[std::size_t(test)].text);
}

} // namespace razoz
