// "Gewinnklassen" in the real window: opened from the menu for the grid's rows over the whole
// archive, computed on the runner, the table naming the date a row won, the balance of the amounts.
#include "app/session.h"
#include "long_action.h"
#include "main_window.h"
#include "test_support.h"
#include "ui/date_picker.h"
#include "ui/page_lottotipp.h"
#include "ui/tier_charts.h"
#include "ui/tiers_dialog.h"
#include "ui/tip_grid.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace razoz;

TEST(TiersDialog, ComputesTheGridsRowsAndShowsTheBalance)
{
    test::ProgramDir dir;
    // The ticket number ends in 0: the first draw's Reintegro goes to both rows, the second draw's
    // six numbers to row 1 without it.
    dir.writeArchive({test::draw(QDate(2005, 3, 26), {1, 9, 17, 26, 33, 44}, 2, 0),
                      test::draw(QDate(2005, 4, 2), {3, 11, 19, 28, 37, 45}, 7, 5),
                      test::draw(QDate(2005, 4, 9), {10, 20, 30, 40, 41, 42}, 4, 3)});
    test::MainWindow w(dir);
    w.form.setLosnummer(QStringLiteral("1234560"));
    TipRows rows{};
    rows[0] = {"45", "3", "11", "19", "28", "37"};
    rows[1] = {"1", "2", "4", "5", "6", "8"};
    w.form.tipGrid()->setTexts(rows);

    w.action("Gewinnklassen1")->trigger();
    TiersDialog* d = w.form.tiersDialog();
    ASSERT_TRUE(d);
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "Gewinnklassen");
    EXPECT_EQ(d->startPicker->date(), QDate(2005, 3, 26));
    EXPECT_EQ(d->endPicker->date(), QDate(2005, 4, 9));

    // Another long action keeps it from starting, as it keeps the others from starting.
    w.form.setLongActionRunning(true);
    EXPECT_FALSE(d->computeButton->isEnabled());
    EXPECT_FALSE(w.action("Gewinnklassen1")->isEnabled());
    EXPECT_FALSE(w.form.lottotipp()->TiersButton->isEnabled());
    w.form.setLongActionRunning(false);
    QTest::mouseClick(d->computeButton, Qt::LeftButton);
    ASSERT_TRUE(test::waitForLongAction(w.form.runner()));
    ASSERT_TRUE(d->history());
    ASSERT_EQ(d->table->rowCount(), 3); // two rows and the total
    const int six = 1 + 3 * tierIndex(PrizeTier::Six);
    EXPECT_EQ(d->table->horizontalHeaderItem(six)->text(), "6");
    EXPECT_EQ(d->table->item(0, 0)->text(), "1. Tipp: 3 11 19 28 37 45");
    EXPECT_EQ(d->table->item(0, six)->text(), "1");
    EXPECT_TRUE(d->table->item(0, six)->toolTip().contains("02.04.2005"))
        << d->table->item(0, six)->toolTip().toStdString();
    EXPECT_EQ(d->table->item(1, six)->text(), "0");
    EXPECT_EQ(d->table->item(2, six)->text(), "1");
    const int reintegro = 1 + 3 * tierIndex(PrizeTier::Reintegro);
    EXPECT_EQ(d->table->item(2, reintegro)->text(), "2");
    EXPECT_EQ(d->bars->bars().size(), std::size_t(kPrizeTiers));

    // 2 rows × 3 draws × 1,00 € against 1.000.000,00 € for the six and the two Reintegro stakes.
    d->stakeEdit->clear();
    QTest::keyClicks(d->stakeEdit, "1,00");
    QTest::keyClicks(d->prizeEdits[1], "1.000.000");
    EXPECT_TRUE(d->balanceLabel->text().contains("Einsatz 6,00 €")) << d->balanceLabel->text().toStdString();
    EXPECT_TRUE(d->balanceLabel->text().contains("Bilanz 999.996,00 €")) << d->balanceLabel->text().toStdString();
    EXPECT_EQ(d->balanceChart->series().size(), 3u);
    EXPECT_EQ(w.form.session().settings().get(key::PrizeSix), "100000000");
    EXPECT_EQ(w.form.session().settings().get(key::StakePerRow), 100);
    // A text that is no amount counts as unknown and leaves the stored prize alone.
    QTest::keyClicks(d->prizeEdits[1], "x");
    EXPECT_TRUE(d->balanceLabel->text().contains("Bilanz -4,00 €")) << d->balanceLabel->text().toStdString();
    EXPECT_EQ(w.form.session().settings().get(key::PrizeSix), "100000000");
}
