#pragma once
// Dates as the archive stores them: day counts (double) since 30.12.1899.
#include "base/day_count.h"

#include <QDate>
#include <QString>

namespace razoz {

enum Weekday { Sunday = 1, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

// Sunday 1 … Saturday 7; 0 for a day count that is no valid date.
int weekdayOf(double days);
// Strictly "dd.mm.yyyy"; independent of the user's locale. Returns an invalid date on bad text.
QDate parseDate(const QString& text);
QString formatDate(double days); // "dd.mm.yyyy"
// Monday 11.07.2022, the first Monday draw: from this day on the game draws on Mondays,
// Thursdays and Saturdays.
inline constexpr double kFirstMondayDraw = 44753.0;
// Thursday 20.06.1991, the first draw with a Reintegro digit; the archive holds 0 for the draws
// before it, and no Reintegro was won on them.
inline constexpr double kFirstReintegroDay = 33409.0;

// The draw day after `date` by the game's week: Thursday → Saturday; Saturday and Sunday → the
// Monday once Mondays are drawn, else the Thursday; Monday to Wednesday → the Thursday; Friday →
// the Saturday. Always at least one day on, also for a count that is no valid date. The update,
// the rebuild and every "next draw" the program proposes step by this one rule.
double nextUpdateDay(double date);

} // namespace razoz
