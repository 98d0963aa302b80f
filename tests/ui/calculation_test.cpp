// "Tipps &berechnen" in the real window: rows computed into the grid, locked rows kept, the
// caption restored, the final status shown.
#include "archive/dates.h"
#include "generate/random_generator.h"
#include "long_action.h"
#include "test_support.h"
#include "ui/page_berechnung.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"
#include "ui/tip_grid.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace razoz;

TEST(Calculation, TheButtonFillsTheRequestedRowsAndKeepsLockedOnes)
{
    test::ProgramDir dir;
    dir.copyInstallData();
    QFile::remove(dir.archivePath());
    ASSERT_TRUE(QFile::copy(QStringLiteral(RAZOZ_SHIPPED_DIR "/dovovuduv.dat"), dir.archivePath()));
    test::ScriptedPrompt prompt;
    TForm1 form(TForm1::Environment{dir.path(), &prompt, {}, dir.file("settings.ini"), {}});
    form.show();
    QTest::qWait(1);
    TipGrid& grid = *form.tipGrid();
    grid.setRowTexts(2, {"1", "2", "3", "4", "5", "6"});
    grid.setRowLocked(2, true);
    grid.setRowTexts(10, {"7", "8", "9", "10", "11", "12"}); // beyond the eight requested rows
    RandomGenerator::shared().setSeed(42);
    const QString caption = form.lottotipp()->BitBtn4->text();
    QTest::mouseClick(form.lottotipp()->BitBtn4, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(form.runner()));

    EXPECT_EQ(form.lottotipp()->BitBtn4->text(), caption);
    EXPECT_TRUE(form.session().settingsLoaded());
    for (int r = 0; r < 8; ++r) {
        if (r == 2) continue;
        for (const QString& box : grid.rowTexts(r)) EXPECT_FALSE(box.isEmpty()) << "row " << r + 1;
    }
    EXPECT_EQ(grid.rowTexts(2), (TipRowTexts{"1", "2", "3", "4", "5", "6"}));
    for (int r = 8; r < 12; ++r)
        for (const QString& box : grid.rowTexts(r)) EXPECT_TRUE(box.isEmpty()) << "row " << r + 1;
    const QString status = form.statusText(1);
    EXPECT_EQ(status, form.session().text(26)) << "every requested row was found";
    EXPECT_TRUE(prompt.texts("information").isEmpty());
    // Why these rows: the status's hint counts the candidates each test turned down, and the
    // calculation pages name the draw the calculation counted back from.
    const auto* panel = form.findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->toolTip().contains(QStringLiteral(" Kandidaten abgelehnt: "))) << panel->toolTip().toStdString();
    form.setStatus(1, QStringLiteral("x"));
    EXPECT_TRUE(panel->toolTip().isEmpty()) << "the hint belongs to the calculation's status only";
    const QString shown = fromDays(form.session().currentDraw().date).toString(QStringLiteral("dd.MM.yy"));
    EXPECT_TRUE(form.berechnung()->shownDraw->text().contains(shown))
        << form.berechnung()->shownDraw->text().toStdString();
}
