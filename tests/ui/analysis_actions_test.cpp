// The archive search and the two analyses in the real window: the boxes they ask, what the window
// shows afterwards, the reports handed to the viewer, CheckBox20 put back, the stop by a second click.
#include "analysis/analysis_reports.h"
#include "analysis/repeat_analysis.h"
#include "app/session.h"
#include "generate/random_generator.h"
#include "long_action.h"
#include "rtf_text.h"
#include "synthetic_archive.h"
#include "test_support.h"
#include "ui/analysis_actions.h"
#include "ui/page_datenbank.h"
#include "ui/page_diagramm.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"
#include "ui/tip_grid.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

TipRowTexts textsOf(const DrawRecord& r)
{
    TipRowTexts t;
    for (int i = 0; i < 6; ++i) t[std::size_t(i)] = QString::number(r.numbers[std::size_t(i)]);
    return t;
}

struct AnalysisWindow {
    explicit AnalysisWindow(std::vector<DrawRecord> draws = test::syntheticArchive(60)) : records(std::move(draws))
    {
        dir.copyInstallData();
        dir.writeArchive(records);
        QDir().mkpath(dir.file(QStringLiteral("cwd")));
        form = std::make_unique<TForm1>(
            TForm1::Environment{dir.path(), &prompt, {}, dir.file("settings.ini"), [this](const QUrl& url) {
                                    opened << url;
                                    return true;
                                }});
        form->show();
        QTest::qWait(1);
        form->diagramm()->DateTimePicker2->setDate(QDate(1985, 10, 17));
        form->analysisActions().currentFolder = [this] { return dir.file(QStringLiteral("cwd")); };
    }
    void pick(int index) { form->datenbank()->DateTimePicker1->setDate(fromDays(records[std::size_t(index)].date)); }
    QString text(int n) const { return form->session().text(n); }

    test::ProgramDir dir;
    std::vector<DrawRecord> records;
    test::ScriptedPrompt prompt;
    QList<QUrl> opened;
    std::unique_ptr<TForm1> form;
};

} // namespace

TEST(AnalysisWindow, TheSearchReportsInTheBoxShowsTheDrawAndANoLeavesItThere)
{
    AnalysisWindow w;
    TipGrid& grid = *w.form->tipGrid();
    grid.setRowTexts(0, textsOf(w.records[5]));
    const int index = w.form->session().currentDrawIndex();
    const QDate picker = w.form->datenbank()->DateTimePicker1->date();
    w.prompt.inputAnswers = {QStringLiteral("6")};
    w.prompt.questionAnswers = {false};
    QTest::mouseClick(w.form->lottotipp()->SpeedButton4, Qt::LeftButton);
    ASSERT_TRUE(test::waitForLongAction(w.form->runner()));

    ASSERT_EQ(w.prompt.texts("question").size(), 1);
    EXPECT_EQ(w.prompt.shown.back().caption, w.text(8));
    EXPECT_EQ(w.prompt.shown.back().text, w.text(6) + " " + formatDate(w.records[5].date) + "   " + w.text(7));
    EXPECT_EQ(w.prompt.shown.front().caption, w.text(4));
    EXPECT_EQ(w.form->session().currentDraw(), CurrentDraw::from(w.records[5]));
    EXPECT_EQ(w.form->session().currentDrawIndex(), index) << "the position stays";
    EXPECT_EQ(w.form->lottotipp()->Label35->text(),
              formatDraw(CurrentDraw::from(w.records[5]), DrawSeparator::Stepped));
    EXPECT_EQ(w.form->datenbank()->DateTimePicker1->date(), picker);
    EXPECT_EQ(grid.hitLabel(0)->text(), QStringLiteral("6"));
    EXPECT_EQ(grid.hitLabel(0)->palette().color(QPalette::WindowText), QColor(Qt::red));

    // A threshold that is no number searches nothing.
    w.prompt.inputAnswers = {QStringLiteral("sechs")};
    QTest::mouseClick(w.form->lottotipp()->SpeedButton4, Qt::LeftButton);
    ASSERT_TRUE(test::waitForLongAction(w.form->runner()));
    EXPECT_EQ(w.prompt.texts("question").size(), 1);
    EXPECT_EQ(w.prompt.texts("error").size(), 1);
}

