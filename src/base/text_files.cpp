#include "base/text_files.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace razoz {

QByteArray codePageFor(const QString& languageCode)
{
    const QString c = languageCode.toLower();
    if (c == QLatin1String("cz") || c == QLatin1String("pl")) return "windows-1250";
    if (c == QLatin1String("ru")) return "windows-1251";
    if (c == QLatin1String("tr")) return "windows-1254";
    return "windows-1252";
}

QString decodeText(const QByteArray& bytes, const QString& languageCode)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder d(QStringDecoder::Utf16LE);
        return d(bytes.mid(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(QStringDecoder::Utf16BE);
        return d(bytes.mid(2));
    }
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(bytes);
        if (!utf8.hasError()) return text;
    }
    QStringDecoder codePage(codePageFor(languageCode).constData());
    if (codePage.isValid()) return codePage(bytes);
    return QString::fromLatin1(bytes);
}

QStringList splitLines(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = t.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

bool readTextLines(const QString& path, QStringList& lines, const QString& languageCode)
{
    lines.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    lines = splitLines(decodeText(f.readAll(), languageCode));
    return true;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path); // a file not committed is dropped, the original left as it was
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && error) *error = file.errorString();
    return written;
}

bool writeUtf8Lines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& l : lines) bytes += l.toUtf8() + '\n';
    return writeFileAtomically(path, bytes);
}

bool writeUtf16Lines(const QString& path, const QStringList& lines)
{
    QStringEncoder enc(QStringEncoder::Utf16LE);
    QByteArray bytes("\xFF\xFE", 2);
    for (const QString& l : lines) bytes += enc(l + QLatin1String("\r\n"));
    return writeFileAtomically(path, bytes);
}

} // namespace razoz
