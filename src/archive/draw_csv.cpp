#include "archive/draw_csv.h"

#include "archive/archive_rewrite.h"
#include "archive/dates.h"
#include "archive/draw_rules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace razoz {

namespace {

const char* const kFieldNames[9] = {"Datum", "Z1", "Z2", "Z3", "Z4", "Z5", "Z6", "C", "R"};

QDate parseCsvDate(const QString& text)
{
    for (const char* format : {"dd.MM.yyyy", "d.M.yyyy", "d/M/yyyy", "yyyy-MM-dd", "yyyy/MM/dd"}) {
        const QDate d = QDate::fromString(text, QLatin1String(format));
        if (d.isValid()) return d;
    }
    return {};
}

std::uint8_t toByte(int v)
{
    return std::uint8_t(std::min(v, 255));
}

QChar separatorOf(const QString& line)
{
    if (line.contains(QLatin1Char(';'))) return QLatin1Char(';');
    if (line.contains(QLatin1Char('\t'))) return QLatin1Char('\t');
    return QLatin1Char(',');
}

// One line cut at the separator; a field in double quotes may hold the separator ("" is a quote).
QStringList splitFields(const QString& line, QChar sep)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == sep) {
            fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field.trimmed();
    return fields;
}

// Where each value stands in a line: by the header's names, else in the order date;n1..n6;C;R.
struct Columns {
    int date = 0;
    std::array<int, 6> numbers{1, 2, 3, 4, 5, 6};
    int allNumbers = -1; // one column with all six numbers
    int complementary = 7;
    int reintegro = 8;
    int named = 0;   // fields the header names; 0 without a header
    QChar separator; // the header's; without a header each line's own
    int needed() const
    {
        int n = std::max(date, complementary);
        for (int c : numbers) n = std::max(n, c);
        return std::max(n, allNumbers) + 1;
    }
};

// The column a header name stands for: 0 date, 1..6 a number, 7 all six numbers, 8 the
// complementary number, 9 the Reintegro; -1 for a column the archive has no place for.
int columnOfName(QString name)
{
    name = name.toLower().remove(QLatin1Char(' ')).remove(QLatin1Char('_')).remove(QLatin1Char('.'));
    static const QStringList dates{"date", "fecha", "datum"};
    static const QStringList all{"numbers", "zahlen", "combinacion", "combinación"};
    static const QStringList complementary{"complementario", "c", "zz", "bonus", "comp", "zusatzzahl"};
    static const QStringList reintegro{"reintegro", "r", "refund", "reint"};
    if (dates.contains(name)) return 0;
    if (all.contains(name)) return 7;
    if (complementary.contains(name)) return 8;
    if (reintegro.contains(name)) return 9;
    for (const char* prefix : {"n", "z", "num", "number", "zahl", "bola"}) {
        const QLatin1String p(prefix);
        if (name.size() == p.size() + 1 && name.startsWith(p) && name.back() >= QLatin1Char('1') &&
            name.back() <= QLatin1Char('6'))
            return name.back().unicode() - '0';
    }
    return -1;
}

// The columns a header line names; nullopt when it names no date, no six numbers or no
// complementary number (then it is skipped and the designed order holds).
std::optional<Columns> columnsOfHeader(const QString& line)
{
    Columns c;
    c.separator = separatorOf(line);
    const QStringList names = splitFields(line, c.separator);
    c.date = c.allNumbers = c.complementary = c.reintegro = -1;
    c.numbers.fill(-1);
    for (int i = 0; i < names.size(); ++i) {
        const int kind = columnOfName(names[i]);
        int* slot = kind == 0   ? &c.date
                    : kind == 7 ? &c.allNumbers
                    : kind == 8 ? &c.complementary
                    : kind == 9 ? &c.reintegro
                    : kind >= 1 ? &c.numbers[std::size_t(kind - 1)]
                                : nullptr;
        if (slot && *slot < 0) *slot = i;
    }
    const bool six = std::all_of(c.numbers.begin(), c.numbers.end(), [](int i) { return i >= 0; });
    if (c.date < 0 || c.complementary < 0 || !(six || c.allNumbers >= 0)) return std::nullopt;
    if (six) c.allNumbers = -1;
    c.named = int(names.size());
    return c;
}

