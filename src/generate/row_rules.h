#pragma once
// The tests a candidate row must pass (CheckRow), in their order: the rows of the slip, the
// single-row rules, the last three draws and the archived draws.
#include "generate/calculation_settings.h"
#include "generate/draw_history.h"
#include "generate/generation_observer.h"
#include "generate/reference_draws.h"

#include <QString>

#include <array>
#include <span>

namespace razoz {

// SlipRows: the twelve rows of the calculation as far as they are done (0 = empty).
using SlipRows = std::array<RowValues, 12>;

// The number of pairs (a, b), a from `a`, b from `b`, with a = b; 0 never matches.
int overlapCount(std::span<const int> a, std::span<const int> b);
// Two sorted neighbours differ by 1.
bool hasPair(const RowValues& sorted);
// Three sorted neighbours form x, x+1, x+2.
bool hasTriple(const RowValues& sorted);
int countEven(const RowValues& values);
int countOdd(const RowValues& values);
int rowSum(const RowValues& values);
// The fixed exchange sort of six values, ascending.
void sortRow(RowValues& values);

// Secheroderfuenfer: no draw since the start date gave the candidate the hits of upDown6.
bool Secheroderfuenfer(const RowValues& candidate, const CalculationSettings& s, DrawHistory& history);
// dreierodervierer: none of the last `draws` archived draws up to the end date (under the draw-day
// boxes) gave `hits` or more hits.
bool dreierodervierer(const RowValues& candidate, int hits, int draws, const CalculationSettings& s,
                      DrawHistory& history);

// The tests of CheckRow by their place in the order.
enum class RowTest {
    None = 0,          // passed
    SlipOverlap = 1,   // checkBox3, checkBox24, checkBox27
    ForcedPair = 2,    // checkBox8
    NoTriple = 3,      // checkBox18
    SumRange = 4,      // upDown1..upDown2, always
    LastDraw = 5,      // checkBox4
    SecondLast = 6,    // checkBox5
    ThirdLast = 7,     // checkBox23
    MinEven = 8,       // checkBox25
    MinOdd = 9,        // checkBox26
    RecentFirst = 10,  // checkBox28
    RecentSecond = 11, // checkBox34
    NeverWon = 12,     // checkBox9
    MinPrimes = 13,    // checkBox22
};
inline constexpr int kRowTests = 14; // RowTest::None and the thirteen tests
// The test's name in razoz-cli's JSON ("sum_range") and in the window ("Summenbereich").
QString rowTestKey(RowTest test);
QString rowTestText(RowTest test);

// CheckRow for the sorted candidate of row `row` (0-based): the first test that rejects it, or
// RowTest::None. Every setting is read anew. Throws ArchiveError when the archive cannot be read.
RowTest CheckRow(const RowValues& candidate, int row, const SlipRows& slip, const ReferenceDraws& ref,
                 const CalculationSettings& s, DrawHistory& history);

} // namespace razoz
