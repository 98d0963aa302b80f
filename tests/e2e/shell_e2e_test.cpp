// The installed language files against the real windows, and the settings file of razoz-cli.
#include "test_support.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;
using test::runCli;

TEST(ShellE2e, InstalledBaseFileMatchesTheWindowsByteForByte)
{
    test::ProgramDir dir;
    QProcess razoz;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    razoz.setProcessEnvironment(env);
    razoz.start(QStringLiteral(RAZOZ_BIN_DIR "/razoz"), {"--export-base", dir.file("bezeich.txt")});
    ASSERT_TRUE(razoz.waitForFinished(60000));
    ASSERT_EQ(razoz.exitCode(), 0) << razoz.readAllStandardError().toStdString();
    QFile installed(QStringLiteral(RAZOZ_SOURCE_DIR "/data/land/bezeich.txt"));
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(dir.readFile("bezeich.txt") == installed.readAll())
        << "the windows changed: run scripts/sync-language-files";
}

TEST(ShellE2e, CliReadsTheSettingsFileAndChecksTheLanguage)
{
    test::ProgramDir dir;
    dir.writeArchive({draw({1985, 10, 17}, {1, 2, 3, 4, 5, 6}, 7), draw({1985, 10, 19}, {2, 3, 4, 5, 6, 7}, 8),
                      draw({1985, 10, 24}, {3, 4, 5, 6, 7, 8}, 9), draw({1985, 10, 26}, {4, 5, 6, 7, 8, 9}, 10)});
    auto dateOf = [](const test::CliResult& r) {
        return QJsonDocument::fromJson(r.out.toUtf8()).object()["date"].toString();
    };
    const QStringList step{"draw", "--date", "26.10.1985", "--prev", "1", "--json"};
    {
        QSettings s(dir.file("only-saturday.ini"), QSettings::IniFormat);
        s.setValue("Chekcbox17", 0);
        s.setValue("Chekcbox16", "true");
    }
    {
        QSettings s(dir.file("bad.ini"), QSettings::IniFormat);
        s.setValue("Chekcbox17", "kaputt"); // a value of the wrong type takes the design default
    }
    auto r = runCli(QStringList{"--program-folder", dir.path(), "--settings", dir.file("only-saturday.ini")} + step);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(dateOf(r), "19.10.1985");
    r = runCli(QStringList{"--program-folder", dir.path(), "--settings", dir.file("bad.ini")} + step);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(dateOf(r), "24.10.1985");

    r = runCli(QStringList{"--program-folder", dir.path(), "--settings", dir.file("missing.ini")} + step);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("razoz-cli: ")) << r.err.toStdString();
    r = runCli(QStringList{"--program-folder", dir.path(), "--language", "xx"} + step);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("unknown language")) << r.err.toStdString();
    EXPECT_EQ(runCli(QStringList{"--program-folder", dir.path(), "--language", "sp"} + step).exitCode, 0);
}
