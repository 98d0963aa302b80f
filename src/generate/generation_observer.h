#pragma once
// What the window shows of a running calculation besides its status texts: the charts of the pool
// statistics, the start of the drawing and every row as it is finished. Every call has a default
// that does nothing (razoz-cli, tests).
#include "stats/bar_chart.h"

#include <array>
#include <optional>

namespace razoz {

using RowValues = std::array<int, 6>; // 0 = empty box

// The rules a calculation loosens as its run budget runs out.
enum class LoosenedRule {
    ConsecutivePair,          // "every row holds two consecutive numbers" off (value 0)
    SharedWithLastDraw,       // the limit of numbers shared with the last draw
    SharedWithSecondLastDraw, // the same for the second-last draw
    PastDrawHits,             // the hits no draw since the start date may have given
};

class GenerationObserver {
public:
    virtual ~GenerationObserver() = default;
    // A statistic the pool is built from: the window charts it on the page "Diagramm".
    virtual void chartDrawn(const BarChart& chart) {}
    // The pool is complete and the rows are about to be drawn: the window empties every unlocked
    // row and shows the page "Lottotipp".
    virtual void drawingStarts() {}
    // Row `row` (0-based) is done: its six values as the boxes show them (0 = empty) and the sum
    // for its sum label; no sum for a locked row, whose label stays as it is.
    virtual void rowFinished(int row, const RowValues& values, std::optional<int> sum) {}
    // The end date moved onto the draw the calculation selected for it; it stays there.
    virtual void rangeEndMoved(double date) {}
    // A rule was loosened to `value` for the rest of the run: the window shows it in its control
    // (without taking it for the user's value) ...
    virtual void ruleLoosened(LoosenedRule rule, int value) {}
    // ... until the run ends, when the controls show the user's values again.
    virtual void loosenedRulesRestored() {}
};

} // namespace razoz
