#pragma once
// The tip text file "Tipp.txt" ("Tipp" button): the rows of the grid as a plain text for reading
// or printing, titled with the draw they are meant for.
#include "archive/draw_filter.h"
#include "tipfiles/tip_file.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace razoz {

inline const QString kTipTextFileName = QStringLiteral("Tipp.txt");
inline const QString kProductName = QStringLiteral("Razoz-Quorex");

struct TipTextError : std::runtime_error {
    explicit TipTextError(const QString& m) : std::runtime_error(m.toStdString()), text(m) {}
    QString text;
};

// The draw the rows are meant for: a week after the shown draw, or with both draw days on the
// next draw day — by the game's week once that lands on 11.07.2022 or later (a Saturday is
// followed by the Monday), before that Thursday + 2, any other day + 5.
double tipTextDrawDate(double shownDraw, DrawDays days);

// The lines of the file: the title with the product name and the draw ("DDDD dd.mm.yy", the
// weekday in `locale`), a rule of 46 tildes, an empty line, then one line per row that holds six
// numbers: " 1. Tipp:  3   11   13   15   34   35" (`tipWord` is interface text 24). A row with an
// empty first box is left out as always; so is a row with an empty or unreadable box further on,
// which would otherwise show as half a row.
QStringList tipTextLines(const TipRows& rows, double drawDate, const QString& tipWord,
                         const QLocale& locale = QLocale::system());

// Writes the lines to "Tipp.txt" in the program folder (UTF-8, through a scratch file) and
// returns its path; TipTextError naming the file when it cannot be written.
QString writeTipText(const QString& programFolder, const QStringList& lines);

} // namespace razoz
