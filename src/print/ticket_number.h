#pragma once
// The seven-digit ticket number of the paper slip: a new one, and whether it was ever drawn as a
// "Spiel 77" or "Super 6" number.
#include "archive/draw_archive.h"

#include <QString>

#include <array>
#include <functional>

namespace razoz {

using TicketDigits = std::array<int, 7>; // most significant first

// Digits 1 to 6 drawn in that order, each uniformly 0..9 from `random(10)`; digit 7 stays `fixedLast`.
TicketDigits newTicketNumber(int fixedLast, const std::function<int(int)>& random);

// The digits joined: "1234567".
QString ticketNumberText(const TicketDigits& digits);

struct TicketSearchResult {
    bool found = false;
    bool super6 = false; // digits 2 to 7 are that draw's "Super 6" number
    double date = 0;
    QString message;
};

// Reads the archive from the first record until one matches: its "Spiel 77" number equals the
// seven digits, or its "Super 6" number equals digits 2 to 7. ArchiveError when it cannot be read.
TicketSearchResult searchTicketNumber(DrawArchive& archive, const TicketDigits& digits);

} // namespace razoz
