#pragma once
// The tip calculation ("Tipps &berechnen"): builds the number pool, then draws up to twelve rows at
// random from it, each kept only when it passes every test of CheckRow, within a run budget shared
// by all rows. Locked rows stay as they are and take part in the tests of the later rows.
//
// The window runs it on its long-action worker: it passes the shared calculation settings (which
// the pages keep up to date as the user edits), the grid's locked rows, its run control (stop
// button, status bar) and the shared random generator, shows what the observer reports, and
// afterwards selects the draw for the end date and checks the rows. razoz-cli and the analyses
// call the same function.
#include "base/interface_texts.h"
#include "base/run_control.h"
#include "generate/calculation_settings.h"
#include "generate/draw_history.h"
#include "generate/generation_observer.h"
#include "generate/number_list.h"
#include "generate/random_generator.h"
#include "generate/reference_draws.h"
#include "generate/row_rules.h"
#include "tipfiles/tip_file.h"

#include <array>
#include <optional>

namespace razoz {

// The box texts of every locked row (row label red); nullopt for a row the calculation computes.
using LockedRows = std::array<std::optional<TipRowTexts>, kTipRows>;

enum class GenerationEnd {
    Finished,            // every requested row was drawn (final status: interface text 26)
    Stopped,             // the user stopped it (text 26)
    BudgetSpent,         // the run budget was used up (text 25)
    PoolTooSmall,        // the pool holds fewer than six different numbers; nothing drawn (text 25)
    NumberListCancelled, // "Abbruch" in the number list: no row changed, no final status
    BadLockedRow,        // a locked row holds a box without a number 1..49: no row changed
    ArchiveMissing,      // no archive file: no row changed
    ArchiveFailure,      // the archive could not be read: the rows done so far stay
};

struct GenerationResult {
    GenerationEnd end = GenerationEnd::Finished;
    // False when the calculation ended before the first row: the grid stays as it was.
    bool rowsWritten = false;
    // The twelve rows as the boxes show them afterwards (0 = empty box); locked rows as read.
    SlipRows rows{};
    // The sum label of each row; nullopt for a locked row (its label stays).
    std::array<std::optional<int>, kTipRows> sums{};
    int runCounter = 0;     // RunCounter: runs used, all rows together
    int iterationLimit = 0; // IterationLimit: the run budget in candidates
    ReferenceDraws reference;
    QString status;           // final text of status panel 1 (empty when the number list was cancelled)
    QString message;          // why the calculation ended early, for a message to the user
    bool historyRead = false; // a history test looked at the archive (it empties the chart)
    // Candidates turned down, by the test that turned them down (index: RowTest).
    std::array<int, kRowTests> rejected{};
    int rejectedTotal() const;
};

// "4.180 Kandidaten abgelehnt: Summenbereich 2.100 · …" (the tests that turned some down, most
// first); empty when none was turned down.
QString rejectedText(const GenerationResult& result);

// Optional parts: the number list dialog, the observer, and a history copy kept across calls
// (the analyses replay many calculations over the same archive).
struct GenerationHooks {
    NumberList* numberList = nullptr;
    GenerationObserver* observer = nullptr;
    DrawHistory* history = nullptr;
    // A replayed calculation (the analyses): it ends at this day instead of the settings' end
    // date, moves only this day onto the draw it selects and never shows the number list.
    double* replayEnd = nullptr;
};

// The calculation. Every random value comes from `random`, exactly one draw per pick of a pool
// slot, so equal seeds, settings, archive and locked rows give equal rows. Every candidate takes a
// fresh copy of `settings`, so an edit counts from the next candidate on. The rules it loosens are
// loosened in its own copy only (the observer hears of them); the end date it moves onto the
// selected draw is moved in `settings`. The final status is also shown in panel 1 of `run`.
GenerationResult generateTips(CalculationSettingsSource& settings, const QString& archivePath, const LockedRows& locked,
                              RunControl& run, RandomGenerator& random, const InterfaceTexts& texts,
                              const GenerationHooks& hooks = {});

// The status line of one candidate: "3.Tipp:  4 9  17  22  30  41    QS: 123".
QString candidateStatus(int row, const RowValues& values, int sum, const InterfaceTexts& texts);

} // namespace razoz
