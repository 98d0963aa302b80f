#pragma once
// Building a system for chosen numbers and a guarantee: known constructions where they are exact,
// the search otherwise, and a cache of the best system per (v, t, m) so a second request is
// instant. Every system handed out has passed the exact check first.
#include "systems/system_check.h"
#include "systems/system_search.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <stdexcept>
#include <vector>

namespace razoz::systems {

struct SystemError : std::runtime_error {
    explicit SystemError(const QString& m) : std::runtime_error(m.toStdString()) {}
};

// "3if4" (also "3 if 4", "3/4") as a guarantee; nullopt when it is not of that form.
std::optional<Guarantee> parseGuarantee(const QString& text);

// The chosen numbers sorted; SystemError for fewer than six, a repeat or one outside 1..49.
std::vector<int> chosenNumbers(const std::vector<int>& numbers);

// Rows of positions as rows of the chosen numbers (ascending), and back: a row with a number that
// is not chosen has no bit for it.
std::vector<std::array<int, kRowSize>> numberRows(const std::vector<RowMask>& rows, const std::vector<int>& numbers);
RowMask rowMask(const std::vector<int>& row, const std::vector<int>& numbers);

// The Steiner system S(3,6,22) on positions 0..21: the octads of the extended binary Golay code
// through two fixed points, less those points (77 rows, every 3-set in exactly one).
std::vector<RowMask> steinerSystem22();

// The rows of a "t if m" system on v numbers and a "t if m'" one on w others side by side: with
// m + m' − 1 drawn among all, one part holds its share (the second part's positions follow v).
std::vector<RowMask> unionOf(const std::vector<RowMask>& first, int v, const std::vector<RowMask>& second);

struct BuildOptions {
    SearchOptions search;
    QString cacheFolder; // empty: no cache
};

struct BuiltSystem {
    std::vector<int> numbers; // the chosen numbers, ascending
    Guarantee guarantee;
    std::vector<RowMask> rows; // positions among `numbers`
    LowerBound bound;
    std::optional<std::uint64_t> bestKnown;
    bool optimal = false;      // the size meets a proven lower bound
    QString source;            // "cache", "construction", "search", "union", "full"
    bool cacheRefused = false; // a cached system failed the check and was replaced
    Coverage coverage;         // the check that proved it
};

// The smallest system the program finds. SystemError for a bad request or one beyond kMaxRows
// (naming the size of the full system).
BuiltSystem buildSystem(const std::vector<int>& numbers, Guarantee g, const BuildOptions& options);

// The cache file of (v, t, m) in a folder.
QString cacheFile(const QString& folder, int v, Guarantee g);

// Writes the rows into tip files of twelve rows each ("<base>-01.wtp", …) in `folder`; the paths.
// TipFileError when one cannot be written.
QStringList writeSystemTipFiles(const QString& folder, const QString& base,
                                const std::vector<std::array<int, kRowSize>>& rows);

} // namespace razoz::systems
