#pragma once
// The archive's health: what a reader would stumble over, and the real draw days it lacks.
#include "archive/draw_archive.h"
#include "base/interface_texts.h"

#include <QLocale>

#include <QString>

#include <vector>

namespace razoz {

// Whether a draw really took place on that day (the game's calendar since 17.10.1985: Thursdays,
// Saturdays in two periods, Mondays since 11.07.2022, with the known days without a draw).
bool isRealDrawDay(double date);

struct HealthProblem {
    enum class Kind { OutOfOrder, DuplicateDate, OutOfRange, RepeatedNumber, PartialRecord, MissingDrawDay };
    Kind kind;
    qint64 index = -1; // record position; -1 for a missing draw day
    double date = 0;
    QString detail; // out of range: the field; partial record: the byte count
};

struct HealthReport {
    qint64 records = 0;
    double lastDate = 0; // the latest valid draw date; 0 without one
    std::vector<HealthProblem> problems;
};

// "out-of-order", "duplicate-date", "out-of-range", "repeated-number", "partial-record", "missing-draw-day".
QString kindName(HealthProblem::Kind kind);

// Reads the whole archive once. ArchiveError when it cannot be read.
HealthReport checkArchiveHealth(DrawArchive& archive);

// The last day before `today` on which a draw took place; 0 when there is none.
double lastRealDrawDayBefore(double today);

// One line for the "Datenbank" page in the interface language (texts 64 to 70, day names of
// `locale`), e.g. "4185 Ziehungen; es fehlt: Sa 11.07.2026; letzte Ziehung am 07.09.2026 – bitte
// aktualisieren": the warning when the last draw is older than the last real draw day before today.
QString healthSummary(const HealthReport& report, const InterfaceTexts& texts, double today, const QLocale& locale);

} // namespace razoz
