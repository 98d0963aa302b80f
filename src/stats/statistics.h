#pragma once
// The statistics of the archived draws, each a bar chart for the "Diagramm" page.
// Every statistic reads the archive once from the start, counts the draws within its date range
// and draw days, and returns the chart as a value; nothing is cached between runs.
#include "archive/draw_filter.h"
#include "base/interface_texts.h"
#include "stats/bar_chart.h"

#include <QString>

#include <array>
#include <optional>
#include <span>

namespace razoz {

enum class Statistic {
    Frequency,        // how often each number 1..49 was drawn
    Overdue,          // how long each number has been waiting
    Sums,             // distribution of the sums ("QS") of the six numbers
    Reintegro,        // how often each Reintegro digit was drawn
    ReintegroOverdue, // how long each Reintegro digit has been waiting
    Pairs,            // runs of two consecutive numbers ("Paare")
    Triples,          // runs of three ("Dreier")
    Quads,            // runs of four ("Vierer")
    Primes,           // primes per draw
    Odd,              // odd numbers per draw
    Even,             // even numbers per draw
};

inline constexpr std::array kAllStatistics = {
    Statistic::Frequency,        Statistic::Overdue, Statistic::Sums,    Statistic::Reintegro,
    Statistic::ReintegroOverdue, Statistic::Pairs,   Statistic::Triples, Statistic::Quads,
    Statistic::Primes,           Statistic::Odd,     Statistic::Even,
};

// The word razoz-cli uses: "frequency", "overdue", "sums", "reintegro", "reintegro-overdue",
// "pairs", "triples", "quads", "primes", "odd", "even".
QString statisticName(Statistic s);
std::optional<Statistic> statisticFromName(const QString& name);

// What the window reads from its controls at the moment of use: the start date (DateTimePicker2),
// the end date (DateTimePicker1) and the draw-day boxes. Each statistic decides its own bounds.
struct StatsRange {
    double start = 0;
    double end = 0;
    DrawDays days;
};

// Reintegro digits exist since 20.06.1991; the Reintegro statistics never count earlier draws.
double reintegroFirstDay();

// The selection a statistic applies to the range: bounds, start date and draw-day rule.
DrawFilter filterFor(Statistic s, const StatsRange& range);

// Runs one statistic over the archive at `archivePath`. Throws ArchiveError when the archive
// cannot be read; only the three per-draw property charts treat a missing archive as empty.
BarChart runStatistic(Statistic s, const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);

BarChart numberFrequency(const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);
BarChart numberOverdue(const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);
BarChart sumDistribution(const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);
BarChart reintegroFrequency(const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);
BarChart reintegroOverdue(const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);
BarChart pairCounts(const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);
BarChart tripleCounts(const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);
BarChart quadCounts(const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);
BarChart primesPerDraw(const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);
BarChart oddPerDraw(const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);
BarChart evenPerDraw(const QString& archivePath, const StatsRange& range, const InterfaceTexts& texts);

// 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47.
bool isPrime(int n);
// How many of the six numbers are prime (0..6); tip generation uses it for its minimum-primes rule.
int primzahlen(std::span<const int> numbers);

// Nearest whole number, halves to the even neighbour (110.5 → 110, 111.5 → 112).
double roundHalfEven(double value);

} // namespace razoz
