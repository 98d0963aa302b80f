#pragma once
// What random draws do to given rows: the chance of at least some hits, and how many of the rows
// of one draw reach them on average and how much that count spreads. Rows that share numbers win
// together, so the spread is computed from every pair's overlap, not as if the rows were apart.
#include "base/chance.h"

#include <array>
#include <cstdint>
#include <vector>

namespace razoz {

// Rows of the C(49, 6) that have at least `hits` of the six drawn numbers (all for hits ≤ 0).
std::int64_t rowsWithAtLeastHits(int hits);
// Their share: the chance that a row played at random reaches `hits`.
Fraction chanceOfAtLeastHits(int hits);

struct CountMoments {
    long double mean = 0;
    long double variance = 0;
    CountMoments& operator+=(const CountMoments& o)
    {
        mean += o.mean;
        variance += o.variance;
        return *this;
    }
};

// The mean and variance of how many of `rows` (six different numbers 1..49 each) reach `hits`
// in one random draw; `loose` more rows whose numbers cannot be compared (a repeated number) are
// counted as if they were independent of all others.
CountMoments rowsReachingMoments(const std::vector<std::array<int, 6>>& rows, int hits, int loose = 0);

// P(X ≥ k) for a count with these moments, by the normal approximation with continuity
// correction; 1 for k ≤ 0, and a step at the mean when there is no spread.
long double normalCountUpperTail(const CountMoments& moments, std::int64_t k);

} // namespace razoz
