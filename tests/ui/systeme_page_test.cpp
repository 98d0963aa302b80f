// The "Systeme" page in the real window: a system built from typed numbers is proven and shown,
// its rows go into the grid slip by slip, the build stops on its button, bad numbers start nothing,
// and the check of tip files names the holes a missing row leaves.
#include "long_action.h"
#include "main_window.h"
#include "systems/system_build.h"
#include "test_support.h"
#include "ui/page_systeme.h"
#include "ui/tform1.h"
#include "ui/tiers_dialog.h"
#include "ui/tip_grid.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>

using namespace razoz;
using namespace razoz::systems;

namespace {

struct Window : test::MainWindow {
    explicit Window(const test::ProgramDir& dir) : test::MainWindow(dir)
    {
        form.pages()->setCurrentWidget(form.systeme());
    }
    SystemePage& page() { return *form.systeme(); }
    void request(const QString& numbers, int t, int m, int seconds = 5)
    {
        page().SysNumbers->setText(numbers);
        page().SysT->setValue(t);
        page().SysM->setValue(m);
        page().SysSeconds->setValue(seconds);
    }
    void build()
    {
        QTest::mouseClick(page().SysBuild, Qt::LeftButton);
        ASSERT_TRUE(test::waitForLongAction(form.runner()));
    }
};

test::ProgramDir withArchive()
{
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(30));
    return dir;
}

// The page's rows as position masks over its numbers, for an independent check.
std::vector<RowMask> masksOf(const SystemePage& page)
{
    std::vector<RowMask> masks;
    for (const auto& row : page.rows()) masks.push_back(rowMask({row.begin(), row.end()}, page.systemNumbers()));
    return masks;
}

} // namespace

class ThreeIfThree : public ::testing::TestWithParam<int> {};

