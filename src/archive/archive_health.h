#pragma once
// The archive's health: what a reader would stumble over, and the real draw days it lacks.
#include "archive/draw_archive.h"

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
    std::vector<HealthProblem> problems;
};

// "out-of-order", "duplicate-date", "out-of-range", "repeated-number", "partial-record", "missing-draw-day".
QString kindName(HealthProblem::Kind kind);

// Reads the whole archive once. ArchiveError when it cannot be read.
HealthReport checkArchiveHealth(DrawArchive& archive);

// One line for the "Datenbank" page, e.g. "4185 Ziehungen; es fehlt: Sa 11.07.2026".
QString healthSummary(const HealthReport& report);

} // namespace razoz
