// razoz-cli stats: the real binary over a temporary program folder.
#include "archive/dates.h"
#include "test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

#include <gtest/gtest.h>

#include <cstring>

using namespace razoz;
using razoz::test::draw;
using razoz::test::ProgramDir;
using razoz::test::runCli;

namespace {

QByteArray dateBytes(const QDate& d)
{
    const double days = toDays(d);
    QByteArray bytes(8, '\0');
    std::memcpy(bytes.data(), &days, 8);
    return bytes;
}

// A settings file holding the given values (an empty one holds nothing).
QString settingsFile(const ProgramDir& dir, const QVariantMap& values)
{
    const QString path = dir.file(QStringLiteral("settings.ini"));
    dir.writeFile(QStringLiteral("settings.ini"), {});
    QSettings s(path, QSettings::IniFormat);
    for (auto it = values.begin(); it != values.end(); ++it) s.setValue(it.key(), it.value());
    s.sync();
    return path;
}

QJsonObject runJson(const QStringList& args)
{
    const auto r = runCli(args);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto doc = QJsonDocument::fromJson(r.out.toUtf8());
    EXPECT_TRUE(doc.isObject()) << r.out.toStdString();
    return doc.object();
}

double barAt(const QJsonObject& chart, int x)
{
    for (const auto& b : chart["bars"].toArray())
        if (b.toObject()["x"].toInt() == x) return b.toObject()["y"].toDouble();
    return -1;
}

} // namespace

TEST(StatsCli, FrequencyJsonWithGermanTextsInCodePage)
{
    ProgramDir dir;
    dir.writeArchive({draw(QDate(1985, 10, 17), {3, 11, 13, 15, 34, 35}, 27, 0),
                      draw(QDate(1985, 10, 19), {1, 2, 4, 6, 8, 9}, 10, 3)});
    // Not valid UTF-8: read in the western code page.
    dir.writeFile(QStringLiteral("land/meldungen.txt.de"), QByteArray("H\xe4ufigkeit\r\nZiehungen\r\n\xd8 QS\r\n"));
    const QString settings = settingsFile(dir, {});
    const QJsonObject chart = runJson({"--program-folder", dir.path(), "--settings", settings, "--language", "de",
                                       "stats", "frequency", "--start", "17.10.1985", "--end", "17.10.1985", "--json"});
    const QJsonArray bars = chart["bars"].toArray();
    ASSERT_EQ(bars.size(), 49);
    EXPECT_EQ(bars[0].toObject(), (QJsonObject{{"x", 1}, {"y", 0}, {"color", "green"}}));
    EXPECT_EQ(bars[2].toObject(), (QJsonObject{{"x", 3}, {"y", 1}, {"color", "red"}}));
    EXPECT_EQ(barAt(chart, 27), 1);
    EXPECT_EQ(chart["axis"].toObject(), (QJsonObject{{"min", 0}, {"max", 1}}));
    EXPECT_EQ(chart["title"].toString(), QStringLiteral("Häufigkeit     Ziehungen: 1    Ø QS: 111"));
}

TEST(StatsCli, AxisNullAndSeriesColourAndPlainText)
{
    ProgramDir dir;
    dir.writeArchive(
        {draw(QDate(2005, 4, 7), {5, 6, 7, 12, 14, 16}, 1, 0), draw(QDate(2005, 4, 9), {5, 6, 7, 12, 14, 17}, 1, 0)});
    dir.writeFile(QStringLiteral("land/meldungen.txt.en"), QStringLiteral("Frequency\nDraws\n").toUtf8());
    const QString settings = settingsFile(dir, {});
    const QStringList base{"--program-folder", dir.path(),   "--settings", settings,    "stats", "sums",
                           "--start",          "01.04.2005", "--end",      "30.04.2005"};
    const QJsonObject chart = runJson(base + QStringList{"--json"});
    EXPECT_TRUE(chart["axis"].isNull());
    ASSERT_EQ(chart["bars"].toArray().size(), 2);
    EXPECT_EQ(chart["bars"].toArray()[1].toObject(), (QJsonObject{{"x", 61}, {"y", 1}, {"color", "series"}}));
    // No message file in the folder: the program's own German texts.
    EXPECT_EQ(chart["title"].toString(),
              QStringLiteral("Verteilung der Quersummen (QS)     Ziehungen: 2    durchschnittliche QS: 60"));

    const auto english = runJson({"--program-folder", dir.path(), "--settings", settings, "--language", "en", "stats",
                                  "frequency", "--start", "01.04.2005", "--end", "30.04.2005", "--json"});
    // A short message file: what it lacks comes from the German texts.
    EXPECT_EQ(english["title"].toString(), QStringLiteral("Frequency     Draws: 2    Durchschnitt der QS: 60"));

    const auto plain = runCli(base);
    EXPECT_EQ(plain.exitCode, 0);
    const QStringList lines = plain.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[1], "axis: automatic");
    EXPECT_EQ(lines[2].simplified(), "60 1");
}

