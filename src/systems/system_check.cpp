#include "systems/system_check.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <map>
#include <thread>
#include <tuple>

namespace razoz::systems {

std::uint64_t binomial(int n, int k)
{
    if (k < 0 || n < 0 || k > n) return 0;
    k = std::min(k, n - k);
    std::uint64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return r;
}

std::vector<int> positions(RowMask mask)
{
    std::vector<int> out;
    while (mask) {
        out.push_back(std::countr_zero(mask));
        mask &= mask - 1;
    }
    return out;
}

namespace {

struct LiveRow {
    RowMask mask;
    int count;
};

// One walk over the m-sets whose smallest position is `first`: the covered count and the first holes.
class CheckWalk {
public:
    CheckWalk(const std::vector<RowMask>& rows, int v, Guarantee g, int maxHoles)
        : v_(v), g_(g), maxHoles_(maxHoles), live_(static_cast<std::size_t>(g.m) + 1)
    {
        const RowMask all = v >= 64 ? ~RowMask(0) : (RowMask(1) << v) - 1;
        for (RowMask r : rows) all_.push_back(LiveRow{r & all, 0});
        for (auto& level : live_) level.reserve(all_.size());
        allMask_ = all;
    }

    void walkFrom(int first)
    {
        if (g_.m == 1) { // the only number is the first: settled at once
            settleLast(all_, RowMask(0), RowMask(1) << first);
            return;
        }
        step(all_, 0, first, RowMask(0));
    }

    std::uint64_t covered = 0;
    std::vector<RowMask> holes;

private:
    // Adds position x to the prefix at depth d (d numbers chosen so far) and goes on below it.
    void step(const std::vector<LiveRow>& rows, int d, int x, RowMask prefix)
    {
        const int left = g_.m - d - 1; // numbers still to choose after x
        std::vector<LiveRow>& next = live_[static_cast<std::size_t>(d) + 1];
        next.clear();
        const RowMask bit = RowMask(1) << x;
        for (const LiveRow& r : rows) {
            const int c = r.count + ((r.mask & bit) ? 1 : 0);
            if (c >= g_.t) { // a row already holds t of the prefix: every completion is covered
                covered += binomial(v_ - x - 1, left);
                return;
            }
            if (c + left >= g_.t) next.push_back(LiveRow{r.mask, c});
        }
        const RowMask here = prefix | bit;
        if (left == 1) {
            settleLast(next, here, x + 1 >= v_ ? 0 : (allMask_ & ~((RowMask(1) << (x + 1)) - 1)));
            return;
        }
        // The steps below read this level and write the next ones only.
        for (int y = x + 1; y <= v_ - left; ++y) step(next, d + 1, y, here);
    }

    // The prefix lacks one number, one of `allowed`: those a row with t−1 of the prefix holds are covered.
    void settleLast(const std::vector<LiveRow>& rows, RowMask prefix, RowMask allowed)
    {
        RowMask reach = 0;
        for (const LiveRow& r : rows)
            if (r.count >= g_.t - 1) reach |= r.mask;
        covered += static_cast<std::uint64_t>(std::popcount(reach & allowed));
        RowMask open = allowed & ~reach;
        while (open && static_cast<int>(holes.size()) < maxHoles_) {
            holes.push_back(prefix | (open & (~open + 1)));
            open &= open - 1;
        }
    }

