#include "systems/system_search.h"

#include "base/run_control.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <random>

namespace razoz::systems {

namespace {

constexpr std::uint64_t kMaxSets = 4'000'000;  // m-sets the search counts
constexpr std::uint64_t kMaxMoveSets = 20'000; // m-sets one annealing move looks at
constexpr std::size_t kCandidateRows = 3;      // rows one step tries to move

// Every k-subset of the indices 0..n-1 as index lists.
std::vector<std::array<int, kRowSize>> indexCombos(int n, int k)
{
    std::vector<std::array<int, kRowSize>> out;
    if (k < 0 || k > n) return out;
    std::array<int, kRowSize> c{};
    for (int i = 0; i < k; ++i) c[static_cast<std::size_t>(i)] = i;
    while (true) {
        out.push_back(c);
        int i = k - 1;
        while (i >= 0 && c[static_cast<std::size_t>(i)] == n - k + i) --i;
        if (i < 0) break;
        ++c[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j) c[static_cast<std::size_t>(j)] = c[static_cast<std::size_t>(j) - 1] + 1;
    }
    return out;
}

class Annealer {
public:
    Annealer(int v, Guarantee g, const SearchOptions& options)
        : v_(v), g_(g), options_(options), rng_(options.seed), sets_(binomial(v, g.m)), count_(sets_, 0),
          where_(sets_, -1)
    {
        for (int n = 0; n <= kMaxNumbers; ++n)
            for (int k = 0; k <= kRowSize; ++k)
                choose_[n][k] = static_cast<std::uint32_t>(std::min<std::uint64_t>(binomial(n, k), UINT32_MAX));
        for (int i = 0; i <= kRowSize; ++i) rowCombos_[static_cast<std::size_t>(i)] = indexCombos(kRowSize, i);
        moveInside_ = indexCombos(kRowSize - 1, g.t - 1);
        moveOutside_ = indexCombos(v - kRowSize - 1, g.m - g.t);
        for (int i = 0; i < sets_; ++i) addHole(static_cast<std::uint32_t>(i), unrank(static_cast<std::uint32_t>(i)));
        start_ = std::chrono::steady_clock::now();
    }

    std::vector<RowMask> run()
    {
        greedy();
        best_ = rows_;
        report();
        if (done()) return best_;
        dropRow();
        // Cooled from t0 to tMin over some 55,000 steps, then warmed again: the cost of a step is
        // a handful of m-sets, so t0 takes most single losses and tMin almost none.
        const double t0 = 0.8, tMin = 0.05, alpha = 0.99995;
        double temperature = t0;
        while (!done()) {
            if (holes_.empty()) {
                best_ = rows_;
                report();
                if (done()) break;
                dropRow();
                temperature = t0;
                continue;
            }
            step(temperature);
            temperature *= alpha;
            if (temperature < tMin) temperature = t0;
        }
        return best_;
    }

private:
    bool done()
    {
        if (options_.target && best_.size() <= options_.target) return true;
        if (best_.size() <= 1) return true;
        if (options_.maxIterations && iterations_ >= options_.maxIterations) return true;
        if ((iterations_ & 1023) == 0) {
            if (options_.control && options_.control->stopRequested()) stopped_ = true;
            if (options_.seconds > 0) {
                const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start_;
                if (spent.count() >= options_.seconds) stopped_ = true;
            }
        }
        return stopped_;
    }

    void report()
    {
        if (options_.progress) options_.progress(static_cast<int>(best_.size()));
    }

    std::uint32_t rank(RowMask set) const
    {
        std::uint32_t r = 0;
        int i = 1;
        while (set) {
            r += choose_[std::countr_zero(set)][i++];
            set &= set - 1;
        }
        return r;
    }

    RowMask unrank(std::uint32_t r) const
    {
        RowMask set = 0;
        int p = v_ - 1;
        for (int i = g_.m; i >= 1; --i) {
            while (choose_[p][i] > r) --p;
            set |= RowMask(1) << p;
            r -= choose_[p][i];
            --p;
        }
        return set;
    }

