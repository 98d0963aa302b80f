#pragma once
// The settings the tip calculation and the analyses read, as one plain value, and the one place
// the window and the calculation share it. The pages change the shared value as the user edits;
// the calculation takes a copy of it for every candidate, so a change counts from the next
// candidate on and a candidate never sees half of an edit.
//
// Positions are those of the spin controls, within their ranges; dates are day counts (days
// since 30.12.1899). The values start empty: the program's settings fill them.
#include <mutex>
#include <utility>

namespace razoz {

struct CalculationSettings {
    // Page "Statistisch": which numbers the pool prefers.
    bool preferFrequentPairs = false;      // numbers of frequent consecutive pairs
    bool preferRarestPairs = false;        // numbers of the rarest consecutive pairs
    bool preferFrequentTriples = false;    // numbers of frequent consecutive triples
    bool preferRarestTriples = false;      // numbers of the rarest consecutive triples
    bool preferFrequentQuads = false;      // numbers of frequent consecutive quads
    bool preferRarestQuads = false;        // numbers of the rarest consecutive quads
    bool preferMostDrawn = false;          // the most often drawn numbers
    int mostDrawnSharePercent = 0;         // their share in percent (5..75)
    bool preferLeastDrawn = false;         // the least often drawn numbers
    int leastDrawnSharePercent = 0;        // their share in percent (5..75)
    bool preferOverdue = false;            // the longest overdue numbers
    int overdueSharePercent = 0;           // their share in percent (5..75)
    bool preferLastDrawNeighbours = false; // the neighbours of the last draw's values
    bool avoidOneToTwelve = false;         // never use 1..12
    bool lessWeightUpToThirtyOne = false;  // one entry less for each of 1..31
    // Page "Allgemein".
    int runBudgetThousands = 0;       // run budget in thousands of candidates (1..30000)
    bool showNumberListFirst = false; // show the number list before drawing
    bool drawOnlyPreferred = false;   // draw only from the preferred numbers (no base block)
    // Page "Lottotipp".
    int rowsToCompute = 0;           // number of rows to compute (1..12)
    bool countSaturdayDraws = false; // Saturday (and Sunday) draws count
    bool countThursdayDraws = false; // Thursday draws count
    // The evaluated range (day counts).
    double rangeStart = 0; // start of the statistics and of avoidPastDrawHits
    double rangeEnd = 0;   // the last draw taken into account
    // Page "Mathematisch": rules every single row meets.
    int lowestSum = 0;                    // lowest allowed sum (21..279)
    int highestSum = 0;                   // highest allowed sum (21..279)
    bool demandMinPrimes = false;         // demand a minimum number of primes
    int minPrimes = 0;                    // that minimum (0..6)
    bool demandMinEven = false;           // demand a minimum number of even numbers
    int minEven = 0;                      // that minimum (0..6)
    bool demandMinOdd = false;            // demand a minimum number of odd numbers
    int minOdd = 0;                       // that minimum (0..6)
    bool demandConsecutivePair = false;   // every row holds two consecutive numbers
    bool forbidConsecutiveTriple = false; // no row holds three consecutive numbers
    // Page "Schein Optimierung": rows of one slip against each other and against past draws.
    bool demandMinOverlap = false;              // some earlier row shares at least minOverlap numbers
    int minOverlap = 0;                         // that overlap (0..5)
    bool demandMaxOverlap = false;              // some earlier row shares at most maxOverlap numbers
    int maxOverlap = 0;                         // that overlap (0..5)
    bool overlapBoundsForEveryRow = false;      // both overlap bounds hold for every earlier row
    bool limitSharedWithLastDraw = false;       // limit the numbers shared with the last draw
    int sharedWithLastDrawLimit = 0;            // that limit (0..5; 0 removes them from the pool)
    bool limitSharedWithSecondLastDraw = false; // the same for the second-last draw
    int sharedWithSecondLastDrawLimit = 0;      // that limit (0..5)
    bool limitSharedWithThirdLastDraw = false;  // the same for the third-last draw
    int sharedWithThirdLastDrawLimit = 0;       // that limit (0..5)
    bool complementaryCountsAsHit = false;      // the complementary number counts as a hit
    bool avoidPastDrawHits = false;             // no draw since rangeStart gave pastDrawHits hits
    int pastDrawHits = 0;                       // those hits (4..6)
    bool limitFirstWindowHits = false;          // fewer than firstWindowHits hits in the last firstWindowDraws draws
    int firstWindowHits = 0;                    // hits of the first window (2..6)
    int firstWindowDraws = 0;                   // draws of the first window (4..500)
    bool limitSecondWindowHits = false;         // the same with a second window
    int secondWindowHits = 0;                   // hits of the second window (2..6)
    int secondWindowDraws = 0;                  // draws of the second window (4..500)

    friend bool operator==(const CalculationSettings&, const CalculationSettings&) = default;
};

// The run budget in candidates, all rows together.
inline int iterationLimit(const CalculationSettings& s)
{
    return 1000 * s.runBudgetThousands;
}

// Shared between the window's thread, which edits, and the calculation, which reads.
class CalculationSettingsSource {
public:
    explicit CalculationSettingsSource(CalculationSettings initial = {}) : value_(std::move(initial)) {}

    CalculationSettings snapshot() const
    {
        std::lock_guard lock(mutex_);
        return value_;
    }
    // Applies `change` to the shared value as one step.
    template <typename Change> void edit(Change&& change)
    {
        std::lock_guard lock(mutex_);
        change(value_);
    }

private:
    mutable std::mutex mutex_;
    CalculationSettings value_;
};

} // namespace razoz