TEST(AnalysisWindow, TheParameterAnalysisWritesTestTxtOpensItAndPutsCheckBox20Back)
{
    AnalysisWindow w;
    auto* numberList = w.form->findChild<QCheckBox*>(QStringLiteral("CheckBox20"));
    ASSERT_NE(numberList, nullptr);
    numberList->setChecked(true);
    bool numberListOffMeanwhile = true;
    QObject::connect(&w.form->session(), &Session::statusShown, w.form.get(), [&] {
        if (w.form->analysisActions().running())
            numberListOffMeanwhile = numberListOffMeanwhile && !numberList->isChecked();
    });
    w.pick(54);
    w.prompt.inputAnswers = {QStringLiteral("4711")};
    QTest::mouseClick(w.form->datenbank()->BitBtn9, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(w.form->runner()));

    ASSERT_EQ(w.opened.size(), 1) << w.prompt.texts("information").join("|").toStdString();
    const QString report = w.dir.file(QStringLiteral("cwd/Test.txt"));
    EXPECT_EQ(w.opened[0], QUrl::fromLocalFile(report));
    QFile f(report);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    // The 16 designed lines, then 18 of what chance gives; each ended by CR LF.
    ASSERT_EQ(lines.size(), 16 + 18 + 1);
    EXPECT_EQ(lines[0], w.text(33).toUtf8() + "\r");
    EXPECT_EQ(lines[15], "6 " + w.text(1).toUtf8() + "\r") << "checked: 55 to 59, and 59 again";
    EXPECT_TRUE(lines[32].startsWith("Tipps mit 3 Richtigen oder mehr: ")) << lines[32].toStdString();
    EXPECT_TRUE(numberListOffMeanwhile);
    EXPECT_TRUE(numberList->isChecked());
    numberList->setChecked(false);
    EXPECT_FALSE(w.form->session().calculation().snapshot().showNumberListFirst) << "the user's edits count again";
    EXPECT_EQ(w.form->session().currentDrawIndex(), 59);
    EXPECT_EQ(w.form->datenbank()->DateTimePicker1->date(), fromDays(w.records[59].date));
    EXPECT_EQ(w.form->datenbank()->BitBtn9->text(),
              QStringLiteral("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"));
}

TEST(AnalysisWindow, AnUnwritableWorkingFolderSendsTestTxtToTheProgramFolderAndSaysSo)
{
    AnalysisWindow w;
    w.form->analysisActions().currentFolder = [&w] { return w.dir.file(QStringLiteral("gone")); };
    w.pick(58);
    w.prompt.inputAnswers = {QStringLiteral("1")};
    QTest::mouseClick(w.form->datenbank()->BitBtn9, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(w.form->runner()));
    ASSERT_EQ(w.opened.size(), 1);
    EXPECT_EQ(w.opened[0], QUrl::fromLocalFile(w.dir.file(kParameterReportName)));
    ASSERT_EQ(w.prompt.texts("information").size(), 1);
    EXPECT_TRUE(w.prompt.texts("information")[0].contains(QDir::toNativeSeparators(w.dir.file(kParameterReportName))));
}

TEST(AnalysisWindow, AFailedParameterAnalysisShowsText34AndStillPutsCheckBox20Back)
{
    AnalysisWindow w(std::vector<DrawRecord>{});
    auto* numberList = w.form->findChild<QCheckBox*>(QStringLiteral("CheckBox20"));
    ASSERT_NE(numberList, nullptr);
    numberList->setChecked(true);
    w.prompt.inputAnswers = {QStringLiteral("1")};
    QTest::mouseClick(w.form->datenbank()->BitBtn9, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(w.form->runner()));
    EXPECT_TRUE(w.opened.isEmpty());
    EXPECT_TRUE(w.prompt.texts("information").contains(w.text(34)));
    EXPECT_TRUE(numberList->isChecked());

    // A seed that is no whole number is an error of its own kind, with the same text.
    AnalysisWindow v;
    v.prompt.inputAnswers = {QStringLiteral("zwölf")};
    QTest::mouseClick(v.form->datenbank()->BitBtn9, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(v.form->runner()));
    EXPECT_TRUE(v.prompt.texts("information").contains(v.text(34)));
    EXPECT_TRUE(v.opened.isEmpty());
}

// The seed box proposes a seed within its range; "Abbrechen" and a seed outside 1..99999999 run
// nothing, the latter with a message.
TEST(AnalysisWindow, TheSeedBoxCancelsAndRefusesSeedsOutsideItsRange)
{
    AnalysisWindow w;
    struct Case {
        std::optional<QString> answer;
        bool refused;
    };
    for (const Case& c : {Case{std::nullopt, false}, Case{QStringLiteral("0"), true},
                          Case{QStringLiteral("100000000"), true}, Case{QStringLiteral("-5"), true}}) {
        RandomGenerator::shared().setSeed(199999999u);
        w.prompt.shown.clear();
        w.prompt.inputAnswers = {c.answer};
        QTest::mouseClick(w.form->datenbank()->BitBtn9, Qt::LeftButton);
        EXPECT_TRUE(test::waitForLongAction(w.form->runner()));
        const std::string what = c.answer.value_or("Abbrechen").toStdString();
        EXPECT_EQ(w.prompt.shown.front().text, w.text(31) + "|2") << what;
        EXPECT_EQ(w.prompt.texts("information"), c.refused ? QStringList{w.text(62)} : QStringList{}) << what;
        EXPECT_TRUE(w.opened.isEmpty()) << what;
    }
    w.prompt.inputAnswers = {QStringLiteral("99999999")};
    QTest::mouseClick(w.form->datenbank()->BitBtn9, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(w.form->runner()));
    EXPECT_EQ(w.opened.size(), 1);
}

