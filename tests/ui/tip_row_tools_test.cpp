// The row tools of the "Lottotipp" page in the real main window: editing a row in the number list,
// the number list inside "Tipps &berechnen", the lucky number, "Tipp.txt" and "Tippverteilung".
#include "app/session.h"
#include "app/setting_keys.h"
#include "archive/dates.h"
#include "generate/random_generator.h"
#include "generate/tip_text.h"
#include "long_action.h"
#include "main_window.h"
#include "modal.h"
#include "test_support.h"
#include "ui/chart_view.h"
#include "ui/page_diagramm.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"
#include "ui/tform6.h"
#include "ui/tip_grid.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace razoz;

namespace {

using test::whenModal;

// The shipped archive and the installation data in a folder of the window's own.
struct Window : test::MainWindow {
    Window() : test::MainWindow({.installData = true, .shippedArchive = true}) {}
    TipGrid& grid() { return *form.tipGrid(); }
    TForm6& list() { return form.form6(); }
    WeightBox* box(int k) { return list().CheckBox[std::size_t(k - 1)]; }
    void click(int k) { QTest::mouseClick(box(k), Qt::LeftButton, {}, QPoint(7, box(k)->height() / 2)); }
    std::vector<int> checked()
    {
        std::vector<int> out;
        for (int k = 1; k <= 49; ++k)
            if (box(k)->isChecked()) out.push_back(k);
        return out;
    }
    // "Liste für Zahlenreihengenerierung anzeigen / bearbeiten": the box where the page has it.
    void showNumberList(bool on)
    {
        if (auto* box = control<QCheckBox>("CheckBox20"))
            box->setChecked(on);
        else
            form.session().settings().set(key::ShowNumberListFirst, on);
    }
    TipRows calculate(std::uint32_t seed)
    {
        RandomGenerator::shared().setSeed(seed);
        QTest::mouseClick(form.lottotipp()->BitBtn4, Qt::LeftButton);
        EXPECT_TRUE(test::waitForLongAction(form.runner()));
        return grid().texts();
    }
};

} // namespace

TEST(TipRowTools, EditingARowWithFiveNumbersCheckedKeepsItsSixthBox)
{
    Window w;
    w.grid().setRowTexts(1, {"3", "11", "13", "15", "34", "35"});
    whenModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog, &w.list());
        EXPECT_EQ(dialog->windowTitle(), "2. Tipp");
        EXPECT_FALSE(w.list().BitBtn3->isVisible());
        EXPECT_TRUE(w.list().BitBtn4->isVisible());
        EXPECT_EQ(w.checked(), (std::vector<int>{3, 11, 13, 15, 34, 35}));
        EXPECT_EQ(w.list().boxColour(34), TForm6::kMarkedColour);
        EXPECT_EQ(w.list().boxColour(33), w.list().normalColour());
        for (int k : {3, 11, 13, 15, 34, 35, 40, 2, 9, 17, 33}) w.click(k);
        QTest::mouseClick(w.list().BitBtn1, Qt::LeftButton);
    });
    QTest::mouseClick(w.grid().editButton(1), Qt::LeftButton);
    // Checked at once: sorted, summed.
    EXPECT_EQ(w.grid().rowTexts(1), (TipRowTexts{"2", "9", "17", "33", "35", "40"}));
    EXPECT_TRUE(w.grid().sumLabel(1)->text().contains("136")) << w.grid().sumLabel(1)->text().toStdString();
    // The list is back in the calculation's look.
    EXPECT_EQ(w.list().windowTitle(), "Welche Zahlen für die Berechnung");
    EXPECT_TRUE(w.list().BitBtn3->isVisibleTo(&w.list()));
    EXPECT_FALSE(w.list().BitBtn4->isVisibleTo(&w.list()));
    EXPECT_EQ(w.list().boxColour(40), w.list().normalColour());

    // "Abbruch" leaves the row alone; row 12 edits Edit74 … Edit79.
    whenModal([&](QWidget*) {
        w.click(1);
        QTest::mouseClick(w.list().BitBtn2, Qt::LeftButton);
    });
    QTest::mouseClick(w.grid().editButton(1), Qt::LeftButton);
    EXPECT_EQ(w.grid().rowTexts(1), (TipRowTexts{"2", "9", "17", "33", "35", "40"}));
    whenModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "12. Tipp");
        for (int k : {44, 45, 46, 47, 48, 49}) w.click(k);
        QTest::mouseClick(w.list().BitBtn1, Qt::LeftButton);
    });
    QTest::mouseClick(w.grid().editButton(11), Qt::LeftButton);
    EXPECT_EQ(w.grid().box(11, 0)->objectName(), "Edit74");
    EXPECT_EQ(w.grid().rowTexts(11), (TipRowTexts{"44", "45", "46", "47", "48", "49"}));
}

