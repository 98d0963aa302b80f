#pragma once
// Systems ("wheels"): rows of six numbers out of v chosen numbers with a guarantee "t if m" —
// whenever m of the six drawn numbers are among the v, some row holds t or more of them. Inside
// the module a number is its position 0..v-1 among the chosen numbers and a row a bit mask of
// positions; the numbers themselves only matter when rows are shown or saved.
#include <cstdint>
#include <optional>
#include <vector>

namespace razoz::systems {

inline constexpr int kRowSize = 6;      // numbers of one row
inline constexpr int kMaxNumbers = 49;  // numbers of the game
inline constexpr int kMaxRows = 100000; // the largest system the program builds or checks

using RowMask = std::uint64_t; // bit p = position p among the chosen numbers

struct Guarantee {
    int t = 3; // hits a row reaches at least …
    int m = 3; // … whenever this many drawn numbers are among the chosen
    bool operator==(const Guarantee&) const = default;
};

// C(n, k) exactly (0 for k < 0 or k > n); fits 64 bits for every n ≤ 64.
std::uint64_t binomial(int n, int k);

struct Coverage {
    std::uint64_t covered = 0; // m-sets of the chosen numbers that some row meets in ≥ t
    std::uint64_t total = 0;   // C(v, m)
    // The first uncovered m-sets in lexicographic order of positions, at most the asked number.
    std::vector<RowMask> holes;
    bool holds() const { return covered == total; }
};

// The exact check of a guarantee over every m-subset of the v chosen numbers. Rows are masks over
// the v positions (bits at v and above are ignored: numbers outside the chosen ones never count for
// the worst case). Enumerates the m-sets depth by depth and keeps at each depth only the rows that
// can still reach t, so a prefix some row already meets in t numbers counts its whole subtree at
// once and the last number is settled with one OR of masks. Large checks use two threads unless
// `threads` is false.
Coverage checkGuarantee(const std::vector<RowMask>& rows, int v, Guarantee g, int maxHoles = 10, bool threads = true);

// One line of the guarantee table: the share of m-sets in which some row reaches t.
struct GuaranteeLine {
    int t = 0;
    Coverage coverage;
};
// For every t = 1..m: the coverage with its first holes.
std::vector<GuaranteeLine> guaranteeTable(const std::vector<RowMask>& rows, int v, int m, int maxHoles = 10);

// The Schönheim bound L(v,6,t) = ⌈v/6·⌈(v−1)/5·…⌈(v−t+1)/(7−t)⌉…⌉⌉ for "t if t".
std::uint64_t schoenheimBound(int v, int t);

// The best lower bound on the rows of a "t if m" system on v numbers the program knows with proof:
// the Schönheim bound for m = t; for m > t the count bound (all m-sets over the most one row
// covers); both raised to a value proven in the literature where there is one.
struct LowerBound {
    std::uint64_t rows = 0;
    bool fromLiterature = false; // the value is a published proof, not computed here
};
LowerBound lowerBound(int v, Guarantee g);

// The sizes of systems proven optimal in the literature (a size equal to them is optimal).
std::optional<std::uint64_t> provenOptimum(int v, Guarantee g);
// The best sizes known from the literature (not all proven optimal); nullopt where none is listed.
std::optional<std::uint64_t> bestKnown(int v, Guarantee g);

// Every six-number row of positions 0..v-1 (C(v,6) rows); empty when that exceeds kMaxRows.
std::vector<RowMask> fullSystem(int v);

// The positions of a mask, ascending.
std::vector<int> positions(RowMask mask);

} // namespace razoz::systems