    void addHole(std::uint32_t r, RowMask set)
    {
        where_[r] = static_cast<std::int32_t>(holes_.size());
        holes_.push_back(r);
        holeSets_.push_back(set);
    }
    void removeHole(std::uint32_t r)
    {
        const std::int32_t at = where_[r];
        const std::uint32_t last = holes_.back();
        holes_[static_cast<std::size_t>(at)] = last;
        holeSets_[static_cast<std::size_t>(at)] = holeSets_.back();
        where_[last] = at;
        holes_.pop_back();
        holeSets_.pop_back();
        where_[r] = -1;
    }
    void cover(RowMask set)
    {
        const std::uint32_t r = rank(set);
        if (count_[r]++ == 0) removeHole(r);
    }
    void uncover(RowMask set)
    {
        const std::uint32_t r = rank(set);
        if (--count_[r] == 0) addHole(r, set);
    }

    // Calls f for every m-set the row meets in t or more numbers.
    template <typename F> void forEachCovered(RowMask row, F&& f) const
    {
        int inside[kRowSize], outside[kMaxNumbers];
        int ni = 0, no = 0;
        for (int p = 0; p < v_; ++p) ((row >> p) & 1 ? inside[ni++] : outside[no++]) = p;
        for (int i = g_.t; i <= std::min(g_.m, kRowSize); ++i)
            for (const auto& a : rowCombos_[static_cast<std::size_t>(i)]) {
                RowMask base = 0;
                for (int j = 0; j < i; ++j) base |= RowMask(1) << inside[a[static_cast<std::size_t>(j)]];
                forEachSubset(outside, no, g_.m - i, 0, base, f);
            }
    }
    template <typename F> static void forEachSubset(const int* elems, int n, int k, int from, RowMask base, F& f)
    {
        if (k == 0) {
            f(base);
            return;
        }
        for (int i = from; i <= n - k; ++i) forEachSubset(elems, n, k - 1, i + 1, base | (RowMask(1) << elems[i]), f);
    }

    void addRow(RowMask row)
    {
        rows_.push_back(row);
        forEachCovered(row, [&](RowMask s) { cover(s); });
    }

    int gain(RowMask row) const
    {
        int g = 0;
        forEachCovered(row, [&](RowMask s) { g += count_[rank(s)] == 0 ? 1 : 0; });
        return g;
    }

    RowMask randomPick(RowMask from, int k)
    {
        RowMask out = 0;
        std::vector<int> p = positions(from);
        std::shuffle(p.begin(), p.end(), rng_);
        for (int i = 0; i < k && i < static_cast<int>(p.size()); ++i)
            out |= RowMask(1) << p[static_cast<std::size_t>(i)];
        return out;
    }

    // Rows are added while m-sets are open: each the best of a few rows through t numbers of one open set.
    void greedy()
    {
        const RowMask all = (RowMask(1) << v_) - 1;
        while (!holes_.empty()) {
            const RowMask open = holeSets_[rng_() % holeSets_.size()];
            RowMask bestRow = 0;
            int bestGain = -1;
            for (int c = 0; c < 16; ++c) {
                RowMask row = randomPick(open, std::min(g_.t, kRowSize));
                row |= randomPick(all & ~row, kRowSize - std::popcount(row));
                const int g = gain(row);
                if (g > bestGain) {
                    bestGain = g;
                    bestRow = row;
                }
            }
            addRow(bestRow);
        }
    }

    // Drops the row whose loss opens the fewest m-sets.
    void dropRow()
    {
        std::size_t bestAt = 0;
        int fewest = INT32_MAX;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            int alone = 0;
            forEachCovered(rows_[i], [&](RowMask s) { alone += count_[rank(s)] == 1 ? 1 : 0; });
            if (alone < fewest) {
                fewest = alone;
                bestAt = i;
            }
        }
        const RowMask row = rows_[bestAt];
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(bestAt));
        forEachCovered(row, [&](RowMask s) { uncover(s); });
    }

    // The m-sets whose cover changes when x leaves the row and y joins it: for each, the set with x
    // (lost) is the set with y (gained) but for that one number.
    template <typename F> void forEachCrossing(RowMask row, int x, int y, F&& f) const
    {
        int rest[kRowSize], outside[kMaxNumbers];
        int nr = 0, no = 0;
        for (int p = 0; p < v_; ++p) {
            if ((row >> p) & 1) {
                if (p != x) rest[nr++] = p;
            } else if (p != y) {
                outside[no++] = p;
            }
        }
        for (const auto& a : moveInside_) {
            RowMask base = 0;
            for (int j = 0; j < g_.t - 1; ++j) base |= RowMask(1) << rest[a[static_cast<std::size_t>(j)]];
            for (const auto& c : moveOutside_) {
                RowMask s = base;
                for (int j = 0; j < g_.m - g_.t; ++j) s |= RowMask(1) << outside[c[static_cast<std::size_t>(j)]];
                f(s);
            }
        }
    }

