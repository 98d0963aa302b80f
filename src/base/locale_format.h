#pragma once
// The program's fixed formats, the same on every system: dates "dd.mm.yyyy", times "hh:nn",
// decimal comma, thousands point, amounts as "10,50 €".
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

namespace razoz {

// Makes German number and date conventions the default of QLocale for the whole program.
void fixProgramLocale();

QString formatShortDate(const QDate& date);           // "02.04.2005"
QString formatShortTime(const QTime& time);           // "09:05"
QString formatNumber(double value, int decimals = 0); // 1234567.5, 2 → "1.234.567,50"
QString formatAmount(double value, int decimals = 2); // 10.5 → "10,50"
QString formatCurrency(double value);                 // 10.5 → "10,50 €"
// Reads "1.234,50", "10,5" or "10" (blanks around are allowed); nullopt for anything else.
std::optional<double> parseNumber(const QString& text);

} // namespace razoz
