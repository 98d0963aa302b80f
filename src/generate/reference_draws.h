#pragma once
// The last three draws up to the end date, captured when a calculation starts: the pool leaves out
// or adds their numbers, and the row tests limit how many of them a row may share.
#include "archive/draw_filter.h"

#include <QString>

#include <array>
#include <optional>

namespace razoz {

// The six numbers, the complementary number and the Reintegro digit, in this order.
using DrawValues = std::array<int, 8>;

struct ReferenceDraws {
    DrawValues last{}, secondLast{}, thirdLast{};
    double lastDate = 0; // the date of `last`; 0 when the archive holds no draw
    friend bool operator==(const ReferenceDraws&, const ReferenceDraws&) = default;
};

// The draw the draw selection makes current for `endDate` (the first on or after it, else the
// latest), then the two draws one step back each under the draw-day boxes. An empty archive gives
// three draws of zeros; nullopt when there is no archive file. Throws ArchiveError when it cannot be
// read.
std::optional<ReferenceDraws> captureReferenceDraws(const QString& archivePath, double endDate, DrawDays days);

} // namespace razoz
