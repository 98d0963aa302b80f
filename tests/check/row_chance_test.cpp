#include "check/row_chance.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

using namespace razoz;

namespace {

std::uint64_t maskOf(const std::array<int, 6>& row)
{
    std::uint64_t m = 0;
    for (int n : row) m |= std::uint64_t(1) << n;
    return m;
}

// The mean and variance of the rows reaching `hits` over every one of the C(49, 6) draws.
CountMoments bruteForce(const std::vector<std::array<int, 6>>& rows, int hits)
{
    std::vector<std::uint64_t> masks;
    for (const auto& r : rows) masks.push_back(maskOf(r));
    long double sum = 0, squares = 0, draws = 0;
    for (int a = 1; a <= 44; ++a)
        for (int b = a + 1; b <= 45; ++b)
            for (int c = b + 1; c <= 46; ++c)
                for (int d = c + 1; d <= 47; ++d)
                    for (int e = d + 1; e <= 48; ++e) {
                        const std::uint64_t five = (std::uint64_t(1) << a) | (std::uint64_t(1) << b) |
                                                   (std::uint64_t(1) << c) | (std::uint64_t(1) << d) |
                                                   (std::uint64_t(1) << e);
                        for (int f = e + 1; f <= 49; ++f) {
                            const std::uint64_t draw = five | (std::uint64_t(1) << f);
                            int reached = 0;
                            for (std::uint64_t m : masks) reached += std::popcount(m & draw) >= hits;
                            sum += reached;
                            squares += reached * reached;
                            draws += 1;
                        }
                    }
    const long double mean = sum / draws;
    return {mean, squares / draws - mean * mean};
}

} // namespace

TEST(RowChance, AtLeastHitsCountsTheRowsOfEveryClassAbove)
{
    EXPECT_EQ(rowsWithAtLeastHits(3), 246820 + 13545 + 252 + 6 + 1);
    EXPECT_EQ(rowsWithAtLeastHits(6), 1);
    EXPECT_EQ(rowsWithAtLeastHits(0), 13983816);
    EXPECT_EQ(rowsWithAtLeastHits(-3), 13983816);
    EXPECT_EQ(rowsWithAtLeastHits(7), 0);
    EXPECT_EQ(chanceOfAtLeastHits(6), Fraction(1, 13983816));
}

// Rows sharing numbers win together: the variance of the count must be that of every draw, not
// that of independent rows (identical, overlapping and disjoint rows, and a loose one).
TEST(RowChance, TheMomentsOfTheRowsReachingThreeAreThoseOfAllDraws)
{
    const std::vector<std::array<int, 6>> rows = {
        {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {1, 2, 3, 4, 5, 10}, {40, 41, 42, 43, 44, 45}};
    const CountMoments exact = bruteForce(rows, 3);
    const CountMoments computed = rowsReachingMoments(rows, 3);
    EXPECT_NEAR(double(computed.mean), double(exact.mean), 1e-12);
    EXPECT_NEAR(double(computed.variance), double(exact.variance), 1e-12);

    const long double p = chanceOfAtLeastHits(3).value();
    const CountMoments withLoose = rowsReachingMoments(rows, 3, 2);
    EXPECT_NEAR(double(withLoose.mean), double(exact.mean + 2 * p), 1e-12);
    EXPECT_NEAR(double(withLoose.variance), double(exact.variance + 2 * p * (1 - p)), 1e-12);
}

TEST(RowChance, TheNormalTailOfACount)
{
    EXPECT_EQ(normalCountUpperTail({5, 4}, 0), 1);
    // Half a step above the mean with the continuity correction: exactly one half.
    EXPECT_NEAR(double(normalCountUpperTail({4.5L, 4}, 5)), 0.5, 1e-15);
    // Two standard deviations above: 2.275 %.
    EXPECT_NEAR(double(normalCountUpperTail({9.5L, 4}, 14)), 0.02275, 1e-5);
    EXPECT_EQ(normalCountUpperTail({3, 0}, 3), 1);
    EXPECT_EQ(normalCountUpperTail({3, 0}, 4), 0);
}
