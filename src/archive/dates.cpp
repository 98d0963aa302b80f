#include "archive/dates.h"

namespace razoz {

int weekdayOf(double days)
{
    const QDate d = fromDays(days);
    return d.isValid() ? d.dayOfWeek() % 7 + 1 : 0;
}

QDate parseDate(const QString& text)
{
    return QDate::fromString(text.trimmed(), QStringLiteral("dd.MM.yyyy"));
}

QString formatDate(double days)
{
    return fromDays(days).toString(QStringLiteral("dd.MM.yyyy"));
}

double nextUpdateDay(double date)
{
    switch (weekdayOf(date)) {
    case Thursday: return date + 2;
    case Saturday: return date + 2 >= kFirstMondayDraw ? date + 2 : date + 5;
    case Sunday: return date + 1 >= kFirstMondayDraw ? date + 1 : date + 4;
    case Monday: return date + 3;
    case Tuesday: return date + 2;
    case Wednesday: return date + 1;
    case Friday: return date + 1;
    default: return date + 1; // no valid date: still advance
    }
}

} // namespace razoz
