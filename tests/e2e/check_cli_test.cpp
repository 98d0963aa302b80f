#include "test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace razoz;
using test::runCli;

namespace {

struct CheckFolder {
    test::ProgramDir dir;
    CheckFolder()
    {
        dir.writeArchive({test::draw(QDate(1985, 10, 17), {3, 11, 13, 15, 34, 35}, 27, 0),
                          test::draw(QDate(1985, 10, 19), {1, 2, 4, 5, 6, 7}, 8, 3)});
        dir.writeFile("settings.ini", "[General]\nLosnummer=1234563\n");
    }
    QStringList args(QStringList more) const
    {
        const QStringList common = {"--program-folder", dir.path(), "--settings", dir.file("settings.ini")};
        return common + QStringList{"check"} + more;
    }
};

QJsonObject parse(const QString& out)
{
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(out.toUtf8(), &err);
    EXPECT_EQ(err.error, QJsonParseError::NoError) << out.toStdString();
    return doc.object();
}

} // namespace

TEST(CliCheck, JsonOfTheWorkedRowAgainstTheFirstDraw)
{
    CheckFolder f;
    const auto r = runCli(f.args({"--date", "17.10.1985", "--row", "41,13,3,27,11,40", "--row", "7,,,,,", "--row",
                                  "5,5,5,5,5,5", "--losnummer", "7654320", "--json"}));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject doc = parse(r.out);
    EXPECT_EQ(doc["draw"].toObject()["date"].toString(), "17.10.1985");
    EXPECT_EQ(doc["draw"].toObject()["sum"].toInt(), 111);
    const QJsonArray rows = doc["rows"].toArray();
    ASSERT_EQ(rows.size(), 12);
    const QJsonObject first = rows[0].toObject();
    EXPECT_EQ(first["boxes"].toArray(), QJsonArray({"3", "11", "13", "27", "40", "41"}));
    EXPECT_EQ(first["sum"].toInt(), 135);
    EXPECT_EQ(first["hits"].toInt(), 3);
    EXPECT_TRUE(first["complementary"].toBool());
    EXPECT_TRUE(first["reintegro"].toBool()); // seventh character 0 = R 0
    EXPECT_EQ(first["states"].toArray(), QJsonArray({1, 1, 1, 2, 0, 0}));
    EXPECT_EQ(first["label"].toString(), "3 + Z + S");
    EXPECT_EQ(first["tier"].toString(), "3");
    EXPECT_FALSE(first["reintegro_prize"].toBool()) << "no Reintegro was drawn in 1985";
    EXPECT_TRUE(rows[2].toObject()["tier"].isNull());
    const QJsonObject partial = rows[1].toObject();
    EXPECT_EQ(partial["boxes"].toArray(), QJsonArray({"7", "", "", "", "", ""}));
    EXPECT_TRUE(partial["sum"].isNull());
    EXPECT_TRUE(partial["hits"].isNull());
    EXPECT_EQ(partial["label"].toString(), "");
    EXPECT_TRUE(rows[11].toObject()["hits"].isNull());
    EXPECT_EQ(rows[2].toObject()["hits"].toInt(), 0);
    const QJsonArray tally = doc["tally"].toArray();
    ASSERT_EQ(tally.size(), 7);
    EXPECT_EQ(tally[3].toArray(), QJsonArray({0, 1}));
    EXPECT_EQ(tally[0].toArray(), QJsonArray({1, 0}));
}

TEST(CliCheck, TipFileLatestDrawAndTicketNumberFromTheSettings)
{
    CheckFolder f;
    f.dir.writeFile("t.wtp", "1,2,4,5,6,8:Kommentar\r\n7,8\r\n");
    const auto r = runCli(f.args({"--tips", f.dir.file("t.wtp")}));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n');
    ASSERT_GE(lines.size(), 15);
    EXPECT_TRUE(lines[0].contains("19.10.85")) << lines[0].toStdString(); // today selects the latest draw
    EXPECT_EQ(lines[1], "QS: 25");
    // Settings' ticket number 1234563 ends in the Reintegro 3.
    EXPECT_TRUE(lines[2].startsWith(" 1. Tipp:")) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith("Treffer: 5 + Z + S")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith(" 2. Tipp:  7   -   -   -   -   8")) << lines[3].toStdString();
    EXPECT_TRUE(lines[14].contains("5: 0/1")) << lines[14].toStdString();
}

TEST(CliCheck, BadInputIsReportedWithTheRightExitStatus)
{
    CheckFolder f;
    auto r = runCli(f.args({"--row", "1,2,3,4,5,50"}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.startsWith("razoz-cli: --row 1: \"50\" is no number from 1 to 49")) << r.err.toStdString();
    r = runCli(f.args({"--row", "1,2,3", "--json"}));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    r = runCli(f.args({}));
    EXPECT_EQ(r.exitCode, 2) << "no rows given";
    r = runCli(f.args({"--row", "1,2,3,4,5,6", "--tips", f.dir.file("x.wtp")}));
    EXPECT_EQ(r.exitCode, 2);
    r = runCli(f.args({"--row", "1,2,3,4,5,6", "--date", "32.13.1985"}));
    EXPECT_EQ(r.exitCode, 2);
    r = runCli(f.args({"--tips", f.dir.file("missing.wtp")}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("missing.wtp")) << r.err.toStdString();

    // A folder without an archive: exit 1, and nothing is created there.
    test::ProgramDir empty;
    r = runCli(
        {"--program-folder", empty.path(), "--settings", f.dir.file("settings.ini"), "check", "--row", "1,2,3,4,5,6"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("razoz-cli: no archive at")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(empty.archivePath()));
}
