#pragma once
// What the window shows of a running calculation besides its status texts: the charts of the pool
// statistics, the start of the drawing and every row as it is finished. Every call has a default
// that does nothing (razoz-cli, tests).
#include "stats/bar_chart.h"

#include <array>
#include <optional>

namespace razoz {

using RowValues = std::array<int, 6>; // 0 = empty box

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
};

} // namespace razoz
