#include "online/online_files.h"

#include "base/text_files.h"
#include "online/order_url.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringEncoder>

namespace razoz {

namespace {
bool printableAscii(char16_t c)
{
    return c >= 0x20 && c < 0x7F;
}
} // namespace

QString htmlAttributeEscaped(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / 4);
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        switch (c) {
        case u'&': out += QStringLiteral("&amp;"); break;
        case u'<': out += QStringLiteral("&lt;"); break;
        case u'>': out += QStringLiteral("&gt;"); break;
        case u'"': out += QStringLiteral("&quot;"); break;
        case u'\'': out += QStringLiteral("&#39;"); break;
        default:
            if (printableAscii(c))
                out += ch;
            else
                out += QStringLiteral("&#%1;").arg(int(c));
        }
    }
    return out;
}

QString javaScriptStringEscaped(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / 4);
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        switch (c) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\'': out += QStringLiteral("\\'"); break;
        case u'<':
        case u'>':
        case u'&': out += QStringLiteral("\\x") + QString::number(int(c), 16).toUpper(); break;
        default:
            if (printableAscii(c))
                out += ch;
            else
                out += QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
        }
    }
    return out;
}

QByteArray linkPageText(const QString& url, const QString& portalDomain)
{
    const QString quote = QStringLiteral("\"");
    const QStringList lines = {
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title>Razoz-Quorex Online-Abgabe über ") + htmlAttributeEscaped(portalDomain) +
            QStringLiteral("</Title>"),
        QStringLiteral("<script language=") + quote + QStringLiteral("JavaScript") + quote + QStringLiteral(">"),
        QStringLiteral("function aufruf() {"),
        QStringLiteral("window.location.href=") + quote + javaScriptStringEscaped(url) + quote + QStringLiteral(";}"),
        QStringLiteral("</script>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body onload=aufruf()>"),
        QStringLiteral("<a href=") + quote + htmlAttributeEscaped(url) + quote +
            QStringLiteral(">Tipp an Tipp24 übergeben. Sie können den Tipp anschließend kontrollieren und sich erst "
                           "dann anmelden.</a>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    QStringEncoder encoder("windows-1252");
    QByteArray out;
    for (const QString& line : lines) {
        out += QByteArray(encoder.encode(line));
        out += "\r\n";
    }
    return out;
}

void writeFileReplacing(const QString& path, const QByteArray& bytes)
{
    QString error;
    if (!writeFileAtomically(path, bytes, &error))
        throw OnlineError(
            QStringLiteral("%1 konnte nicht geschrieben werden: %2").arg(QDir::toNativeSeparators(path), error));
}

void ensureFolder(const QString& folder)
{
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        throw OnlineError(
            QStringLiteral("Der Ordner %1 konnte nicht angelegt werden.").arg(QDir::toNativeSeparators(folder)));
}

QString ensureTipsFolder(const QString& programFolder)
{
    const QString folder = QDir(programFolder).filePath(kTipsFolderName);
    ensureFolder(folder);
    return folder + QLatin1Char('/');
}

QString perDateTipFileName(const QDate& shownDraw, const QDate& today)
{
    return proposedTipFileName(shownDraw, today);
}

QByteArray formatPerDateTipFile(const TipRows& rows)
{
    QByteArray out;
    for (const TipRowTexts& row : rows) {
        if (row[0].trimmed().isEmpty()) continue;
        QStringList boxes;
        for (const QString& box : row) boxes << box;
        out += boxes.join(QLatin1Char(',')).toLatin1();
        out += "\r\n";
    }
    return out;
}

QString filledScriptPath(const QString& programFolder, const QDate& today)
{
    return QDir(programFolder)
        .filePath(kTipsFolderName + QLatin1Char('/') + today.toString(QStringLiteral("yyyyMMdd")) +
                  QStringLiteral(".zorb"));
}

QByteArray sandboxedMessagePage(const QByteArray& page)
{
    static const QRegularExpression refresh(QStringLiteral(R"(<meta\b[^>]*http-equiv\s*=\s*["']?\s*refresh[^>]*>)"),
                                            QRegularExpression::CaseInsensitiveOption);
    QString text = QString::fromLatin1(page); // byte for byte: the page keeps its own encoding
    text.remove(refresh);
    return QByteArrayLiteral("<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                             "style-src 'unsafe-inline'; img-src data:\">\r\n") +
           text.toLatin1();
}

} // namespace razoz
