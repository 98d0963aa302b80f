#include "base/locale_format.h"

#include <QLocale>

namespace razoz {

namespace {
QLocale programLocale()
{
    QLocale l(QLocale::German, QLocale::Germany);
    l.setNumberOptions(QLocale::DefaultNumberOptions);
    return l;
}
} // namespace

void fixProgramLocale()
{
    QLocale::setDefault(programLocale());
}

QString formatShortDate(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString formatShortTime(const QTime& time)
{
    return time.toString(QStringLiteral("hh:mm"));
}

QString formatNumber(double value, int decimals)
{
    return programLocale().toString(value, 'f', decimals);
}

QString formatAmount(double value, int decimals)
{
    QLocale l = programLocale();
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'f', decimals);
}

QString formatCurrency(double value)
{
    return formatAmount(value, 2) + QStringLiteral(" €");
}

std::optional<double> parseNumber(const QString& text)
{
    bool ok = false;
    const double d = programLocale().toDouble(text.trimmed(), &ok);
    if (ok) return d;
    return std::nullopt;
}

} // namespace razoz
