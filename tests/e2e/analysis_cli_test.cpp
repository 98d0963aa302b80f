// razoz-cli search, analyze parameters and analyze repeat give what the window gives for the same
// archive, settings and answers (every report answered Yes).
#include "analysis/repeat_analysis.h"
#include "app/session.h"
#include "long_action.h"
#include "main_window.h"
#include "rtf_text.h"
#include "synthetic_archive.h"
#include "test_support.h"
#include "ui/analysis_actions.h"
#include "ui/page_datenbank.h"
#include "ui/page_diagramm.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"
#include "ui/tip_grid.h"

#include <QDateEdit>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

QJsonObject json(const test::CliResult& r)
{
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
}

struct Compared : test::MainWindow {
    Compared() : test::MainWindow({.installData = true, .show = false})
    {
        records = test::syntheticArchive(80, 99);
        // Two repeats so the reports have something to say.
        records[70].numbers = records[12].numbers;
        records[75].numbers = records[12].numbers;
        std::uint8_t other = 1;
        while (records[12].contains(other) || records[12].complementary == other) ++other;
        records[75].numbers[0] = other;
        dir().writeArchive(records);
        dir().writeFile(QStringLiteral("settings.ini"), "[General]\nChekcbox31=1\n");
        show();
        form.diagramm()->DateTimePicker2->setDate(QDate(1985, 10, 17));
        form.analysisActions().currentFolder = [this] { return dir().path(); };
    }
    QStringList cli(QStringList args) const
    {
        return QStringList{"--program-folder",         dir().path(), "--settings",
                           dir().file("settings.ini"), "--language", "de"} +
               args + QStringList{"--start", "17.10.1985", "--json"};
    }
    QString date(int i) const { return formatDate(records[std::size_t(i)].date); }

    std::vector<DrawRecord> records;
};

} // namespace

TEST(AnalysisCli, SearchReportsTheDatesTheWindowAsksAbout)
{
    Compared c;
    TipRowTexts row;
    for (int i = 0; i < 6; ++i) row[std::size_t(i)] = QString::number(c.records[12].numbers[std::size_t(i)]);
    c.form.tipGrid()->setRowTexts(0, row);
    c.prompt.inputAnswers = {QStringLiteral("5")};
    QTest::mouseClick(c.form.lottotipp()->SpeedButton4, Qt::LeftButton);
    ASSERT_TRUE(test::waitForLongAction(c.form.runner()));
    QStringList asked;
    for (const QString& q : c.prompt.texts("question")) asked << q.mid(c.form.session().text(6).size() + 1, 10);

    const QJsonObject out =
        json(test::runCli(c.cli({"search", "--row", QStringList(row.begin(), row.end()).join(QLatin1Char(',')),
                                 "--threshold", "5", "--end", c.date(79)})));
    QStringList reported;
    for (const auto& r : out["reports"].toArray()) {
        reported << r.toObject()["date"].toString();
        EXPECT_EQ(r.toObject()["row"].toInt(), 1);
    }
    EXPECT_EQ(reported, (QStringList{c.date(12), c.date(70), c.date(75)}));
    EXPECT_EQ(reported, asked);
    EXPECT_EQ(out["current"].toObject()["date"].toString(), c.date(79));
    EXPECT_EQ(out["current"].toObject()["date"].toString(), formatDate(c.form.session().currentDraw().date));
}

TEST(AnalysisCli, AnalyzeParametersPrintsTheReportTheWindowWrites)
{
    Compared c;
    c.form.datenbank()->DateTimePicker1->setDate(fromDays(c.records[60].date));
    c.prompt.inputAnswers = {QStringLiteral("4711")};
    QTest::mouseClick(c.form.datenbank()->BitBtn9, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(c.form.runner()));
    ASSERT_EQ(c.opened.size(), 1) << c.prompt.texts("information").join("|").toStdString();
    const QByteArray window = c.dir().readFile(QStringLiteral("Test.txt"));

    const QJsonObject out =
        json(test::runCli(c.cli({"analyze", "parameters", "--from", c.date(60), "--seed", "4711"})));
    EXPECT_EQ(out["report"].toString().toUtf8(), window);
    EXPECT_EQ(out["table"].toArray().size(), 7);
    EXPECT_GT(out["draws"].toInt(), 5);

    const test::CliResult bad = test::runCli(c.cli({"analyze", "parameters", "--from", "gestern"}));
    EXPECT_EQ(bad.exitCode, 2);
}

TEST(AnalysisCli, AnalyzeRepeatGivesTheTablesOfTheWindowsReport)
{
    Compared c;
    c.form.datenbank()->DateTimePicker1->setDate(fromDays(c.records[10].date));
    c.prompt.inputAnswers = {QStringLiteral("5")};
    QTest::mouseClick(c.form.datenbank()->BitBtn19, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(c.form.runner()));
    ASSERT_EQ(c.opened.size(), 1);
    const QStringList window = test::rtfLines(c.dir().readFile(QStringLiteral("Test.rtf")));

    const QJsonObject out = json(test::runCli(c.cli({"analyze", "repeat", "--from", c.date(10), "--threshold", "5"})));
    RepeatAnalysisTable t;
    auto fill = [&](const char* name, std::array<std::uint32_t, 7>& into) {
        const QJsonArray a = out[QLatin1String(name)].toArray();
        ASSERT_EQ(a.size(), 7);
        for (int h = 0; h < 7; ++h) into[std::size_t(h)] = std::uint32_t(a[h].toInt());
    };
    fill("history", t.history);
    fill("next1", t.next1);
    fill("next2", t.next2);
    fill("next3", t.next3);
    EXPECT_EQ(repeatReportLines(t, c.form.session().texts()), window);
    const QJsonArray matches = out["matches"].toArray();
    ASSERT_EQ(matches.size(), 3) << "70 and 75 repeat 12, and 75 shares five with 70";
    EXPECT_EQ(matches[0].toObject(), (QJsonObject{{"draw", c.date(70)}, {"earlier", c.date(12)}, {"hits", 6}}));
    EXPECT_EQ(c.prompt.texts("question").size(), 3);
}
