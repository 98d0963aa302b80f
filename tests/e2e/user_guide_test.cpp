// The user guide "Razoz-Quorex.pdf": razoz-manual renders docs/handbuch.md with its pictures, and
// the copies in data/ and beside the binaries are the ones it renders today (scripts/make-manual
// renews data/).
#include "test_support.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

using ProcessRun = razoz::test::CliResult;

const QString kGuide = QStringLiteral(RAZOZ_SOURCE_DIR "/docs/handbuch.md");

ProcessRun run(const QString& program, const QStringList& args)
{
    return razoz::test::runProgram(program, args);
}

ProcessRun manual(const QStringList& args)
{
    return run(QStringLiteral(RAZOZ_BIN_DIR "/razoz-manual"), args);
}

// The text of a PDF as poppler reads it (the fonts must be embedded for the umlauts to come out).
QString pdfText(const QString& path)
{
    const ProcessRun r = run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, "-"});
    EXPECT_EQ(r.exitCode, 0) << "pdftotext (poppler-utils, scripts/install-deps): " << r.err.toStdString();
    return r.out.simplified(); // lines as laid out on the page
}

QString guideText()
{
    QFile f(kGuide);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST(UserGuide, ManualToolWritesTheGuideAndTheInstalledCopyIsCurrent)
{
    razoz::test::ProgramDir dir;
    const QString fresh = dir.file("Razoz-Quorex.pdf");
    const ProcessRun r = manual({kGuide, fresh});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(dir.readFile("Razoz-Quorex.pdf").startsWith("%PDF-"));
    // The same guide gives the same bytes, whenever it is written.
    const QString again = dir.file("again.pdf");
    ASSERT_EQ(manual({kGuide, again}).exitCode, 0);
    EXPECT_EQ(dir.readFile("again.pdf"), dir.readFile("Razoz-Quorex.pdf"));

    const QString text = pdfText(fresh);
    for (const char* part : {"Razoz-Quorex 6 aus 49 – Handbuch", "Erste Schritte", "Die Seite „Lottotipp“",
                             "Die Seite „Berechnung“", "Schein Optimierung", "Mathematisch", "Die Seite „Diagramm“",
                             "Die Seite „Datenbank“", "Die Seite „Internet-Optionen“", "Schein drucken",
                             "Tipps online abgeben", "Sprachen", "Befehlszeile, razoz-cli und razoz-server",
                             "razoz-cli stats frequency --json", "Wo Daten und Einstellungen liegen"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    const ProcessRun info = run(QStringLiteral("pdfinfo"), {fresh});
    EXPECT_TRUE(info.out.contains(QStringLiteral("Razoz-Quorex – Handbuch"))) << info.out.toStdString();
    // Every page and dialog pictured in the guide made it into the PDF.
    const ProcessRun images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), fresh});
    const int pictures = guideText().count(QStringLiteral("]("));
    EXPECT_GE(pictures, 10);
    EXPECT_EQ(images.out.count(QStringLiteral(" image ")), pictures) << images.out.toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("A4"))) << info.out.toStdString();

    const QString installed = QStringLiteral(RAZOZ_SOURCE_DIR "/data/Razoz-Quorex.pdf");
    ASSERT_TRUE(QFile::exists(installed));
    EXPECT_EQ(pdfText(installed).toStdString(), text.toStdString()) << "the guide changed: run scripts/make-manual";
    EXPECT_EQ(pdfText(QStringLiteral(RAZOZ_BIN_DIR "/Razoz-Quorex.pdf")).toStdString(), text.toStdString())
        << "the build renders the guide beside the binaries";
}

TEST(UserGuide, ManualToolReportsWhatItCannotWrite)
{
    razoz::test::ProgramDir dir;
    dir.writeFile("plain", "x");
    const ProcessRun r = manual({kGuide, dir.file("plain/Razoz-Quorex.pdf")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(dir.file("plain/Razoz-Quorex.pdf"))) << r.err.toStdString();

    // A picture the guide names but nobody took: reported, and no half guide is left behind.
    dir.writeFile("guide.md", "# Titel\n\n![Bild](images/fehlt.png)\n");
    const ProcessRun missing = manual({dir.file("guide.md"), dir.file("out.pdf")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("images/fehlt.png"))) << missing.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.file("out.pdf")));

    EXPECT_EQ(manual({}).exitCode, 2);
}
