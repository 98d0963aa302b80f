// razoz-manual GUIDE.md FILE.pdf: turns the user guide (German Markdown, docs/handbuch.md, with its
// pictures beside it) into "Razoz-Quorex.pdf" (A4). The build renders it beside the binaries;
// scripts/make-manual renews the copy in data/.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QHashSeed>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

#include <cstdio>

namespace {

// Pictures are named relative to the guide's folder; each is loaded from there and scaled to the
// page like the main window to the text width. A missing picture is an error.
bool fitImages(QTextDocument& doc, const QDir& folder, qreal textWidth, QString& error)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QImage picture(folder.filePath(image.name()));
            if (picture.isNull()) {
                error = folder.filePath(image.name()) + QStringLiteral(": picture missing");
                return false;
            }
            doc.addResource(QTextDocument::ImageResource, QUrl(image.name()), picture);
            // A picture of the whole main window (900 pixels) fills the text width.
            const qreal width = std::min<qreal>(textWidth, picture.width() * textWidth / 900.0);
            image.setWidth(width);
            image.setHeight(width * picture.height() / picture.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
    return true;
}

// Through a scratch file: an existing guide is replaced only by a complete one.
bool writeGuide(const QString& source, const QString& path, QString& error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        error = source + QStringLiteral(": ") + in.errorString();
        return false;
    }
    const QString markdown = QString::fromUtf8(in.readAll());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(QStringLiteral("Razoz-Quorex – Handbuch"));
        pdf.setCreator(QStringLiteral("Tallwick"));
        pdf.setResolution(300);
        pdf.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
        QTextDocument doc;
        doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        doc.setMarkdown(markdown);
        // print() lays the document out at 96 units per inch over the paint rect.
        const QSizeF page = pdf.pageLayout().paintRect(QPageLayout::Inch).size() * 96.0;
        if (!fitImages(doc, QFileInfo(source).absoluteDir(), page.width() * 0.95, error)) return false;
        doc.print(&pdf);
    }
    // The same guide gives the same file: a fixed creation date of the same length, so the
    // offsets of the cross-reference table stay right.
    QByteArray bytes = buffer.data();
    static const QRegularExpression stamp(QStringLiteral(R"(/CreationDate \(D:\d{14}Z\))"));
    const QString text = QString::fromLatin1(bytes);
    const QRegularExpressionMatch m = stamp.match(text);
    if (m.hasMatch()) bytes.replace(m.capturedStart(), m.capturedLength(), "/CreationDate (D:20260101000000Z)");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Text layout needs the font database of a GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The order of the file's objects must not depend on a random hash seed.
    QHashSeed::setDeterministicGlobalSeed();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: razoz-manual GUIDE.md FILE.pdf\n");
        return 2;
    }
    QString error;
    if (!writeGuide(args[1], args[2], error)) {
        std::fprintf(stderr, "razoz-manual: %s: %s\n", qPrintable(args[2]), qPrintable(error));
        return 1;
    }
    return 0;
}
