#pragma once
// The prize tiers of the game: what one row wins against one draw, the chance of each tier for a
// row played at random, and how often given rows would have won each tier over a range of the
// archive, beside the number chance alone would give.
#include "archive/draw_filter.h"
#include "base/chance.h"
#include "tipfiles/tip_file.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace razoz {

struct CurrentDraw;

// The tiers in order of rank. The hit classes (6 … 3) exclude each other; "6 + R" is 6 hits with
// the Reintegro and takes the place of both "6" and "R"; with any other class the Reintegro is won
// beside it.
enum class PrizeTier { SixPlusR, Six, FivePlusC, Five, Four, Three, Reintegro };
inline constexpr int kPrizeTiers = 7;
inline constexpr std::array<PrizeTier, kPrizeTiers> kAllPrizeTiers = {
    PrizeTier::SixPlusR, PrizeTier::Six,   PrizeTier::FivePlusC, PrizeTier::Five,
    PrizeTier::Four,     PrizeTier::Three, PrizeTier::Reintegro};
// The five hit classes, the tiers a row can reach by its numbers alone.
inline constexpr std::array<PrizeTier, 5> kHitClasses = {PrizeTier::Six, PrizeTier::FivePlusC, PrizeTier::Five,
                                                         PrizeTier::Four, PrizeTier::Three};

inline constexpr int tierIndex(PrizeTier t)
{
    return static_cast<int>(t);
}

// "6 + R", "6", "5 + C", "5", "4", "3", "R": the names razoz-cli prints.
QString tierName(PrizeTier tier);
// The German rank: "Sonderrang: 6 + R", "1. Rang: 6", "2. Rang: 5 + C" … "5. Rang: 3", "Reintegro".
QString tierRankText(PrizeTier tier);

// What one row wins in one draw.
struct RowPrize {
    std::optional<PrizeTier> hitTier; // 6 + R … 3; nothing below 3 hits
    bool reintegro = false;           // the Reintegro beside a class other than 6
    bool wins(PrizeTier tier) const { return tier == PrizeTier::Reintegro ? reintegro : hitTier == tier; }
    bool any() const { return hitTier || reintegro; }
    friend bool operator==(const RowPrize&, const RowPrize&) = default;
};

// The prize of `hits` hits; `sixthIsComplementary`: the one number of the row that is not among
// the six drawn is the complementary number (it counts only with 5 hits); `reintegroWon`: the
// ticket's digit is the draw's Reintegro.
RowPrize prizeOf(int hits, bool sixthIsComplementary, bool reintegroWon);
// "2. Rang: 5 + C", "4. Rang: 4 und Reintegro", "Reintegro"; empty when the row wins nothing.
QString prizeText(const RowPrize& prize);

// A row that can be played: six different numbers 1..49, ascending; nullopt for anything else.
std::optional<std::array<int, kTipColumns>> playableRow(const TipRowTexts& texts);
std::optional<std::array<int, kTipColumns>> playableRow(std::array<int, kTipColumns> numbers);
// The Reintegro is won when the ticket number's last digit (the seventh of its seven) is the
// draw's Reintegro, and only on draws that had one (kFirstReintegroDay).
bool reintegroWon(const QString& losnummer, double drawDate, int reintegro);
// The prize of a playable row (ascending or not) against the draw and the ticket number.
RowPrize rowPrize(const std::array<int, kTipColumns>& row, const CurrentDraw& draw, const QString& losnummer);

// Rows of the C(49, 6) = kPossibleRows that have exactly `hits` of the six drawn numbers, split by
// whether the complementary number is among their other numbers ("h + C": C(6,h)·C(42,5−h)) or not.
inline constexpr std::int64_t kPossibleRows = 13983816;
std::int64_t rowsWithHits(int hits, bool withComplementary);
// The rows of a hit class (6, 5 + C, 5, 4, 3) out of kPossibleRows.
std::int64_t hitClassRows(PrizeTier hitClass);
// The chance of the Reintegro for one row and one draw: 1 in 10, independent of the hits.
inline const Fraction kReintegroChance{1, 10};
// The chance that one row wins `tier` in one draw. `reintegroPossible`: the draw had a Reintegro
// and the ticket number has a digit for it; otherwise "6 + R" and "R" cannot be won and "6" is all
// of the six-hit class.
Fraction tierChance(PrizeTier tier, bool reintegroPossible);

// The draws a tier history looks at: both ends inclusive, the draw-day boxes as everywhere.
struct TierRange {
    double start = 0;
    double end = 0;
    DrawDays days;
    DrawFilter filter() const;
};

// One tier of one row over the range.
struct TierTally {
    std::vector<double> dates; // every draw it was won, in archive order
    Fraction expected;         // the sum over the draws of the tier's chance
    long double p = 1;         // chance alone reaching at least this count (exact binomial tail)
    int count() const { return int(dates.size()); }
    std::optional<double> first() const { return dates.empty() ? std::nullopt : std::optional(dates.front()); }
    std::optional<double> last() const { return dates.empty() ? std::nullopt : std::optional(dates.back()); }
};

// One tier summed over all rows. The rows share their draws, so the count is no binomial one; its
// p-value is the Poisson tail with the expected count as mean.
struct TierTotal {
    int count = 0;
    Fraction expected;
    long double p = 1;
};

struct RowTiers {
    int row = 0;                            // 0-based position in the grid or the tip file
    std::array<int, kTipColumns> numbers{}; // ascending
    std::array<TierTally, kPrizeTiers> tiers;
};

struct TierHistory {
    int draws = 0;                 // draws of the range on the chosen draw days
    std::vector<double> drawDates; // their dates, in archive order (what a row cost when)
    int reintegroDraws = 0;        // of them, those whose Reintegro the ticket number could win
    std::vector<RowTiers> rows;    // every playable row, in order; the others are left out
    std::array<TierTotal, kPrizeTiers> total;
};

// Plays every playable row in every draw of the range. ArchiveError when the archive cannot be read.
TierHistory tierHistory(const QString& archivePath, const TipRows& rows, const TierRange& range,
                        const QString& losnummer);

} // namespace razoz