bool looksLikeHeader(const QString& field)
{
    return std::any_of(field.begin(), field.end(), [](QChar c) { return c.isLetter(); });
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
    Columns columns;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        auto fail = [&](const QString& what) -> CsvLineError {
            return CsvLineError(QStringLiteral("%1, Zeile %2: %3").arg(source).arg(lineNo).arg(what), lineNo);
        };
        QStringList fields = splitFields(line, columns.named ? columns.separator : separatorOf(line));
        const int expected = columns.named ? columns.named : 9;
        while (fields.size() > expected && fields.back().isEmpty()) fields.removeLast();

        const QString dateText = columns.date < fields.size() ? fields[columns.date] : QString();
        const QDate date = parseCsvDate(dateText);
        if (!date.isValid()) {
            if (headerAllowed && looksLikeHeader(fields[0])) {
                headerAllowed = false;
                if (const auto named = columnsOfHeader(line)) columns = *named;
                continue;
            }
            throw fail(QStringLiteral("„%1“ ist kein Datum (erwartet TT.MM.JJJJ, T/M/JJJJ oder JJJJ-MM-TT)")
                           .arg(dateText.left(40)));
        }
        headerAllowed = false;
        if (columns.named) {
            if (fields.size() < columns.needed() || fields.size() > columns.named)
                throw fail(
                    QStringLiteral("%1 Felder statt %2 wie in der Kopfzeile").arg(fields.size()).arg(columns.named));
        } else if (fields.size() < 8 || fields.size() > 9) {
            throw fail(QStringLiteral("%1 Felder statt 9 (Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R)").arg(fields.size()));
        }

        DrawRecord r;
        r.date = toDays(date);
        auto number = [&](int column, const char* name) {
            const int v = parseSmallNumber(fields[column]);
            if (v < 0) throw fail(QStringLiteral("%1 ist „%2“, keine ganze Zahl").arg(name, fields[column].left(40)));
            return toByte(v);
        };
        if (columns.allNumbers >= 0) {
            const QStringList six =
                fields[columns.allNumbers].split(QRegularExpression(QStringLiteral("[^0-9]+")), Qt::SkipEmptyParts);
            if (six.size() != 6)
                throw fail(QStringLiteral("„%1“ sind nicht sechs Zahlen").arg(fields[columns.allNumbers].left(40)));
            for (int k = 0; k < 6; ++k) {
                const int v = parseSmallNumber(six[k]);
                if (v < 0) throw fail(QStringLiteral("„%1“ ist keine ganze Zahl").arg(six[k].left(40)));
                r.numbers[std::size_t(k)] = toByte(v);
            }
        } else {
            for (int k = 0; k < 6; ++k)
                r.numbers[std::size_t(k)] = number(columns.numbers[std::size_t(k)], kFieldNames[k + 1]);
        }
        r.complementary = number(columns.complementary, kFieldNames[7]);
        if (columns.reintegro >= 0 && columns.reintegro < fields.size() && !fields[columns.reintegro].isEmpty())
            r.reintegro = number(columns.reintegro, kFieldNames[8]);
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

namespace {
// Results lists give the numbers ascending, the archive may hold them in draw order.
bool differsFrom(const DrawRecord& archived, const DrawRecord& imported)
{
    DrawRecord a = archived, b = imported;
    sortNumbers(a);
    sortNumbers(b);
    return a.numbers != b.numbers || a.complementary != b.complementary || a.reintegro != b.reintegro;
}
} // namespace

ImportReport mergeDraws(DrawArchive& archive, std::vector<DrawRecord> draws)
{
    std::stable_sort(draws.begin(), draws.end(), [](const auto& a, const auto& b) { return a.date < b.date; });
    std::map<double, DrawRecord*> byDate;
    for (auto& d : draws) byDate.emplace(d.date, &d);

    std::vector<DrawRecord> kept;
    std::set<double> replacedDates, differingDates;
    if (archive.exists()) {
        archive.forEach([&](const DrawRecord& r, qint64) {
            const auto it = byDate.find(r.date);
            if (it == byDate.end()) {
                kept.push_back(r);
                return;
            }
            if (differsFrom(r, *it->second)) differingDates.insert(r.date);
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
    report.differing.assign(differingDates.begin(), differingDates.end());
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
