#pragma once
// "Tippverteilung": how often each number 1..49 occurs in the tip rows, as a bar chart.
#include "base/interface_texts.h"
#include "stats/bar_chart.h"
#include "tipfiles/tip_file.h"

namespace razoz {

// Counts the boxes in row order (row 1 boxes 1 to 6, then row 2 …) up to the first box that holds
// no number. 49 bars, red for the primes and green for the others; the left axis is fixed to the
// smallest and largest count; the bottom axis is titled interface text 29.
BarChart tipDistribution(const TipRows& rows, const InterfaceTexts& texts);

} // namespace razoz
