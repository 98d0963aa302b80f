#pragma once
// The selection rules every archive reader applies: date range and draw days.
#include "archive/draw_record.h"

namespace razoz {

enum class DayRule {
    Standard,  // both boxes: every weekday; Saturday box: Sat+Sun; Thursday box: Thu
    Reintegro, // Saturday box: Sat only; Thursday box: Thu only; never other days
    Search,    // Saturday box: Sat+Sun; Thursday box: Thu; never other days
};

struct DrawDays {
    bool saturday = true; // "Samstag Ziehungen"
    bool thursday = true; // "Donnerstag Ziehungen"
};

// At least one draw day stays selected: with both boxes cleared, both count.
inline DrawDays atLeastOneDrawDay(DrawDays days)
{
    return days.saturday || days.thursday ? days : DrawDays{true, true};
}

bool dayPasses(DayRule rule, DrawDays days, double date);
// The same for a weekday already known (Sunday 1 … Saturday 7), for readers that keep it.
bool weekdayPasses(DayRule rule, DrawDays days, int weekday);

// Stepping through the archive only skips what a cleared box deselects; other weekdays always show.
bool navigationAccepts(DrawDays days, double date);

struct DrawFilter {
    double start = 0;
    double end = 0;
    bool startInclusive = true; // "on or after" vs "strictly after"
    DrawDays days;
    DayRule rule = DayRule::Standard;

    bool inRange(double date) const { return (startInclusive ? date >= start : date > start) && date <= end; }
    bool accepts(const DrawRecord& r) const { return inRange(r.date) && dayPasses(rule, days, r.date); }
};

} // namespace razoz
