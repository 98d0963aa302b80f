#pragma once
// The parameter analysis ("Historische Analyse der Parameter"): from the chosen date on, tips are
// computed with the current settings as they would have been before each draw, then checked
// against it; the table counts the rows by hits, Saturday (and Sunday) draws apart from the others.
#include "analysis/analysis_run.h"
#include "archive/current_draw.h"
#include "base/chance.h"
#include "base/interface_texts.h"
#include "base/run_control.h"
#include "check/row_chance.h"
#include "check/tip_check.h"
#include "generate/calculation_settings.h"
#include "generate/random_generator.h"
#include "generate/tip_generator.h"

#include <array>
#include <cstdint>
#include <vector>

namespace razoz {

// What random rows would have scored in the same draws: for every cell of the table the count
// expected by chance (the rows checked in each draw times the chance of the cell), and for the
// rows with 3 hits or more the observed count against the mean and variance of that count (the
// rows of one draw share numbers, so their pairwise covariances enter the variance).
struct ParameterChance {
    std::array<std::array<Fraction, 4>, 7> expected{}; // [hits 0..6][column], as the table
    std::int64_t rowsChecked = 0;                      // over all evaluated draws
    int scored = 0;                                    // rows with 3 hits or more, observed
    CountMoments scoredMoments;
    // How often random rows score at least as often: the normal approximation of the count.
    long double scoredP() const { return normalCountUpperTail(scoredMoments, scored); }
    friend bool operator==(const ParameterChance& a, const ParameterChance& b)
    {
        return a.expected == b.expected && a.rowsChecked == b.rowsChecked && a.scored == b.scored;
    }
};

struct ParameterAnalysisTable {
    enum Column { WeekendPlain, WeekendComplementary, OtherPlain, OtherComplementary };
    // [hits 0..6][column]
    std::array<std::array<std::uint32_t, 4>, 7> counts{};
    int draws = 0; // evaluated draws
    ParameterChance chance;
    // Adds one evaluated draw: its check of `rows` and whether it counts in the weekend columns.
    void add(const TipRows& rows, const GridCheck& check, bool weekend);
    friend bool operator==(const ParameterAnalysisTable&, const ParameterAnalysisTable&) = default;
};

struct ParameterAnalysisOptions {
    double from = 0;             // DateTimePicker1 when the analysis starts
    std::uint32_t seed = 0;      // set before every calculation
    bool onlyAfterThree = false; // CheckBox31: keep the rows until some row has scored 3
    LockedRows locked;           // rows whose label is red
    QString losnummer;
};

// One pass of the replay: the end date its tips knew, the draw they were checked against.
struct ParameterPass {
    double known = 0;      // the end date of the calculation (the draw before)
    double checked = 0;    // the draw the rows were checked against
    bool computed = false; // tips were computed for it (else the rows were kept)
    int scored = 0;        // rows with 3 hits or more
};

struct ParameterAnalysisResult {
    AnalysisEnd end = AnalysisEnd::Finished;
    QString message;
    ParameterAnalysisTable table;
    int calculations = 0;
    std::vector<ParameterPass> passes;
    // Where the last pass left the window: the rows, the draw they were checked against (and its
    // position, the date the draw picker shows), and that check.
    TipRows rows;
    bool hasDraw = false;
    CurrentDraw draw;
    int drawIndex = 0;
    GridCheck check;
};

// Runs the replay. `settings` are read live by every calculation; the end date each calculation
// sees is the replay's own, and the number list is never shown. Status: panel 0 the date of the
// draw being replayed, panel 1 what the calculation shows. Stops at the next candidate when `run`
// asks. An empty archive, a missing one or any failed calculation ends it as Failed.
ParameterAnalysisResult runParameterAnalysis(CalculationSettingsSource& settings, const QString& archivePath,
                                             const ParameterAnalysisOptions& options, RunControl& run,
                                             RandomGenerator& random, const InterfaceTexts& texts);

// The lines of "Test.txt": the table, the draw count and, once draws were evaluated, what chance
// alone gives for each line and for the rows with 3 hits or more.
QStringList parameterReportLines(const ParameterAnalysisTable& table, const InterfaceTexts& texts);

// The days the replay moves on between two calculations: 6 with one draw-day box checked; with
// both 1, so that the selection lands on the first draw dated after the current one and every
// draw of the game's week (Monday, Thursday, Saturday) is evaluated in turn.
int replayStep(bool saturday, bool thursday);

} // namespace razoz