TEST(TipRowTools, TheNumberListInTheCalculationKeepsRebuildsOrCancels)
{
    Window w;
    const TipRows plain = w.calculate(42);
    ASSERT_FALSE(plain[0][0].isEmpty());

    // OK (Enter, under "&Rechnen") keeps the pool: the same rows as without the list.
    w.showNumberList(true);
    w.grid().SpeedButton11Click();
    std::vector<int> offered;
    w.grid().setTexts(plain);
    whenModal([&](QWidget* dialog) {
        EXPECT_EQ(w.form.pages()->currentWidget(), w.form.lottotipp());
        EXPECT_TRUE(w.list().BitBtn3->isVisible());
        EXPECT_EQ(w.grid().texts(), TipRows{}) << "the rows are emptied before the list shows";
        offered = w.checked();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(w.calculate(42), plain);
    ASSERT_GT(offered.size(), 20u);
    EXPECT_LT(offered.size(), 49u) << "the last draw's numbers have no entry";
    EXPECT_EQ(w.form.statusText(1), w.form.session().text(26));

    // "Abbruch" ends the calculation at once: no row is computed, the unlocked rows stay as the
    // list found them (emptied), a locked row as it was.
    TipRows before = plain;
    before[0] = {"1", "2", "3", "4", "5", "6"};
    w.grid().setTexts(before);
    w.grid().setRowLocked(0, true);
    const QString caption = w.form.lottotipp()->BitBtn4->text();
    whenModal([&](QWidget*) { QTest::mouseClick(w.list().BitBtn2, Qt::LeftButton); });
    w.calculate(42);
    TipRows emptied{};
    emptied[0] = before[0];
    EXPECT_EQ(w.grid().texts(), emptied);
    w.grid().setRowLocked(0, false);
    EXPECT_EQ(w.form.lottotipp()->BitBtn4->text(), caption);
    EXPECT_TRUE(w.form.session().settingsLoaded());

    // "&Rechnen" draws only from the numbers left checked.
    std::set<int> kept;
    whenModal([&](QWidget*) {
        const std::vector<int> on = w.checked();
        for (std::size_t i = 0; i < on.size(); ++i) {
            if (i % 2 == 0 && kept.size() < 14)
                kept.insert(on[i]);
            else
                w.click(on[i]); // unchecks
        }
        QTest::mouseClick(w.list().BitBtn3, Qt::LeftButton);
    });
    const TipRows rebuilt = w.calculate(42);
    ASSERT_EQ(kept.size(), 14u);
    ASSERT_FALSE(rebuilt[0][0].isEmpty());
    for (const TipRowTexts& row : rebuilt)
        for (const QString& box : row) {
            if (!box.isEmpty()) {
                EXPECT_TRUE(kept.count(box.toInt())) << box.toStdString();
            }
        }
}

TEST(TipRowTools, TheSameLuckyNumberTwiceGivesTheSameRows)
{
    Window w;
    auto lucky = [&](const QString& number) {
        w.prompt.inputAnswers.push_back(number);
        QTest::mouseClick(w.form.lottotipp()->SpeedButton13, Qt::LeftButton);
        EXPECT_EQ(w.form.statusText(1), "Glückszahl " + number);
        QTest::mouseClick(w.form.lottotipp()->BitBtn4, Qt::LeftButton);
        EXPECT_TRUE(test::waitForLongAction(w.form.runner()));
        return w.grid().texts();
    };
    const TipRows first = lucky("4711");
    ASSERT_FALSE(first[0][0].isEmpty());
    w.grid().SpeedButton11Click();
    EXPECT_EQ(lucky("4711"), first);
    EXPECT_NE(lucky("4712"), first);
    EXPECT_EQ(w.prompt.shown.back().caption, "Glückszahl eingeben (1-99999999)?");
}

// After start-up the window ends its calculation at the latest draw; razoz-cli without --end does
// the same, so one lucky number gives the same rows in both, and the picker ends on that draw.
TEST(TipRowTools, TheWindowAndRazozCliGiveTheSameRowsForOneLuckyNumber)
{
    Window w;
    const QDate latest = w.control<QDateEdit>("DateTimePicker1")->date();
    w.dir().writeFile("cli.ini", "[General]\n");
    w.prompt.inputAnswers.push_back(QStringLiteral("12345"));
    QTest::mouseClick(w.form.lottotipp()->SpeedButton13, Qt::LeftButton);
    QTest::mouseClick(w.form.lottotipp()->BitBtn4, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(w.form.runner()));
    const TipRows window = w.grid().texts();
    const test::CliResult cli = test::runCli({"--program-folder", w.dir().path(), "--settings", w.dir().file("cli.ini"),
                                              "generate", "--seed", "12345", "--json"});
    ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();
    const QJsonObject out = QJsonDocument::fromJson(cli.out.toUtf8()).object();
    const QJsonArray rows = out["rows"].toArray();
    ASSERT_EQ(rows.size(), kTipRows);
    for (int r = 0; r < kTipRows; ++r) {
        QStringList texts;
        for (const QJsonValue& v : rows[r].toArray()) texts << QString::number(v.toInt());
        if (texts.isEmpty()) texts = QStringList(kTipColumns, QString());
        EXPECT_EQ(texts, QStringList(window[std::size_t(r)].begin(), window[std::size_t(r)].end())) << "row " << r + 1;
    }
    EXPECT_EQ(out["end"].toString(), latest.toString("dd.MM.yyyy"));
}

TEST(TipRowTools, TippWritesTheRowsAndOpensTheFile)
{
    Window w;
    TipRows rows{};
    rows[0] = {"3", "11", "13", "15", "34", "35"};
    rows[1] = {"4", "9", "17", "22", "30", "41"};
    w.grid().setTexts(rows);
    QTest::mouseClick(w.form.lottotipp()->BitBtn7, Qt::LeftButton);
    ASSERT_EQ(w.opened.size(), 1);
    EXPECT_EQ(w.opened[0], QUrl::fromLocalFile(w.dir().file("Tipp.txt")));
    // The shipped archive ends with Monday 07.09.2026: the next draw is the Thursday.
    ASSERT_EQ(fromDays(w.form.session().currentDraw().date), QDate(2026, 9, 7));
    const QDate next(2026, 9, 10);
    const QStringList lines = QString::fromUtf8(w.dir().readFile("Tipp.txt")).split('\n');
    EXPECT_TRUE(lines[0].startsWith("Razoz-Quorex Tipp für "));
    EXPECT_TRUE(lines[0].endsWith(" " + next.toString("dd.MM.yy"))) << lines[0].toStdString();
    EXPECT_EQ(lines[3], " 1. Tipp:  3   11   13   15   34   35");
    EXPECT_EQ(lines[4], " 2. Tipp:  4    9   17   22   30   41");

    // One draw day only: a week after the shown draw.
    w.form.lottotipp()->CheckBox17->setChecked(false);
    QTest::mouseClick(w.form.lottotipp()->BitBtn7, Qt::LeftButton);
    const QStringList weekly = QString::fromUtf8(w.dir().readFile("Tipp.txt")).split('\n');
    EXPECT_TRUE(weekly[0].endsWith(" 14.09.26")) << weekly[0].toStdString();
    EXPECT_TRUE(w.prompt.texts("error").isEmpty());
}

TEST(TipRowTools, TippverteilungChartsTheRowsUpToTheFirstEmptyBox)
{
    Window w;
    TipRows rows{};
    rows[0] = {"1", "2", "3", "4", "5", "6"};
    rows[1] = {"2", "3", "10", "20", "30", "49"};
    rows[3] = {"7", "8", "9", "10", "11", "12"};
    w.grid().setTexts(rows);
    QTest::mouseClick(w.form.lottotipp()->Button6, Qt::LeftButton);
    EXPECT_EQ(w.form.pages()->currentWidget(), w.form.diagramm());
    const BarChart& chart = w.form.diagramm()->lastChart();
    ASSERT_EQ(chart.bars.size(), 49u);
    EXPECT_EQ(chart.bars[1].y, 2);
    EXPECT_EQ(chart.bars[9].y, 1) << "row 4 comes after the empty row 3";
    EXPECT_EQ(chart.bars[10].y, 0);
    EXPECT_EQ(chart.title, w.form.session().text(29));
    EXPECT_EQ(w.form.diagramm()->Chart1->drawnColour(1), ChartView::kRed);
    EXPECT_FALSE(w.form.diagramm()->lastStatistic().has_value());
}
