#include "tipfiles/tip_file.h"

#include "archive/dates.h"
#include "base/text_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace razoz {

namespace {

// A real tip line is about twenty characters; anything past this is junk and is not kept, so a
// huge file without line ends cannot exhaust memory.
constexpr qsizetype kMaxLineKept = 4096;
constexpr qint64 kMaxBytesRead = 1 << 20;

} // namespace

std::optional<int> parseBoxNumber(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return n;
}

std::optional<int> tipNumber(const QString& text)
{
    const auto n = parseBoxNumber(text);
    if (!n || *n < 1 || *n > 49) return std::nullopt;
    return n;
}

std::optional<std::array<int, kTipColumns>> rowNumbers(const TipRowTexts& row)
{
    std::array<int, kTipColumns> numbers{};
    for (int c = 0; c < kTipColumns; ++c) {
        const auto n = tipNumber(row[std::size_t(c)]);
        if (!n) return std::nullopt;
        numbers[std::size_t(c)] = *n;
    }
    return numbers;
}

QString normalizeBoxText(const QString& text)
{
    const auto n = tipNumber(text);
    return n ? QString::number(*n) : QString();
}

TipRows normalizeTipRows(const TipRows& rows)
{
    TipRows out;
    for (int r = 0; r < kTipRows; ++r)
        for (int c = 0; c < kTipColumns; ++c) out[r][c] = normalizeBoxText(rows[r][c]);
    return out;
}

TipRowTexts splitTipLine(const QString& line)
{
    TipRowTexts fields;
    QString rest = line;
    for (int c = 0; c < kTipColumns - 1; ++c) {
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        if (comma < 0) continue; // field stays empty, the rest waits for the sixth field
        fields[c] = rest.left(comma);
        rest.remove(0, comma + 1);
    }
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    fields[kTipColumns - 1] = colon < 0 ? rest : rest.left(colon);
    return fields;
}

TipRows parseTipFile(const QByteArray& bytes)
{
    TipRows rows;
    qsizetype pos = 0;
    for (int r = 0; r < kTipRows && pos < bytes.size(); ++r) {
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0) end = bytes.size();
        QByteArray line = bytes.mid(pos, std::min(end - pos, kMaxLineKept));
        if (line.endsWith('\r')) line.chop(1);
        // Digits and separators only: any single-byte code page reads them alike.
        rows[r] = splitTipLine(QString::fromLatin1(line));
        pos = end + 1;
    }
    return rows;
}

TipRows readTipFile(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw TipFileError(QStringLiteral("Die Tippdatei kann nicht geöffnet werden: %1").arg(path));
    // Twelve lines are all that is read; stop once they are in instead of loading an arbitrarily
    // large file, and give up after a bound so that a device without line ends cannot keep the
    // reader busy. The lines themselves are cut by the same rule as text that is already in memory.
    QByteArray bytes;
    qsizetype lineEnds = 0;
    while (bytes.size() < kMaxBytesRead && lineEnds < kTipRows) {
        const QByteArray chunk = file.read(std::min<qint64>(64 * 1024, kMaxBytesRead - bytes.size()));
        if (chunk.isEmpty()) break;
        lineEnds += chunk.count('\n');
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        throw TipFileError(
            QStringLiteral("Die Tippdatei kann nicht gelesen werden: %1 (%2)").arg(path, file.errorString()));
    return parseTipFile(bytes);
}

QByteArray formatTipFile(const TipRows& rows)
{
    QByteArray out;
    for (const TipRowTexts& row : rows) {
        for (int c = 0; c < kTipColumns; ++c) {
            if (c > 0) out += ',';
            out += row[c].toLatin1();
        }
        out += "\r\n";
    }
    return out;
}

void writeTipFile(const QString& path, const TipRows& rows)
{
    QString error;
    if (!writeFileAtomically(path, formatTipFile(rows), &error))
        throw TipFileError(QStringLiteral("Die Tippdatei kann nicht geschrieben werden: %1 (%2)").arg(path, error));
}

QDate proposedTipDate(const QDate& currentDraw, const QDate& today)
{
    const double shown = toDays(currentDraw);
    switch (currentDraw.dayOfWeek()) {
    case Qt::Thursday:
    case Qt::Saturday:
    case Qt::Sunday: return fromDays(nextUpdateDay(shown));
    case Qt::Monday: return shown >= kFirstMondayDraw ? fromDays(nextUpdateDay(shown)) : today;
    default: return today;
    }
}

QString proposedTipFileName(const QDate& currentDraw, const QDate& today)
{
    return proposedTipDate(currentDraw, today).toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') +
           kTipFileExtension;
}

TipRows Textladen(const QString& path)
{
    return normalizeTipRows(readTipFile(path));
}

QString SaveTipFile(Prompt& prompt, const TipRows& rows, const QDate& currentDraw, const QDate& today,
                    const QString& folder)
{
    const QString proposed = QDir(folder).filePath(proposedTipFileName(currentDraw, today));
    const QString path = prompt.saveFileName(QString(), kTipFileFilter, kTipFileExtension, proposed);
    if (path.isEmpty()) return {};
    try {
        writeTipFile(path, rows);
    } catch (const TipFileError& e) {
        prompt.error(QString::fromStdString(e.what()));
        return {};
    }
    return path;
}

std::optional<TipRows> LoadTipFile(Prompt& prompt, const QString& folder)
{
    const QString path = prompt.openFileName(QString(), kTipFileFilter, folder);
    if (path.isEmpty()) return std::nullopt;
    try {
        return Textladen(path);
    } catch (const TipFileError& e) {
        prompt.error(QString::fromStdString(e.what()));
        return std::nullopt;
    }
}

} // namespace razoz
