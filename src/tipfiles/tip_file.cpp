#include "tipfiles/tip_file.h"

#include <QFile>
#include <QFileInfo>

namespace razoz {

namespace {

// A real tip line is about twenty characters; anything past this is junk and is not kept, so a
// huge file without line ends cannot exhaust memory.
constexpr qsizetype kMaxLineKept = 4096;
constexpr qint64 kMaxBytesRead = 1 << 20;

} // namespace

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
    // Twelve lines are all that is read; stop early instead of loading an arbitrarily large file,
    // and give up after a bound so that a device without line ends cannot keep the reader busy.
    QByteArray bytes;
    qint64 consumed = 0;
    for (int lines = 0; lines < kTipRows && consumed < kMaxBytesRead && !file.atEnd(); ++lines) {
        QByteArray line = file.readLine(kMaxLineKept);
        if (line.isEmpty()) break;
        consumed += line.size();
        if (!line.endsWith('\n')) {
            // An over-long line: skip the rest of it.
            char ch;
            while (consumed < kMaxBytesRead && file.getChar(&ch)) {
                ++consumed;
                if (ch == '\n') break;
            }
            line += '\n';
        }
        bytes += line;
    }
    if (file.error() != QFileDevice::NoError)
        throw TipFileError(
            QStringLiteral("Die Tippdatei kann nicht gelesen werden: %1 (%2)").arg(path, file.errorString()));
    return parseTipFile(bytes);
}

} // namespace razoz
