#include "analysis/analysis_reports.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace razoz {

QByteArray plainTextReport(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines) out += line.toUtf8() + "\r\n";
    return out;
}

QByteArray rtfReport(const QStringList& lines)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
                     "\\viewkind4\\pard\\f0\\fs20 ";
    for (const QString& line : lines) {
        for (const QChar ch : line) {
            const char16_t u = ch.unicode();
            if (u == u'\\' || u == u'{' || u == u'}') {
                out += '\\';
                out += char(u);
            } else if (u == u'\t') {
                out += "\\tab ";
            } else if (u >= 0x20 && u < 0x80) {
                out += char(u);
            } else if (u >= 0x80) {
                // \uN takes a signed 16-bit number; the '?' stands in for readers without Unicode.
                out += "\\u" + QByteArray::number(qint16(u)) + "?";
            }
        }
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

namespace {

bool writeInto(const QString& path, const QByteArray& bytes, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                    .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

} // namespace

ReportFile writeReport(const QString& name, const QByteArray& bytes, const QString& folder,
                       const QString& fallbackFolder)
{
    ReportFile r;
    r.path = QDir(folder).filePath(name);
    if (writeInto(r.path, bytes, r.error)) {
        r.written = true;
        return r;
    }
    if (fallbackFolder.isEmpty() ||
        QFileInfo(fallbackFolder).absoluteFilePath() == QFileInfo(folder).absoluteFilePath())
        return r;
    const QString fallback = QDir(fallbackFolder).filePath(name);
    QString error;
    if (!writeInto(fallback, bytes, error)) {
        r.error += QLatin1Char('\n') + error;
        return r;
    }
    r.written = true;
    r.fellBack = true;
    r.path = fallback;
    r.error.clear();
    return r;
}

} // namespace razoz
