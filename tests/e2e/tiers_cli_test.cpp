#include "check/prize_tiers.h"
#include "test_support.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace razoz;
using test::runCli;

namespace {

QJsonObject parse(const QString& out)
{
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(out.toUtf8(), &err);
    EXPECT_EQ(err.error, QJsonParseError::NoError) << out.toStdString();
    return doc.object();
}

QJsonObject tierOf(const QJsonObject& row, const QString& name)
{
    for (const QJsonValue& t : row["tiers"].toArray())
        if (t.toObject()["tier"].toString() == name) return t.toObject();
    ADD_FAILURE() << "no tier " << name.toStdString();
    return {};
}

} // namespace

TEST(CliTiers, RealPastDrawsComeBackInTheirTierOverTheShippedArchive)
{
    test::ProgramDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(RAZOZ_SHIPPED_DIR "/dovovuduv.dat"), dir.archivePath()));
    dir.writeFile("settings.ini", "[General]\n");
    const auto run = [&](const QString& losnummer) {
        // 20.06.1991 (R 4), the first draw with a Reintegro; 15.06.1991, the last one without.
        const auto r = runCli({"--program-folder", dir.path(), "--settings", dir.file("settings.ini"), "tiers", "--row",
                               "48,2,14,22,33,47", "--row", "23,27,32,36,39,42", "--start", "17.10.1985", "--end",
                               "07.09.2026", "--losnummer", losnummer, "--json"});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return parse(r.out);
    };
    const QJsonObject four = run("1234564");
    EXPECT_EQ(four["draws"].toInt(), 4185);
    const QJsonArray rows = four["rows"].toArray();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].toObject()["numbers"].toArray(), QJsonArray({2, 14, 22, 33, 47, 48}));
    EXPECT_EQ(tierOf(rows[0].toObject(), "6 + R")["draws"].toArray(), QJsonArray({"20.06.1991"}));
    EXPECT_EQ(tierOf(rows[0].toObject(), "6")["count"].toInt(), 0);
    EXPECT_EQ(tierOf(rows[1].toObject(), "6")["draws"].toArray(), QJsonArray({"15.06.1991"}));
    EXPECT_EQ(tierOf(rows[1].toObject(), "6 + R")["count"].toInt(), 0);
    const QJsonObject sixPlusR = tierOf(rows[0].toObject(), "6 + R");
    const double expected = sixPlusR["expected"].toDouble();
    EXPECT_NEAR(expected, four["reintegro_draws"].toInt() / 10.0 / kPossibleRows, 1e-15);
    EXPECT_NEAR(sixPlusR["p"].toDouble(), expected, expected * 1e-3);
    const QJsonArray total = four["total"].toObject()["tiers"].toArray();
    ASSERT_EQ(total.size(), kPrizeTiers);
    EXPECT_EQ(total[1].toObject()["tier"].toString(), "6");
    EXPECT_EQ(total[1].toObject()["count"].toInt(), 1);

    const QJsonObject five = run("1234565");
    EXPECT_EQ(tierOf(five["rows"].toArray()[0].toObject(), "6")["draws"].toArray(), QJsonArray({"20.06.1991"}));
    EXPECT_EQ(tierOf(five["rows"].toArray()[0].toObject(), "6 + R")["count"].toInt(), 0);
}

TEST(CliTiers, OddsGiveEveryHitClassOutOfAllRows)
{
    const auto r = runCli({"odds", "--rows", "12", "--draws", "4185", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject doc = parse(r.out);
    EXPECT_EQ(doc["total"].toInteger(), 13983816);
    QStringList names;
    QList<qint64> counts;
    for (const QJsonValue& t : doc["tiers"].toArray()) {
        names << t.toObject()["tier"].toString();
        counts << t.toObject()["count"].toInteger();
    }
    EXPECT_EQ(names, (QStringList{"6", "5 + C", "5", "4", "3"}));
    EXPECT_EQ(counts, (QList<qint64>{1, 6, 252, 13545, 246820}));
    EXPECT_NEAR(doc["tiers"].toArray()[4].toObject()["expected"].toDouble(), 12.0 * 4185 * 246820 / 13983816, 1e-9);
    EXPECT_EQ(doc["reintegro"].toObject()["of"].toInt(), 10);
    EXPECT_NEAR(doc["reintegro"].toObject()["expected"].toDouble(), 5022, 1e-9);
    EXPECT_EQ(runCli({"odds", "--rows", "0"}).exitCode, 2);
}

TEST(CliTiers, StakeAndPrizesGiveTheBalanceInCents)
{
    test::ProgramDir dir;
    dir.writeArchive({test::draw(QDate(2005, 3, 26), {1, 9, 17, 26, 33, 44}, 2, 0),
                      test::draw(QDate(2005, 4, 2), {3, 11, 19, 28, 37, 45}, 7, 5)});
    dir.writeFile("settings.ini", "[General]\n");
    const auto r = runCli({"--program-folder",
                           dir.path(),
                           "--settings",
                           dir.file("settings.ini"),
                           "tiers",
                           "--row",
                           "3,11,19,28,37,45",
                           "--row",
                           "1,9,17,40,41,42",
                           "--start",
                           "26.03.2005",
                           "--end",
                           "02.04.2005",
                           "--losnummer",
                           "1234560",
                           "--stake",
                           "100",
                           "--prize",
                           "6=50000000",
                           "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject doc = parse(r.out);
    // 2 rows × 2 draws × 1,00 €; the six, and the first draw's Reintegro (the stake) for both rows;
    // the second row's "3" has no prize given.
    EXPECT_EQ(doc["cost"].toInteger(), 400);
    EXPECT_EQ(doc["winnings"].toInteger(), 50000000 + 200);
    EXPECT_EQ(doc["balance"].toInteger(), 50000200 - 400);
    EXPECT_EQ(doc["unknown_prize_wins"].toInt(), 1);

    const auto bad = runCli({"--program-folder", dir.path(), "--settings", dir.file("settings.ini"), "tiers", "--row",
                             "3,11,19,28,37,45", "--prize", "R=75"});
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_TRUE(bad.err.contains("--prize")) << bad.err.toStdString();
}
