#include "archive/dates.h"

#include <cmath>

namespace razoz {

namespace {
const QDate kEpoch(1899, 12, 30);
}

double toDays(const QDate& date)
{
    return date.isValid() ? double(kEpoch.daysTo(date)) : 0.0;
}

QDate fromDays(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6) return {};
    return kEpoch.addDays(qint64(std::floor(days)));
}

int weekdayOf(double days)
{
    const QDate d = fromDays(days);
    return d.isValid() ? d.dayOfWeek() % 7 + 1 : 0;
}

double today()
{
    return toDays(QDate::currentDate());
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
