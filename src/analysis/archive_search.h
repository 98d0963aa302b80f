#pragma once
// "Tipps in DB suchen": walks the archived draws of the chosen period and, for every draw in which
// a tip row reaches the threshold, reports the date and asks whether to go on.
#include "archive/current_draw.h"
#include "archive/draw_filter.h"
#include "base/chance.h"
#include "base/interface_texts.h"
#include "tipfiles/tip_file.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace razoz {

// A whole number as the threshold and seed boxes read it (blanks around it allowed); nullopt
// for anything else.
std::optional<qint64> readWholeNumber(const QString& text);
// The conversion error shown when a box answer is no whole number.
QString notWholeNumberText(const QString& text);

struct SearchOptions {
    double start = 0; // DateTimePicker2
    double end = 0;   // DateTimePicker1
    DrawDays days;    // Saturday box: Saturday and Sunday draws; Thursday box: Thursday draws
    int threshold = 6;
    QString losnummer;
};

// One reported row: the draw's date, the row (0-based) and its hits.
struct SearchReport {
    double date = 0;
    int row = 0;
    int hits = 0;
    friend bool operator==(const SearchReport&, const SearchReport&) = default;
};

// A hit label as the search leaves it.
struct SearchLabel {
    QString text;
    bool red = false; // 3 hits or more
    friend bool operator==(const SearchLabel&, const SearchLabel&) = default;
};

struct SearchResult {
    bool examined = false; // at least one draw was examined
    CurrentDraw lastDraw;  // the last examined draw: it becomes the current draw
    int lastIndex = 0;     // its position in the archive (the current position stays as it was)
    bool endedByUser = false;
    // The hit labels of the last examined draw; nullopt for a label the search never wrote.
    std::array<std::optional<SearchLabel>, kTipRows> labels;
    std::vector<SearchReport> reports;
    // The chance baseline of the reports: complete rows checked (one per row and examined draw)
    // and the reports random rows would have given in the same draws.
    int draws = 0;
    std::int64_t rowsChecked = 0;
    Fraction expected;
};

// The player's answer to one report, asked with the draw and the labels as far as the search has
// come: true searches on.
using SearchReply = std::function<bool(const SearchReport&, const SearchResult& sofar)>;

// Reads the archive in file order. Throws ArchiveError when it cannot be read (nothing is
// reported then).
SearchResult searchTips(const QString& archivePath, const TipRows& rows, const SearchOptions& options,
                        const SearchReply& reply);

// "Zufällige Tipps hätten 0,53 Treffer mit 5 Richtigen oder mehr ergeben (…); gefunden: 1".
QString searchChanceText(const SearchResult& result, int threshold);
// Text 6, the date, three blanks, text 7.
QString searchReportText(const InterfaceTexts& texts, double date);

// Text 6 ("… vom") ended by a blank, so the date that follows stands apart.
QString matchLeadIn(const InterfaceTexts& texts);

} // namespace razoz
