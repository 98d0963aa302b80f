#pragma once
// The repeat analysis ("War eine Ziehung schon einmal ein 5er oder 6er?"): for every draw from the
// chosen one on, its six numbers are compared with every earlier draw since the start date and
// with the next three draws; earlier draws sharing at least the threshold are reported one by one.
#include "analysis/analysis_run.h"
#include "archive/current_draw.h"
#include "base/chance.h"
#include "base/interface_texts.h"
#include "base/run_control.h"
#include "tipfiles/tip_file.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace razoz {

struct RepeatAnalysisTable {
    // Index: shared numbers 0..6.
    std::array<std::uint32_t, 7> history{}; // earlier draws of the range
    std::array<std::uint32_t, 7> next1{}, next2{}, next3{};
    friend bool operator==(const RepeatAnalysisTable&, const RepeatAnalysisTable&) = default;
};

struct RepeatMatch {
    double draw = 0;    // the analysed draw
    double earlier = 0; // the earlier draw sharing `hits` numbers with it
    int hits = 0;
    friend bool operator==(const RepeatMatch&, const RepeatMatch&) = default;
};

struct RepeatAnalysisOptions {
    double chosen = 0; // DateTimePicker1: the first analysed draw is the one selected for it
    double start = 0;  // DateTimePicker2: where the history of every later draw begins
    DrawDays days;     // the draw buttons' filter for the follow-up steps
    int threshold = 6;
};

struct RepeatAnalysisResult {
    AnalysisEnd end = AnalysisEnd::Finished;
    QString message;
    RepeatAnalysisTable table;
    std::vector<RepeatMatch> matches; // every reported match, the declined one included
    int passes = 0;
    // Where the run left the window: the current draw and its position (the draw after the last
    // analysed one, or the earlier draw of a declined match), and row 1 with the last analysed
    // draw's numbers.
    CurrentDraw current;
    int currentIndex = 0;
    bool hasCurrent = false;
    TipRowTexts row1;
};

// The player's answer to one match: true goes on.
using RepeatReply = std::function<bool(const RepeatMatch&)>;

// Reads the archive once. Status texts: panel 0 the stop date, panel 1 the analysed draw's date.
// An empty or unreadable archive ends it as Failed.
RepeatAnalysisResult runRepeatAnalysis(const QString& archivePath, const RepeatAnalysisOptions& options,
                                       RunControl& run, const RepeatReply& reply);

// Numbers shared by a row of six box texts and a draw, as the tip check counts them (at most 6).
int sharedNumbers(const TipRowTexts& row, const DrawRecord& draw);

// What chance alone gives: each count's total times the chance that two draws share h numbers.
std::array<Fraction, 7> expectedShares(const std::array<std::uint32_t, 7>& counts);
// The report lines of "Test.rtf": the counts, then the counts chance alone would give.
QStringList repeatReportLines(const RepeatAnalysisTable& table, const InterfaceTexts& texts);
// Text 6 and its blank, the date, two blanks, text 7.
QString repeatMatchText(const InterfaceTexts& texts, double date);

} // namespace razoz