TEST(StatsCli, StartDateFromSettingsAndDrawDays)
{
    ProgramDir dir;
    // Saturday 02.04.2005 (the design start date), a Thursday and a Saturday after it.
    dir.writeArchive(
        {draw(QDate(1999, 1, 2), {1, 2, 3, 4, 5, 6}, 7, 0), draw(QDate(2005, 4, 2), {1, 2, 3, 4, 5, 6}, 7, 0),
         draw(QDate(2005, 4, 7), {1, 2, 3, 4, 5, 6}, 7, 0), draw(QDate(2005, 4, 9), {1, 2, 3, 4, 5, 6}, 7, 0)});
    auto frequencyOf1 = [&](const QVariantMap& values, QStringList extra = {}) {
        const QString settings = settingsFile(dir, values);
        return barAt(runJson(QStringList{"--program-folder", dir.path(), "--settings", settings, "stats", "frequency",
                                         "--end", "31.12.2005", "--json"} +
                             extra),
                     1);
    };
    // Absent: the design date 02.04.2005, counted by the frequency (on or after).
    EXPECT_EQ(frequencyOf1({}), 3);
    // Stored as the desktop program writes it.
    EXPECT_EQ(frequencyOf1({{"DateTimePicker2", dateBytes(QDate(2005, 4, 3))}}), 2);
    // Unreadable: the earliest date.
    EXPECT_EQ(frequencyOf1({{"DateTimePicker2", "kein Datum"}}), 4);
    // Within the last seven days: the earliest date as well.
    EXPECT_EQ(frequencyOf1({{"DateTimePicker2", dateBytes(QDate::currentDate().addDays(-3))}}), 4);
    // Draw days: the flags override the settings; both stored unchecked means both checked.
    EXPECT_EQ(frequencyOf1({}, {"--no-saturday"}), 1);
    EXPECT_EQ(frequencyOf1({{"Chekcbox17", 0}}), 2);
    EXPECT_EQ(frequencyOf1({{"Chekcbox16", 0}, {"Chekcbox17", 0}}), 3);
    EXPECT_EQ(frequencyOf1({}, {"--no-thursday", "--start", "17.10.1985"}), 3);
}

TEST(StatsCli, Failures)
{
    ProgramDir dir;
    const QString settings = settingsFile(dir, {});
    const QStringList base{"--program-folder", dir.path(), "--settings", settings, "stats"};

    auto missing = runCli(base + QStringList{"frequency"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith("razoz-cli: no archive")) << missing.err.toStdString();
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.archivePath())); // nothing created

    dir.writeArchive({draw(QDate(2005, 4, 7), {1, 2, 3, 4, 5, 6}, 7, 0)});
    EXPECT_EQ(runCli(base + QStringList{"histogram"}).exitCode, 2);
    EXPECT_EQ(runCli(base).exitCode, 2);
    const auto badDate = runCli(base + QStringList{"pairs", "--start", "2005-04-02"});
    EXPECT_EQ(badDate.exitCode, 2);
    EXPECT_TRUE(badDate.err.contains("--start")) << badDate.err.toStdString();
    EXPECT_EQ(runCli(base + QStringList{"pairs", "--bogus"}).exitCode, 2);

    // Every kind runs.
    for (const char* kind : {"frequency", "overdue", "sums", "reintegro", "reintegro-overdue", "pairs", "triples",
                             "quads", "primes", "odd", "even"})
        EXPECT_EQ(runCli(base + QStringList{kind, "--start", "01.01.2005", "--json"}).exitCode, 0) << kind;
}
