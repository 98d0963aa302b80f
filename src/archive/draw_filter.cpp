#include "archive/draw_filter.h"

#include "archive/dates.h"

namespace razoz {

bool dayPasses(DayRule rule, DrawDays days, double date)
{
    return weekdayPasses(rule, days, weekdayOf(date));
}

bool weekdayPasses(DayRule rule, DrawDays days, int wd)
{
    switch (rule) {
    case DayRule::Standard:
        if (days.saturday && days.thursday) return true;
        return (days.saturday && (wd == Saturday || wd == Sunday)) || (days.thursday && wd == Thursday);
    case DayRule::Reintegro: return (days.saturday && wd == Saturday) || (days.thursday && wd == Thursday);
    case DayRule::Search:
        return (days.saturday && (wd == Saturday || wd == Sunday)) || (days.thursday && wd == Thursday);
    }
    return false;
}

bool navigationAccepts(DrawDays days, double date)
{
    const int wd = weekdayOf(date);
    if (!days.saturday && (wd == Saturday || wd == Sunday)) return false;
    if (!days.thursday && wd == Thursday) return false;
    return true;
}

} // namespace razoz