TEST_P(ThreeIfThree, TypedNumbersGiveAProvenSystemShownWithItsSize)
{
    const int v = GetParam();
    const test::ProgramDir dir = withArchive();
    Window w(dir);
    QStringList numbers;
    for (int i = 0; i < v; ++i) numbers << QString::number(3 + 4 * i);
    w.request(numbers.join(", "), 3, 3);
    EXPECT_TRUE(w.page().SysSizes->text().contains(QString("Volles System: %1 Tipps").arg(binomial(v, 6))))
        << w.page().SysSizes->text().toStdString();
    w.build();

    const auto size = w.page().rows().size();
    ASSERT_GT(size, 0u) << w.page().SysMessage->text().toStdString();
    EXPECT_EQ(w.page().systemNumbers().size(), std::size_t(v));
    EXPECT_TRUE(checkGuarantee(masksOf(w.page()), v, {3, 3}).holds());
    EXPECT_GE(size, lowerBound(v, {3, 3}).rows);
    EXPECT_TRUE(w.page().SysResult->text().contains(QString(": %1 Tipps").arg(size)))
        << w.page().SysResult->text().toStdString();
    EXPECT_EQ(w.page().SysRows->document()->blockCount(), int(size));
    EXPECT_TRUE(w.page().SysTiers->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Numbers, ThreeIfThree, ::testing::Values(7, 8, 9, 10));

TEST(SystemePage, RowsGoIntoTheGridTwelveAtATime)
{
    const test::ProgramDir dir = withArchive();
    Window w(dir);
    w.request("2 4 6 8 10 12 14 16", 6, 6); // the full system: 28 rows
    w.build();
    SystemePage& page = w.page();
    ASSERT_EQ(page.rows().size(), 28u);
    EXPECT_EQ(page.SysCost->text(), "28 Tipps auf 3 Scheinen · 21,00 € pro Ziehung");
    const auto gridRow = [&](int r) {
        const TipRowTexts t = w.form.tipGrid()->rowTexts(r);
        return QStringList(t.begin(), t.end()).join(' ');
    };
    const auto systemRow = [&](int r) {
        QStringList out;
        for (int n : page.rows()[std::size_t(r)]) out << QString::number(n);
        return out.join(' ');
    };
    QTest::mouseClick(page.SysToGrid, Qt::LeftButton);
    EXPECT_EQ(page.SysSlip->text(), "Schein 1 von 3");
    EXPECT_EQ(gridRow(0), systemRow(0));
    EXPECT_EQ(gridRow(11), systemRow(11));
    EXPECT_FALSE(page.SysPrev->isEnabled());
    QTest::mouseClick(page.SysNext, Qt::LeftButton);
    EXPECT_EQ(page.SysSlip->text(), "Schein 2 von 3");
    EXPECT_EQ(gridRow(0), systemRow(12));
    QTest::mouseClick(page.SysNext, Qt::LeftButton);
    EXPECT_EQ(page.SysSlip->text(), "Schein 3 von 3");
    EXPECT_EQ(gridRow(3), systemRow(27));
    EXPECT_EQ(gridRow(4), "     "); // the rest of the last slip is empty
    EXPECT_FALSE(page.SysNext->isEnabled());
    QTest::mouseClick(page.SysPrev, Qt::LeftButton);
    EXPECT_EQ(gridRow(0), systemRow(12));
    // "Gewinnklassen…" opens the tiers of the slip on show.
    QTest::mouseClick(page.SysTiers, Qt::LeftButton);
    ASSERT_TRUE(w.form.tiersDialog());
    EXPECT_TRUE(w.form.tiersDialog()->isVisible());
    EXPECT_EQ(w.form.tiersDialog()->rowsLabel->text(), "Reihen: System, Schein 2 von 3 (12 spielbare Reihen)");
}

TEST(SystemePage, ItsButtonStopsALongSearchWithTheBestSoFar)
{
    const test::ProgramDir dir = withArchive();
    Window w(dir);
    QStringList numbers;
    for (int n = 1; n <= 15; ++n) numbers << QString::number(n);
    w.request(numbers.join(' '), 4, 4, 3600);
    SystemePage& page = w.page();
    QTest::mouseClick(page.SysBuild, Qt::LeftButton);
    ASSERT_TRUE(w.form.runner().busy());
    EXPECT_EQ(page.SysBuild->text(), "Anhalten");
    EXPECT_TRUE(page.SysBuild->isEnabled());
    EXPECT_FALSE(page.SysCheck->isEnabled());
    QTest::qWait(300);
    QTest::mouseClick(page.SysBuild, Qt::LeftButton);
    ASSERT_TRUE(test::waitForLongAction(w.form.runner(), 20000)) << "the stop did not end the search";
    EXPECT_EQ(page.SysBuild->text(), "System berechnen");
    EXPECT_TRUE(page.SysCheck->isEnabled());
    if (page.rows().empty())
        EXPECT_EQ(page.SysMessage->text(), "Angehalten, bevor ein System gefunden war.");
    else
        EXPECT_TRUE(checkGuarantee(masksOf(page), 15, {4, 4}).holds());
}

struct BadNumbers {
    const char* text;
    const char* message;
};

class BadSystemNumbers : public ::testing::TestWithParam<BadNumbers> {};

TEST_P(BadSystemNumbers, AreExplainedOnThePageAndStartNothing)
{
    const test::ProgramDir dir = withArchive();
    Window w(dir);
    w.request(GetParam().text, 3, 3);
    QTest::mouseClick(w.page().SysBuild, Qt::LeftButton);
    EXPECT_FALSE(w.form.runner().busy());
    EXPECT_EQ(w.page().SysMessage->text().toStdString(), GetParam().message);
    EXPECT_EQ(w.page().SysNumbers->text(), GetParam().text); // nothing typed is lost
    EXPECT_TRUE(w.page().rows().empty());
    EXPECT_FALSE(QDir(dir.file("Systeme")).exists());
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadSystemNumbers,
    ::testing::Values(BadNumbers{"1 2 3 4 5",
                                 "Ein System braucht mindestens 6 verschiedene Zahlen von 1 bis 49 (bisher 5)."},
                      BadNumbers{"1 2 3 4 5 5", "Die Zahl 5 steht doppelt."},
                      BadNumbers{"1 2 3 4 5 50", "Die Zahl 50 liegt nicht zwischen 1 und 49."},
                      BadNumbers{"1 2 x 4 5 6", "„x“ ist keine Zahl."}));

TEST(SystemePage, CheckOfTipFilesWithOneRowRemovedShowsTheHoles)
{
    const test::ProgramDir dir = withArchive();
    Window w(dir);
    w.request("1 2 3 4 5 6 7 8 9 10 11 12 13 14", 3, 3);
    w.build();
    ASSERT_GT(w.page().rows().size(), 12u);
    QDir(dir.path()).mkdir("tips");
    w.prompt.fileAnswers.push_back(dir.file("tips"));
    QTest::mouseClick(w.page().SysSave, Qt::LeftButton);
    QStringList files;
    for (const QString& f : QDir(dir.file("tips")).entryList({"*.wtp"}, QDir::Files, QDir::Name))
        files << dir.file("tips/" + f);
    ASSERT_EQ(files.size(), w.page().slipCount());

    // The full files hold the system.
    w.prompt.questionAnswers = {false}; // not the system on show: tip files
    w.prompt.fileAnswers.push_back(files.join('\n'));
    QTest::mouseClick(w.page().SysCheck, Qt::LeftButton);
    ASSERT_TRUE(test::waitForLongAction(w.form.runner()));
    EXPECT_TRUE(w.page().SysCheckOut->toPlainText().contains("3 bei 3: 364 von 364 Fällen (100,00 %)  – erfüllt"))
        << w.page().SysCheckOut->toPlainText().toStdString();

    TipRows first = readTipFile(files[0]);
    first[0] = {};
    writeTipFile(files[0], first);
    w.prompt.questionAnswers = {false};
    w.prompt.fileAnswers.push_back(files.join('\n'));
    QTest::mouseClick(w.page().SysCheck, Qt::LeftButton);
    ASSERT_TRUE(test::waitForLongAction(w.form.runner()));
    const QString out = w.page().SysCheckOut->toPlainText();
    EXPECT_TRUE(out.contains("– nicht erfüllt")) << out.toStdString();
    EXPECT_TRUE(out.contains("Erste Lücken")) << out.toStdString();
    // Every hole named lies within the removed row.
    const auto removed = w.page().rows()[0];
    const QStringList lines = out.split('\n');
    const int at = lines.indexOf(QRegularExpression("^Erste Lücken.*"));
    ASSERT_GE(at, 0);
    ASSERT_LT(at + 1, lines.size());
    for (int i = at + 1; i < lines.size(); ++i)
        for (const QString& n : lines[i].split(' ', Qt::SkipEmptyParts))
            EXPECT_NE(std::find(removed.begin(), removed.end(), n.toInt()), removed.end()) << lines[i].toStdString();
}
