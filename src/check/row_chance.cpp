#include "check/row_chance.h"

#include "check/prize_tiers.h"

#include <bit>
#include <cmath>

namespace razoz {

std::int64_t rowsWithAtLeastHits(int hits)
{
    std::int64_t n = 0;
    for (int h = std::max(hits, 0); h <= 6; ++h) n += rowsWithHits(h, false) + rowsWithHits(h, true);
    return n;
}

Fraction chanceOfAtLeastHits(int hits)
{
    return Fraction(rowsWithAtLeastHits(hits), kPossibleRows);
}

namespace {

// Draws that give both of two rows sharing `k` numbers at least `hits`: a of the shared numbers,
// b and c of each row's own, the rest among the 37 + k numbers of neither.
std::int64_t drawsGivingBoth(int k, int hits)
{
    std::int64_t n = 0;
    for (int a = 0; a <= k; ++a)
        for (int b = 0; b <= 6 - k; ++b)
            for (int c = 0; c <= 6 - k; ++c) {
                const int rest = 6 - a - b - c;
                if (rest < 0 || a + b < hits || a + c < hits) continue;
                n += combinations(k, a) * combinations(6 - k, b) * combinations(6 - k, c) * combinations(37 + k, rest);
            }
    return n;
}

} // namespace

CountMoments rowsReachingMoments(const std::vector<std::array<int, 6>>& rows, int hits, int loose)
{
    const long double total = static_cast<long double>(kPossibleRows);
    const long double p = static_cast<long double>(rowsWithAtLeastHits(hits)) / total;
    std::array<long double, 7> together{};
    for (int k = 0; k <= 6; ++k) together[std::size_t(k)] = static_cast<long double>(drawsGivingBoth(k, hits)) / total;

    std::vector<std::uint64_t> masks;
    masks.reserve(rows.size());
    for (const auto& row : rows) {
        std::uint64_t m = 0;
        for (int n : row) m |= std::uint64_t(1) << n;
        masks.push_back(m);
    }
    CountMoments moments;
    const auto n = static_cast<long double>(rows.size() + std::size_t(std::max(loose, 0)));
    moments.mean = n * p;
    moments.variance = n * p * (1 - p);
    for (std::size_t i = 0; i < masks.size(); ++i)
        for (std::size_t j = i + 1; j < masks.size(); ++j)
            moments.variance += 2 * (together[std::size_t(std::popcount(masks[i] & masks[j]))] - p * p);
    return moments;
}

long double normalCountUpperTail(const CountMoments& moments, std::int64_t k)
{
    if (k <= 0) return 1;
    const long double x = static_cast<long double>(k) - 0.5L;
    if (moments.variance <= 0) return x <= moments.mean ? 1 : 0;
    return 0.5L * std::erfc((x - moments.mean) / std::sqrt(2 * moments.variance));
}

} // namespace razoz
