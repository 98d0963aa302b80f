#pragma once
// Draw results as CSV: one draw a line, "date;n1;n2;n3;n4;n5;n6;C;R".
#include "archive/draw_archive.h"
#include "archive/draw_record.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace razoz {

// A results file larger than this is refused unread (the whole archive since 1985 is about 150 KB).
inline constexpr qint64 kMaxResultsCsvBytes = 16 * 1024 * 1024;

// A line of a results file that cannot be taken: names the file and the line (counted from 1).
class CsvLineError : public ArchiveError {
public:
    CsvLineError(const QString& message, int line) : ArchiveError(message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// The draws of a results file, in file order. Dates dd.mm.yyyy, d/m/yyyy or yyyy-mm-dd; fields
// separated by ';', tab or ',' (double quotes around a field allowed); blank lines are skipped; an
// empty Reintegro reads 0, the archive's "none". A first line that names the columns (date, fecha
// or datum; n1..n6 or z1..z6, or one column "numbers" with all six; complementario, c, zz or
// bonus; reintegro, r or refund — any order and letter case) maps them, and columns it names
// otherwise are ignored; without such a line the order is date;n1..n6;C;R.
// Every draw must be one the archive may hold (draw_rules.h), and no date may appear twice.
// Throws CsvLineError for the first bad line; `source` names the file in the message.
std::vector<DrawRecord> parseResultsCsv(const QByteArray& bytes, const QString& source);
// Reads and parses a file; ArchiveError when it cannot be read or is too large.
std::vector<DrawRecord> readResultsCsv(const QString& path);

struct ImportReport {
    qint64 records = 0;            // in the archive afterwards
    qint64 added = 0;              // draws of dates the archive lacked
    qint64 replaced = 0;           // draws of dates the archive had; their records were replaced
    std::vector<double> differing; // of those, the dates whose draw was another than the archive's
};

// Merges draws into the archive in date order: a draw of a date the archive holds replaces every
// record of that date (keeping its Spiel 77 and Super 6 digits, which a results file lacks); every
// other record keeps its place. The archive need not exist. It is rewritten through its scratch file.
ImportReport mergeDraws(DrawArchive& archive, std::vector<DrawRecord> draws);
// Reads the whole file first: a bad line leaves the archive untouched.
ImportReport importResultsCsv(DrawArchive& archive, const QString& csvPath);

// Every whole record in file order, with a header line, dates as dd.mm.yyyy, ';' separated.
QByteArray exportResultsCsv(DrawArchive& archive);
QByteArray resultsCsvLine(const DrawRecord& r);

} // namespace razoz
