#pragma once
// Dates as the archive stores them: day counts (double) since 30.12.1899.
#include "app/day_count.h"

#include <QDate>
#include <QString>

namespace razoz {

enum Weekday { Sunday = 1, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

// Sunday 1 … Saturday 7; 0 for a day count that is no valid date.
int weekdayOf(double days);
// Strictly "dd.mm.yyyy"; independent of the user's locale. Returns an invalid date on bad text.
QDate parseDate(const QString& text);
QString formatDate(double days); // "dd.mm.yyyy"
// The next draw day: Thursday +2, Saturday +5, Sunday +4; any other weekday stays.
double nextDrawDay(double days);

} // namespace razoz
