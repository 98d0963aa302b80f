// razoz-cli generate: the real binary over the real archive gives the rows the core gives.
#include "../generate/real_draws.h"
#include "app/calculation_values.h"
#include "app/languages.h"
#include "generate/tip_generator.h"
#include "test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace razoz;
using namespace razoz::test;

namespace {

class GenerateCli : public ::testing::Test {
protected:
    GenerateCli()
    {
        dir.writeArchive(realDraws());
        dir.writeFile(QStringLiteral("settings.ini"), "[General]\n");
    }
    CliResult run(QStringList args)
    {
        return runCli(QStringList{QStringLiteral("--program-folder"), dir.path(), QStringLiteral("--settings"),
                                  dir.file(QStringLiteral("settings.ini")), QStringLiteral("generate"),
                                  QStringLiteral("--end"), QStringLiteral("07.09.2026")} +
                      args);
    }
    QJsonObject json(QStringList args)
    {
        const CliResult r = run(args << QStringLiteral("--json"));
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out.toUtf8()).object();
    }
    ProgramDir dir;
};

TEST_F(GenerateCli, SameSeedSameRowsAsTheCore)
{
    const QJsonObject out = json({QStringLiteral("--seed"), QStringLiteral("42")});
    ASSERT_EQ(out[QStringLiteral("rows")].toArray().size(), 12);
    EXPECT_EQ(out[QStringLiteral("budget")].toInt(), 50000);
    EXPECT_EQ(out, json({QStringLiteral("--seed"), QStringLiteral("42")}));

    SettingsValues values;
    values.set(key::RangeEndDate, toDays(QDate(2026, 9, 7)));
    CalculationSettingsSource settings(calculationSettingsFrom(values));
    QuietRunControl quiet;
    RandomGenerator random(42);
    const GenerationResult core =
        generateTips(settings, dir.archivePath(), {}, quiet, random, InterfaceTexts(germanInterfaceTexts()));
    QJsonArray rows;
    for (const RowValues& row : core.rows) {
        QJsonArray numbers;
        if (row[0] != 0)
            for (int v : row) numbers.append(v);
        rows.append(numbers);
    }
    EXPECT_EQ(out[QStringLiteral("rows")].toArray(), rows);
    EXPECT_EQ(out[QStringLiteral("runs")].toInt(), core.runCounter);
    EXPECT_EQ(out[QStringLiteral("status")].toString(), core.status);
}

// The calculation ends at the draw selected for the end date: a Sunday without a draw gives the
// rows of the Monday draw after it, and no end date those of the latest draw.
TEST_F(GenerateCli, TheEndDateMovesOntoTheSelectedDraw)
{
    auto generate = [&](QStringList args) {
        const CliResult r = runCli(QStringList{"--program-folder", dir.path(), "--settings", dir.file("settings.ini"),
                                               "generate", "--seed", "12345", "--json"} +
                                   args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out.toUtf8()).object();
    };
    const QJsonObject sunday = generate({"--end", "30.08.2026"}), monday = generate({"--end", "31.08.2026"});
    EXPECT_EQ(sunday["end"].toString(), "31.08.2026");
    EXPECT_EQ(sunday, monday);
    const QJsonObject latest = generate({});
    EXPECT_EQ(latest["end"].toString(), "07.09.2026");
    EXPECT_EQ(latest, generate({"--end", "07.09.2026"}));
    EXPECT_NE(latest["rows"], monday["rows"]);
}

TEST_F(GenerateCli, RowCountAndLockedRow)
{
    const QJsonObject out = json({QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--rows"),
                                  QStringLiteral("3"), QStringLiteral("--lock"), QStringLiteral("5=40,3,17,22,9,31")});
    const QJsonArray rows = out[QStringLiteral("rows")].toArray();
    for (int r = 0; r < 3; ++r) EXPECT_EQ(rows[r].toArray().size(), 6) << r;
    EXPECT_EQ(rows[3].toArray().size(), 0);
    EXPECT_EQ(rows[4].toArray(), (QJsonArray{40, 3, 17, 22, 9, 31}));
    for (int r = 5; r < 12; ++r) EXPECT_EQ(rows[r].toArray().size(), 0) << r;

    const CliResult text =
        run({QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--rows"), QStringLiteral("3")});
    EXPECT_TRUE(text.out.contains(QStringLiteral(" 4. Tipp: -"))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(QStringLiteral("Durchläufe: "))) << text.out.toStdString();
}

TEST_F(GenerateCli, BadArgumentsAndAMissingArchive)
{
    for (const QStringList& args : {QStringList{QStringLiteral("--lock"), QStringLiteral("13=1,2,3,4,5,6")},
                                    QStringList{QStringLiteral("--lock"), QStringLiteral("2=1,2,3,4,5")},
                                    QStringList{QStringLiteral("--lock"), QStringLiteral("2=1,2,3,4,5,50")},
                                    QStringList{QStringLiteral("--rows"), QStringLiteral("0")},
                                    QStringList{QStringLiteral("--seed"), QStringLiteral("x")}}) {
        const CliResult r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    }
    QFile::remove(dir.archivePath());
    const CliResult r = run({QStringLiteral("--seed"), QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("razoz-cli: "))) << r.err.toStdString();
}

} // namespace
