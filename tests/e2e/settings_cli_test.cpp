// razoz-cli settings show: the value every command uses and where it came from.
#include "test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace razoz;

TEST(SettingsCli, ShowsStoredValuesWithinRangeAndDefaultsForMissingOrWrongValues)
{
    test::ProgramDir dir;
    dir.writeFile("s.ini", "[General]\nUpDown7=99999\nChekcbox16=0\nUpDown8=junk\nLosnummer=1234567\n");
    const test::CliResult r =
        test::runCli({"--program-folder", dir.path(), "--settings", dir.file("s.ini"), "settings", "show", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QJsonObject byName;
    for (const QJsonValue& v : QJsonDocument::fromJson(r.out.toUtf8()).object().value("settings").toArray())
        byName.insert(v.toObject().value("name").toString(), v);
    auto entry = [&](const char* name) { return byName.value(name).toObject(); };
    EXPECT_EQ(entry("UpDown7").value("value").toInt(), 30000) << "kept within its range";
    EXPECT_EQ(entry("UpDown7").value("source").toString(), "stored");
    EXPECT_FALSE(entry("Chekcbox16").value("value").toBool());
    EXPECT_EQ(entry("UpDown8").value("value").toInt(), 8) << "a value of the wrong type takes the default";
    EXPECT_EQ(entry("UpDown8").value("source").toString(), "default");
    EXPECT_EQ(entry("Losnummer").value("value").toString(), "1234567");
    EXPECT_EQ(entry("DateTimePicker2").value("value").toString(), "02.04.2005");

    const test::CliResult bad = test::runCli({"--program-folder", dir.path(), "settings", "list"});
    EXPECT_EQ(bad.exitCode, 2);
}
