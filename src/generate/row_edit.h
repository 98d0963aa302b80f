#pragma once
// Editing one tip row in the number list dialog (TippEdit): the row's numbers are marked in the
// list, and the numbers checked when the list closes with OK go back into the row.
#include "tipfiles/tip_file.h"

#include <bitset>

namespace razoz {

// Bit k - 1 is number k.
using NumberMarks = std::bitset<49>;

// The row's numbers from its first box on; an empty box or one without a number 1..49 ends the
// marking (the boxes after it are not marked).
NumberMarks marksOfRow(const TipRowTexts& row);

// The checked numbers in ascending order into the row's boxes from the first on: with fewer than
// six the remaining boxes keep what they hold, with more only the six smallest are used.
TipRowTexts rowFromMarks(const TipRowTexts& row, const NumberMarks& checked);

} // namespace razoz
