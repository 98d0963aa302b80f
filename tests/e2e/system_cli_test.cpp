#include "test_support.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace razoz;
using test::runCli;

TEST(CliSystem, BuildWritesProvenSlipsThatCheckHolds)
{
    test::ProgramDir dir;
    const QString numbers = "2,5,9,13,17,21,26,30,34,38,41,45";
    const QString slips = dir.file("slips");
    const auto built = runCli({"--program-folder", dir.path(), "system", "build", "--numbers", numbers, "--guarantee",
                               "3if3", "--seed", "4", "--seconds", "20", "--tips-out", slips, "--json"});
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    const QJsonObject doc = QJsonDocument::fromJson(built.out.toUtf8()).object();
    EXPECT_EQ(doc["t"].toInt(), 3);
    EXPECT_EQ(doc["m"].toInt(), 3);
    EXPECT_TRUE(doc["proven"].toBool());
    EXPECT_EQ(doc["lower_bound"].toInt(), 15);
    const QJsonArray rows = doc["rows"].toArray();
    EXPECT_EQ(rows.size(), 15); // the proven optimum
    EXPECT_EQ(doc["numbers"].toArray().size(), 12);
    const QJsonArray files = doc["tip_files"].toArray();
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(QDir(dir.file("Systeme")).exists()); // the cache in the program folder

    // The slips hold the guarantee; one row fewer shows its holes.
    const auto holds = runCli({"system", "check", "--tips", files[0].toString(), "--tips", files[1].toString(),
                               "--numbers", numbers, "--guarantee", "3if3", "--json"});
    ASSERT_EQ(holds.exitCode, 0) << holds.err.toStdString();
    const QJsonObject table = QJsonDocument::fromJson(holds.out.toUtf8()).object();
    EXPECT_TRUE(table["holds"].toBool());
    EXPECT_EQ(table["rows"].toInt(), 15);
    const QJsonObject three = table["guarantees"].toArray()[2].toObject();
    EXPECT_EQ(three["covered"].toInt(), 220);
    EXPECT_EQ(three["uncovered"].toInt(), 0);

    QStringList args = {"system", "check", "--numbers", numbers, "--guarantee", "3if3"};
    for (int r = 1; r < rows.size(); ++r) {
        QStringList row;
        for (const QJsonValue n : rows[r].toArray()) row << QString::number(n.toInt());
        args << "--row" << row.join(',');
    }
    const auto fewer = runCli(args);
    ASSERT_EQ(fewer.exitCode, 0) << fewer.err.toStdString();
    EXPECT_TRUE(fewer.out.contains("3 if 3: ")) << fewer.out.toStdString();
    EXPECT_TRUE(fewer.out.contains("fails")) << fewer.out.toStdString();
    EXPECT_TRUE(fewer.out.contains("hole: ")) << fewer.out.toStdString();

    // Beyond the limit: refused with the full system's size.
    const auto big =
        runCli({"--program-folder", dir.path(), "system", "build", "--numbers",
                "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25", "--guarantee", "6if6"});
    EXPECT_EQ(big.exitCode, 1);
    EXPECT_TRUE(big.err.contains("177100")) << big.err.toStdString();
}
