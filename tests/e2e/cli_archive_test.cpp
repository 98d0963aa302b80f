// razoz-cli archive list and draw, run as the real binary on a temporary program folder.
#include "archive/draw_archive.h"
#include "test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;
using test::runCli;

namespace {
QJsonDocument json(const test::CliResult& r)
{
    return QJsonDocument::fromJson(r.out.toUtf8());
}
} // namespace

TEST(CliArchive, ListsEveryWholeRecordAsTextAndJson)
{
    test::ProgramDir dir;
    DrawRecord second = draw({1985, 10, 19}, {1, 2, 3, 4, 5, 6}, 7, 8);
    second.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    dir.writeArchive({firstDraw(), second}, QByteArray(5, '\1')); // a partial tail is not a draw
    auto r = runCli({"--program-folder", dir.path(), "archive", "list", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray all = json(r).array();
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all[0].toObject()["date"].toString(), "17.10.1985");
    EXPECT_EQ(all[0].toObject()["numbers"].toArray(), (QJsonArray{3, 11, 13, 15, 34, 35}));
    EXPECT_EQ(all[0].toObject()["complementary"].toInt(), 27);
    EXPECT_EQ(all[1].toObject()["reintegro"].toInt(), 8);
    EXPECT_EQ(all[1].toObject()["spiel77"].toString(), "1234567");
    EXPECT_EQ(all[1].toObject()["super6"].toString(), "000000");

    r = runCli({"--program-folder", dir.path(), "archive", "list"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.split('\n', Qt::SkipEmptyParts).size(), 2);
    EXPECT_TRUE(r.out.startsWith("17.10.1985"));
}

TEST(CliArchive, DrawSelectsAndSteps)
{
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(6)); // Thu 17.10. … Sat 02.11.1985
    auto r = runCli({"--program-folder", dir.path(), "draw", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QJsonObject o = json(r).object();
    EXPECT_EQ(o["index"].toInt(), 5);
    EXPECT_EQ(o["date"].toString(), "02.11.1985");
    EXPECT_TRUE(o["text"].toString().contains("02.11.85     ")); // selected: three blanks

    r = runCli({"--program-folder", dir.path(), "draw", "--date", "18.10.1985", "--next", "2", "--json"});
    o = json(r).object();
    EXPECT_EQ(o["index"].toInt(), 3);
    EXPECT_EQ(o["date"].toString(), "26.10.1985");
    // Stepped: two blanks after the date, then two before each number.
    EXPECT_TRUE(o["text"].toString().contains("26.10.85    "));
    EXPECT_FALSE(o["text"].toString().contains("26.10.85     "));

    r = runCli({"--program-folder", dir.path(), "draw", "--prev", "1", "--no-thursday", "--json"});
    EXPECT_EQ(json(r).object()["date"].toString(), "26.10.1985");

    // Counts far beyond the archive end where the stepping stops, without a pass per count.
    r = runCli({"--program-folder", dir.path(), "draw", "--next", "2000000000", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(json(r).object()["index"].toInt(), 5);
    r = runCli({"--program-folder", dir.path(), "draw", "--prev", "2000000000", "--json"});
    EXPECT_EQ(json(r).object()["index"].toInt(), 1);

    r = runCli({"--program-folder", dir.path(), "draw", "--date", "01.01.1980"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("17.10.85"));
    EXPECT_TRUE(r.out.contains("QS: "));
}

TEST(CliArchive, FailuresAndUsageErrors)
{
    test::ProgramDir dir;
    auto r = runCli({"--program-folder", dir.path(), "archive", "list"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("razoz-cli: no archive")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.archivePath())); // the CLI creates nothing on failure

    dir.writeArchive({firstDraw()});
    r = runCli({"--program-folder", dir.path(), "draw", "--date", "2005-04-02"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("dd.mm.yyyy"));
    r = runCli({"--program-folder", dir.path(), "draw", "--prev", "1", "--next", "1"});
    EXPECT_EQ(r.exitCode, 2);
    r = runCli({"--program-folder", dir.path(), "archive", "frobnicate"});
    EXPECT_EQ(r.exitCode, 2);
    r = runCli({"--program-folder", dir.path(), "nonsense"});
    EXPECT_EQ(r.exitCode, 2);
    r = runCli({"--program-folder", dir.path(), "draw", "--extra"});
    EXPECT_EQ(r.exitCode, 2);
    r = runCli({"--program-folder", dir.path() + "typo", "archive", "list"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("razoz-cli: no program folder"));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "typo"));
    r = runCli({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("usage:"));

    dir.writeArchive({});
    r = runCli({"--program-folder", dir.path(), "draw"});
    EXPECT_EQ(r.exitCode, 1);
}