TEST(AnalysisWindow, TheRepeatAnalysisWritesTestRtfAndLeavesTheLastDrawInRowOne)
{
    AnalysisWindow w;
    w.pick(57);
    w.prompt.inputAnswers = {QStringLiteral("6")};
    QTest::mouseClick(w.form->datenbank()->BitBtn19, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(w.form->runner()));

    ASSERT_EQ(w.opened.size(), 1);
    const QString report = w.dir.file(kRepeatReportName);
    EXPECT_EQ(w.opened[0], QUrl::fromLocalFile(report));
    EXPECT_EQ(w.form->pages()->currentWidget(), w.form->lottotipp());
    EXPECT_EQ(w.prompt.shown.front().text, w.text(39) + "|6");

    QuietRunControl run;
    RepeatAnalysisOptions o;
    o.chosen = w.records[57].date;
    o.start = toDays(QDate(1985, 10, 17));
    const RepeatAnalysisResult expected =
        runRepeatAnalysis(w.dir.archivePath(), o, run, [](const RepeatMatch&) { return true; });
    EXPECT_EQ(test::rtfLines(w.dir.readFile(kRepeatReportName)),
              repeatReportLines(expected.table, w.form->session().texts()));

    EXPECT_EQ(w.form->session().currentDrawIndex(), 59);
    TipRowTexts row1 = textsOf(w.records[58]);
    std::sort(row1.begin(), row1.end(), [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    EXPECT_EQ(w.form->tipGrid()->rowTexts(0), row1);
    EXPECT_EQ(w.form->datenbank()->DateTimePicker1->date(), fromDays(w.records[59].date));
}

// A match is asked about over the draw being analysed, and "vom" stands apart from the date.
TEST(AnalysisWindow, TheRepeatAnalysisAsksOverTheAnalysedDraw)
{
    std::vector<DrawRecord> records = test::syntheticArchive(60);
    records[58].numbers = records[10].numbers;
    records[58].complementary = records[10].complementary;
    AnalysisWindow w(records);
    w.pick(57);
    w.prompt.inputAnswers = {QStringLiteral("6")};
    w.prompt.questionAnswers = {false};
    TipRowTexts row1;
    QString panel;
    w.prompt.onQuestion = [&] {
        row1 = w.form->tipGrid()->rowTexts(0);
        panel = w.form->lottotipp()->Label35->text();
    };
    QTest::mouseClick(w.form->datenbank()->BitBtn19, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(w.form->runner()));

    ASSERT_EQ(w.prompt.texts("question").size(), 1);
    EXPECT_EQ(w.prompt.shown.back().text, w.text(6) + " " + formatDate(records[10].date) + "  " + w.text(7));
    EXPECT_EQ(row1, textsOf(records[58]));
    EXPECT_TRUE(panel.contains(fromDays(records[58].date).toString("dd.MM.yy"))) << panel.toStdString();
}

TEST(AnalysisWindow, ASecondClickStopsTheRunningAnalysisWithoutReport)
{
    AnalysisWindow w(test::syntheticArchive(600));
    w.pick(2);
    w.prompt.inputAnswers = {QStringLiteral("1")};
    QPushButton* button = w.form->datenbank()->BitBtn9;
    const QString caption = button->text();
    bool stopShown = false, clicked = false;
    // Once it runs, a click waits in the event queue like the user's: the run must let it through.
    QObject::connect(&w.form->session(), &Session::statusShown, w.form.get(), [&] {
        if (clicked || !w.form->analysisActions().running()) return;
        clicked = true;
        QTimer::singleShot(0, w.form.get(), [&] {
            // Nothing that changes the archive or the rows may start while the analysis reads them.
            const auto* db = w.form->datenbank();
            stopShown = button->text() != caption && button->isEnabled() &&
                        !w.form->lottotipp()->BitBtn4->isEnabled() && !db->BitBtn2->isEnabled() &&
                        !db->BitBtn8->isEnabled() && !db->BitBtn6->isEnabled();
            QTest::mouseClick(button, Qt::LeftButton);
        });
    });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(w.form->runner()));
    EXPECT_TRUE(stopShown);
    EXPECT_TRUE(w.opened.isEmpty());
    EXPECT_EQ(w.form->statusText(0), QStringLiteral("Analyse abgebrochen"));
    EXPECT_EQ(button->text(), caption);
    EXPECT_TRUE(w.form->lottotipp()->BitBtn4->isEnabled());
}
