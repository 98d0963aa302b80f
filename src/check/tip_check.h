#pragma once
// The tip check: the rule for a number box, matching one tip row against the current draw
// (Zettelcheck) and the full check of the twelve rows (Komplettcheck). Pure functions over texts,
// so the grid on the "Lottotipp" page, the statistics and razoz-cli share them.
#include "archive/current_draw.h"
#include "check/prize_tiers.h"
#include "tipfiles/tip_file.h"

#include <QString>

#include <array>
#include <optional>

namespace razoz {

inline constexpr int kMaxHits = 6;

// parseBoxNumber, normalizeBoxText and normalizeTipRows (the box rule) come with the tip files.

// One row matched against the draw.
struct RowMatch {
    // Per column: 0 no hit, 1 one of the six drawn numbers, 2 the complementary number.
    std::array<int, kTipColumns> states{};
    int hits = 0;               // row numbers among the six drawn (a number typed twice counts twice)
    bool complementary = false; // some number equals the complementary number
    bool reintegro = false;     // the 7th character of the ticket number is the Reintegro digit
    friend bool operator==(const RowMatch&, const RowMatch&) = default;
};

// The digit the ticket number plays for the Reintegro: its seventh character, when that is a digit.
std::optional<int> reintegroDigit(const QString& losnummer);
// True when `losnummer` has a seventh character that is the digit `reintegro`.
bool reintegroHit(const QString& losnummer, int reintegro);

// Matches six texts against the draw and the ticket number. A text that is no integer ends the
// match: an incomplete row yields no hits, no flags and no states. Any integers are compared, so
// callers may pad with "0".
RowMatch Zettelcheck(const TipRowTexts& texts, const CurrentDraw& draw, const QString& losnummer);

// Complete rows of the last full check by hits 0..6, without [0] and with [1] a complementary hit.
struct HitTally {
    std::array<std::array<int, 2>, kMaxHits + 1> counts{};
    std::array<int, 2>& operator[](int hits) { return counts[hits]; }
    const std::array<int, 2>& operator[](int hits) const { return counts[hits]; }
    void reset() { counts = {}; }
    void add(const RowMatch& m);
    friend bool operator==(const HitTally&, const HitTally&) = default;
};

// What the full check shows for one row.
struct RowCheck {
    bool complete = false;                  // all six boxes hold a number; nothing else is set otherwise
    std::array<int, kTipColumns> numbers{}; // the six numbers in ascending order (written back)
    int sum = 0;                            // the row's "QS"
    RowMatch match;
    RowPrize prize;           // the tier it wins; nothing for a row that repeats a number
    QString hitText;          // hits, then " + Z", then " + S"
    bool red = false;         // hit label in red: 3 hits or more
    bool soundWanted = false; // 3 hits or more start the hit sound

    TipRowTexts sortedTexts() const;
};

struct GridCheck {
    std::array<RowCheck, kTipRows> rows;
    HitTally tally;
    std::optional<RowMatch> lastMatch; // the match of the last complete row, if any
    bool soundWanted() const;
};

// The full check of the twelve rows against the draw (Komplettcheck without its controls).
GridCheck Komplettcheck(const TipRows& rows, const CurrentDraw& draw, const QString& losnummer);

} // namespace razoz