    // The change of open m-sets the move would make.
    int moveDelta(RowMask row, int x, int y) const
    {
        const RowMask bx = RowMask(1) << x, by = RowMask(1) << y;
        int delta = 0;
        forEachCrossing(row, x, y, [&](RowMask s) {
            delta += count_[rank(s | bx)] == 1 ? 1 : 0;
            delta -= count_[rank(s | by)] == 0 ? 1 : 0;
        });
        return delta;
    }

    // Covers a random open m-set by moving one number of a row that holds t−1 of it (or as many as
    // any row): the best of a few such moves, taken when the annealing accepts its cost.
    void step(double temperature)
    {
        ++iterations_;
        const RowMask open = holeSets_[rng_() % holeSets_.size()];
        candidates_.clear();
        int most = -1;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const int c = std::popcount(rows_[i] & open);
            if (c > most) {
                most = c;
                candidates_.clear();
            }
            if (c == most) candidates_.push_back(i);
        }
        std::shuffle(candidates_.begin(), candidates_.end(), rng_);
        int bestDelta = INT32_MAX, ties = 0;
        std::size_t bestAt = 0;
        int bestX = 0, bestY = 0;
        const std::size_t tries = std::min<std::size_t>(candidates_.size(), kCandidateRows);
        for (std::size_t k = 0; k < tries; ++k) {
            const std::size_t at = candidates_[k];
            const RowMask row = rows_[at];
            for (RowMask xs = row & ~open; xs; xs &= xs - 1)
                for (RowMask ys = open & ~row; ys; ys &= ys - 1) {
                    const int x = std::countr_zero(xs), y = std::countr_zero(ys);
                    if (at == lastRow_ && y == lastLeft_) continue; // no step straight back
                    const int d = moveDelta(row, x, y);
                    if (d < bestDelta) {
                        bestDelta = d;
                        ties = 1;
                    } else if (d == bestDelta) {
                        if (rng_() % static_cast<unsigned>(++ties) != 0) continue;
                    } else {
                        continue;
                    }
                    bestAt = at;
                    bestX = x;
                    bestY = y;
                }
        }
        if (bestDelta == INT32_MAX) return;
        if (bestDelta > 0 && std::uniform_real_distribution<double>(0, 1)(rng_) >= std::exp(-bestDelta / temperature))
            return;
        const RowMask row = rows_[bestAt];
        const RowMask bx = RowMask(1) << bestX, by = RowMask(1) << bestY;
        forEachCrossing(row, bestX, bestY, [&](RowMask s) {
            cover(s | by);
            uncover(s | bx);
        });
        rows_[bestAt] = (row & ~bx) | by;
        lastRow_ = bestAt;
        lastLeft_ = bestX;
    }

    int v_;
    Guarantee g_;
    SearchOptions options_;
    std::mt19937_64 rng_;
    int sets_;
    std::uint32_t choose_[kMaxNumbers + 1][kRowSize + 1];
    std::vector<std::uint32_t> count_;
    std::vector<std::int32_t> where_;
    std::size_t lastRow_ = SIZE_MAX;
    int lastLeft_ = -1;
    std::vector<std::uint32_t> holes_;
    std::vector<RowMask> holeSets_;
    std::vector<RowMask> rows_, best_;
    std::vector<std::size_t> candidates_;
    std::array<std::vector<std::array<int, kRowSize>>, kRowSize + 1> rowCombos_;
    std::vector<std::array<int, kRowSize>> moveInside_, moveOutside_;
    std::uint64_t iterations_ = 0;
    bool stopped_ = false;
    std::chrono::steady_clock::time_point start_;
};

} // namespace

bool searchable(int v, Guarantee g)
{
    if (v <= kRowSize || v > kMaxNumbers || g.t < 1 || g.t > g.m || g.m > kRowSize || g.m > v) return false;
    return binomial(v, g.m) <= kMaxSets &&
           binomial(kRowSize - 1, g.t - 1) * binomial(v - kRowSize - 1, g.m - g.t) <= kMaxMoveSets;
}

std::vector<RowMask> searchSystem(int v, Guarantee g, const SearchOptions& options)
{
    if (!searchable(v, g)) return {};
    return Annealer(v, g, options).run();
}

} // namespace razoz::systems
