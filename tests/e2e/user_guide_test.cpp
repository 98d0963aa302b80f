// The user guide "Razoz-Quorex.pdf": razoz-manual writes it, and the installed copy in data/ is
// the one it writes today (scripts/make-manual renews it).
#include "test_support.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

using ProcessRun = razoz::test::CliResult;

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

} // namespace

TEST(UserGuide, ManualToolWritesTheGuideAndTheInstalledCopyIsCurrent)
{
    razoz::test::ProgramDir dir;
    const QString fresh = dir.file("Razoz-Quorex.pdf");
    const ProcessRun r = manual({fresh});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(dir.readFile("Razoz-Quorex.pdf").startsWith("%PDF-"));

    const QString text = pdfText(fresh);
    for (const char* part :
         {"Razoz-Quorex 6 aus 49 – Kurzanleitung", "Erste Schritte", "Tipps berechnen", "Statistik",
          "Drucken und Abgeben", "Sprache", "Einstellungen", "Ohne Fenster", "prüft Ihre Tipps gegen jede Ziehung",
          "bis zu zwölf Tipps", "razoz-cli stats frequency --json"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    const ProcessRun info = run(QStringLiteral("pdfinfo"), {fresh});
    EXPECT_TRUE(info.out.contains(QStringLiteral("Razoz-Quorex – Kurzanleitung"))) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("A4"))) << info.out.toStdString();

    const QString installed = QStringLiteral(RAZOZ_SOURCE_DIR "/data/Razoz-Quorex.pdf");
    ASSERT_TRUE(QFile::exists(installed));
    EXPECT_EQ(pdfText(installed).toStdString(), text.toStdString()) << "the guide changed: run scripts/make-manual";
}

TEST(UserGuide, ManualToolReportsWhatItCannotWrite)
{
    razoz::test::ProgramDir dir;
    dir.writeFile("plain", "x");
    const ProcessRun r = manual({dir.file("plain/Razoz-Quorex.pdf")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(dir.file("plain/Razoz-Quorex.pdf"))) << r.err.toStdString();

    EXPECT_EQ(manual({}).exitCode, 2);
}
