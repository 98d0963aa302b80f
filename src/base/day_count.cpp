#include "base/day_count.h"

#include <cmath>

namespace razoz {

namespace {
const QDate kEpoch(1899, 12, 30);
}

double toDays(const QDate& date)
{
    return date.isValid() ? static_cast<double>(kEpoch.daysTo(date)) : 0.0;
}

double toDays(int year, int month, int day)
{
    return toDays(QDate(year, month, day));
}

QDate fromDays(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6) return {};
    return kEpoch.addDays(static_cast<qint64>(std::floor(days)));
}

double today()
{
    return toDays(QDate::currentDate());
}

} // namespace razoz
