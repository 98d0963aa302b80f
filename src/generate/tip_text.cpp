#include "generate/tip_text.h"

#include "archive/dates.h"
#include "base/text_files.h"

#include <QDir>

namespace razoz {

double tipTextDrawDate(double shownDraw, DrawDays days)
{
    if (!(days.saturday && days.thursday)) return shownDraw + 7;
    const double next = nextUpdateDay(shownDraw);
    if (next >= kFirstMondayDraw) return next;
    return shownDraw + (weekdayOf(shownDraw) == Thursday ? 2 : 5);
}

QStringList tipTextLines(const TipRows& rows, double drawDate, const QString& tipWord, const QLocale& locale)
{
    const QDate date = fromDays(drawDate);
    QStringList lines;
    lines << kProductName + QStringLiteral(" Tipp für ") + locale.dayName(date.dayOfWeek(), QLocale::LongFormat) +
                 QLatin1Char(' ') + date.toString(QStringLiteral("dd.MM.yy"));
    lines << QString(46, QLatin1Char('~'));
    lines << QString();
    for (int r = 0; r < kTipRows; ++r) {
        const TipRowTexts& row = rows[std::size_t(r)];
        if (row[0].isEmpty()) continue;
        QStringList numbers;
        for (const QString& box : row) {
            const std::optional<int> n = parseBoxNumber(box);
            if (!n) break;
            numbers << QStringLiteral("%1").arg(*n, 2);
        }
        if (numbers.size() != kTipColumns) continue;
        const QString prefix = r < 9 ? QStringLiteral(" %1. ").arg(r + 1) : QStringLiteral("%1. ").arg(r + 1);
        lines << prefix + tipWord + QStringLiteral(": ") + numbers.join(QStringLiteral("   "));
    }
    return lines;
}

QString writeTipText(const QString& programFolder, const QStringList& lines)
{
    const QString path = programFolder + kTipTextFileName;
    if (!writeUtf8Lines(path, lines))
        throw TipTextError(
            QStringLiteral("Die Datei kann nicht geschrieben werden: %1").arg(QDir::toNativeSeparators(path)));
    return path;
}

} // namespace razoz
