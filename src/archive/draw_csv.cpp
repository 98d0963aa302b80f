#include "archive/draw_csv.h"

#include "archive/archive_rewrite.h"
#include "archive/dates.h"
#include "archive/draw_rules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <map>
#include <set>

namespace razoz {

namespace {

const char* const kFieldNames[9] = {"Datum", "Z1", "Z2", "Z3", "Z4", "Z5", "Z6", "C", "R"};

QDate parseCsvDate(const QString& text)
{
    for (const char* format : {"dd.MM.yyyy", "d.M.yyyy", "d/M/yyyy", "yyyy-MM-dd"}) {
        const QDate d = QDate::fromString(text, QLatin1String(format));
        if (d.isValid()) return d;
    }
    return {};
}

std::uint8_t toByte(int v)
{
    return std::uint8_t(std::min(v, 255));
}

} // namespace

std::vector<DrawRecord> parseResultsCsv(const QByteArray& bytes, const QString& source)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    std::vector<DrawRecord> draws;
    std::map<double, int> lineOfDate;
    bool headerAllowed = true;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        auto fail = [&](const QString& what) -> CsvLineError {
            return CsvLineError(QStringLiteral("%1, Zeile %2: %3").arg(source).arg(lineNo).arg(what), lineNo);
        };
        const QChar sep = line.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(',');
        QStringList fields = line.split(sep);
        for (QString& f : fields) f = f.trimmed();
        while (fields.size() > 9 && fields.back().isEmpty()) fields.removeLast();

        const QDate date = parseCsvDate(fields[0]);
        if (!date.isValid()) {
            const bool looksLikeHeader =
                std::any_of(fields[0].begin(), fields[0].end(), [](QChar c) { return c.isLetter(); });
            if (headerAllowed && looksLikeHeader) {
                headerAllowed = false;
                continue;
            }
            throw fail(QStringLiteral("„%1“ ist kein Datum (erwartet TT.MM.JJJJ, T/M/JJJJ oder JJJJ-MM-TT)")
                           .arg(fields[0].left(40)));
        }
        headerAllowed = false;
        if (fields.size() < 8 || fields.size() > 9)
            throw fail(QStringLiteral("%1 Felder statt 9 (Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R)").arg(fields.size()));

        DrawRecord r;
        r.date = toDays(date);
        for (int k = 1; k <= 7; ++k) {
            const int v = parseSmallNumber(fields[k]);
            if (v < 0)
                throw fail(QStringLiteral("%1 ist „%2“, keine ganze Zahl").arg(kFieldNames[k], fields[k].left(40)));
            if (k <= 6)
                r.numbers[std::size_t(k - 1)] = toByte(v);
            else
                r.complementary = toByte(v);
        }
        if (fields.size() == 9 && !fields[8].isEmpty()) {
            const int v = parseSmallNumber(fields[8]);
            if (v < 0) throw fail(QStringLiteral("R ist „%1“, keine ganze Zahl").arg(fields[8].left(40)));
            r.reintegro = toByte(v);
        }
        if (const RecordFault fault = recordFault(r); fault != RecordFault::None) throw fail(faultText(fault, r));
        const auto [it, fresh] = lineOfDate.emplace(r.date, lineNo);
        if (!fresh)
            throw fail(QStringLiteral("der %1 steht schon in Zeile %2").arg(formatDate(r.date)).arg(it->second));
        draws.push_back(r);
    }
    return draws;
}

std::vector<DrawRecord> readResultsCsv(const QString& path)
{
    QFile f(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!f.open(QIODevice::ReadOnly))
        throw ArchiveError(QStringLiteral("Die Datei kann nicht geöffnet werden: %1").arg(shown));
    if (f.size() > kMaxResultsCsvBytes)
        throw ArchiveError(QStringLiteral("Die Datei ist zu groß für eine Ergebnisliste (über %1 MB): %2")
                               .arg(kMaxResultsCsvBytes / (1024 * 1024))
                               .arg(shown));
    const QByteArray bytes = f.read(kMaxResultsCsvBytes + 1);
    if (f.error() != QFileDevice::NoError) throw ArchiveError(QStringLiteral("Lesefehler in der Datei: %1").arg(shown));
    return parseResultsCsv(bytes, QFileInfo(path).fileName());
}

ImportReport mergeDraws(DrawArchive& archive, std::vector<DrawRecord> draws)
{
    std::stable_sort(draws.begin(), draws.end(), [](const auto& a, const auto& b) { return a.date < b.date; });
    std::map<double, DrawRecord*> byDate;
    for (auto& d : draws) byDate.emplace(d.date, &d);

    std::vector<DrawRecord> kept;
    std::set<double> replacedDates;
    if (archive.exists()) {
        archive.forEach([&](const DrawRecord& r, qint64) {
            const auto it = byDate.find(r.date);
            if (it == byDate.end()) {
                kept.push_back(r);
                return;
            }
            // The first record of a date lends its hidden digits to the draw that replaces it.
            if (replacedDates.insert(r.date).second) {
                it->second->spiel77 = r.spiel77;
                it->second->super6 = r.super6;
            }
        });
    }

    // Each new draw goes before the first kept record of a later date, so every kept record keeps its
    // place, even in an archive that is out of date order.
    std::vector<DrawRecord> out;
    out.reserve(kept.size() + draws.size());
    std::size_t next = 0;
    for (const DrawRecord& r : kept) {
        while (next < draws.size() && draws[next].date < r.date) out.push_back(draws[next++]);
        out.push_back(r);
    }
    while (next < draws.size()) out.push_back(draws[next++]);

    ImportReport report;
    report.replaced = qint64(replacedDates.size());
    report.added = qint64(draws.size()) - report.replaced;
    report.records = qint64(out.size());
    if (!draws.empty()) {
        archive.close();
        replaceArchive(archive.path(), insertScratchName(archive.path()), out);
    }
    return report;
}

ImportReport importResultsCsv(DrawArchive& archive, const QString& csvPath)
{
    return mergeDraws(archive, readResultsCsv(csvPath));
}

QByteArray resultsCsvLine(const DrawRecord& r)
{
    QByteArray line = formatDate(r.date).toLatin1();
    for (auto n : r.numbers) line += ';' + QByteArray::number(n);
    line += ';' + QByteArray::number(r.complementary) + ';' + QByteArray::number(r.reintegro);
    return line;
}

QByteArray exportResultsCsv(DrawArchive& archive)
{
    QByteArray out = "Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\n";
    archive.forEach([&](const DrawRecord& r, qint64) { out += resultsCsvLine(r) + '\n'; });
    return out;
}

} // namespace razoz