    int v_;
    Guarantee g_;
    int maxHoles_;
    RowMask allMask_ = 0;
    std::vector<LiveRow> all_;
    std::vector<std::vector<LiveRow>> live_;
};

} // namespace

Coverage checkGuarantee(const std::vector<RowMask>& rows, int v, Guarantee g, int maxHoles, bool threads)
{
    Coverage result;
    result.total = binomial(v, g.m);
    if (g.m < 1 || g.t < 1 || g.t > g.m || g.m > v || v > 64) return result;
    const int firsts = v - g.m + 1; // the smallest position of an m-set
    struct Part {
        std::uint64_t covered = 0;
        std::vector<RowMask> holes;
    };
    std::vector<Part> parts(static_cast<std::size_t>(firsts));
    // Both cores only where the walk is long enough to pay for a thread.
    const bool twoThreads =
        threads && result.total * rows.size() > 20'000'000 && std::thread::hardware_concurrency() > 1;
    std::atomic<int> nextFirst{0};
    auto work = [&] {
        CheckWalk walk(rows, v, g, maxHoles);
        for (int f = nextFirst++; f < firsts; f = nextFirst++) {
            walk.covered = 0;
            walk.holes.clear();
            walk.walkFrom(f);
            parts[static_cast<std::size_t>(f)] = Part{walk.covered, walk.holes};
        }
    };
    if (twoThreads) {
        std::thread helper(work);
        work();
        helper.join();
    } else {
        work();
    }
    for (const Part& p : parts) {
        result.covered += p.covered;
        for (RowMask h : p.holes)
            if (static_cast<int>(result.holes.size()) < maxHoles) result.holes.push_back(h);
    }
    return result;
}

std::vector<GuaranteeLine> guaranteeTable(const std::vector<RowMask>& rows, int v, int m, int maxHoles)
{
    std::vector<GuaranteeLine> table;
    for (int t = 1; t <= m; ++t) table.push_back(GuaranteeLine{t, checkGuarantee(rows, v, Guarantee{t, m}, maxHoles)});
    return table;
}

std::uint64_t schoenheimBound(int v, int t)
{
    std::uint64_t bound = 1;
    for (int i = t - 1; i >= 0; --i) {
        const auto n = static_cast<std::uint64_t>(v - i), k = static_cast<std::uint64_t>(kRowSize - i);
        bound = (n * bound + k - 1) / k;
    }
    return bound;
}

namespace {

using Key = std::tuple<int, int, int>; // v, t, m

// Proven optimal sizes ("=" in the covering tables), and 2 if 6 over all 49 numbers.
const std::map<Key, std::uint64_t>& provenTable()
{
    static const std::map<Key, std::uint64_t> table = {
        {{10, 3, 3}, 10}, {{12, 3, 3}, 15}, {{18, 3, 3}, 48},  {{22, 3, 3}, 77},
        {{10, 4, 4}, 20}, {{10, 5, 5}, 50}, {{12, 5, 5}, 132}, {{49, 2, 6}, 19},
    };
    return table;
}

const std::map<Key, std::uint64_t>& bestKnownTable()
{
    static const std::map<Key, std::uint64_t> table = {
        {{10, 3, 3}, 10},  {{12, 3, 3}, 15},  {{14, 3, 3}, 25}, {{16, 3, 3}, 38}, {{18, 3, 3}, 48},  {{20, 3, 3}, 71},
        {{22, 3, 3}, 77},  {{10, 4, 4}, 20},  {{12, 4, 4}, 41}, {{14, 4, 4}, 80}, {{16, 4, 4}, 152}, {{10, 5, 5}, 50},
        {{12, 5, 5}, 132}, {{49, 3, 6}, 163}, {{49, 2, 6}, 19}, {{27, 3, 4}, 86},
    };
    return table;
}

// Published lower bounds that are no optimum (yet).
const std::map<Key, std::uint64_t>& literatureBounds()
{
    static const std::map<Key, std::uint64_t> table = {{{49, 3, 6}, 87}};
    return table;
}

} // namespace

std::optional<std::uint64_t> provenOptimum(int v, Guarantee g)
{
    const auto it = provenTable().find({v, g.t, g.m});
    if (it == provenTable().end()) return std::nullopt;
    return it->second;
}

std::optional<std::uint64_t> bestKnown(int v, Guarantee g)
{
    const auto it = bestKnownTable().find({v, g.t, g.m});
    if (it == bestKnownTable().end()) return std::nullopt;
    return it->second;
}

LowerBound lowerBound(int v, Guarantee g)
{
    LowerBound b;
    if (g.t < 1 || g.t > g.m || g.m > v) return b;
    if (v <= kRowSize) {
        b.rows = 1;
        return b;
    }
    if (g.t == 1) {
        // Fewer rows leave m numbers no row holds.
        b.rows = static_cast<std::uint64_t>((v - g.m + 1 + kRowSize - 1) / kRowSize);
    } else if (g.m == g.t) {
        b.rows = schoenheimBound(v, g.t);
    } else {
        // One row meets at most this many m-sets in t or more numbers.
        std::uint64_t perRow = 0;
        for (int i = g.t; i <= std::min(g.m, kRowSize); ++i)
            perRow += binomial(kRowSize, i) * binomial(v - kRowSize, g.m - i);
        const std::uint64_t all = binomial(v, g.m);
        b.rows = (all + perRow - 1) / perRow;
    }
    for (const auto* table : {&provenTable(), &literatureBounds()}) {
        const auto it = table->find({v, g.t, g.m});
        if (it != table->end() && it->second > b.rows) {
            b.rows = it->second;
            b.fromLiterature = true;
        }
    }
    return b;
}

std::vector<RowMask> fullSystem(int v)
{
    std::vector<RowMask> rows;
    if (v < kRowSize || binomial(v, kRowSize) > static_cast<std::uint64_t>(kMaxRows)) return rows;
    int c[kRowSize];
    for (int i = 0; i < kRowSize; ++i) c[i] = i;
    while (true) {
        RowMask r = 0;
        for (int i : c) r |= RowMask(1) << i;
        rows.push_back(r);
        int i = kRowSize - 1;
        while (i >= 0 && c[i] == v - kRowSize + i) --i;
        if (i < 0) break;
        ++c[i];
        for (int j = i + 1; j < kRowSize; ++j) c[j] = c[j - 1] + 1;
    }
    return rows;
}

} // namespace razoz::systems
