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

double nextDrawDay(double days)
{
    switch (weekdayOf(days)) {
    case Thursday: return days + 2;
    case Saturday: return days + 5;
    case Sunday: return days + 4;
    default: return days;
    }
}

} // namespace razoz
