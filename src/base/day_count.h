#pragma once
// Dates as the program keeps them everywhere (archive records, settings, filters): day counts as
// doubles since 30.12.1899, whole days for draws.
#include <QDate>

namespace razoz {

// The first archived draw, Thursday 17.10.1985: the earliest date anything in the program accepts.
inline constexpr double kEarliestDrawDay = 31337.0;
// The start of the evaluated range as the program ships: Saturday 02.04.2005.
inline constexpr double kDesignStartDay = 38444.0;

double toDays(const QDate& date); // 0 for an invalid date
QDate fromDays(double days);      // invalid for a count no calendar date has
double toDays(int year, int month, int day);
double today();

} // namespace razoz
