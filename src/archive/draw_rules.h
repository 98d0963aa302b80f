#pragma once
// What makes a record a possible draw of this game; every writer refuses what the health check flags.
#include "archive/draw_record.h"

#include <QString>

namespace razoz {

enum class RecordFault {
    None,
    Date,           // no whole day, or before 17.10.1985
    Number,         // one of the six outside 1..49
    Complementary,  // outside 1..49
    Reintegro,      // above 9
    Digit,          // a byte of the seven- or six-digit game numbers above 9
    RepeatedNumber, // a number twice among the six, or the complementary number among them
};

RecordFault recordFault(const DrawRecord& r);
// A German sentence for the user; empty for RecordFault::None.
QString faultText(RecordFault fault, const DrawRecord& r);

// A whole number of at most three digits, nothing else (no sign, no blanks); -1 otherwise. Every
// reader of draws from outside (results answers, CSV) reads its numbers with it.
int parseSmallNumber(QStringView text);

// Ascending exchange sort of the six numbers, as manual entry stores them.
void sortNumbers(DrawRecord& r);

} // namespace razoz
