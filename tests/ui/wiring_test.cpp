// The main window's archive maintenance, slip printing and tip files, driven through its controls.
#include "archive/draw_archive.h"
#include "http_server.h"
#include "long_action.h"
#include "main_window.h"
#include "modal.h"
#include "test_support.h"
#include "tipfiles/tip_file.h"
#include "ui/click_label.h"
#include "ui/datenbank_actions.h"
#include "ui/page_datenbank.h"
#include "ui/page_internet.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"

#include "ui/tform3.h"
#include "ui/tform5.h"
#include "ui/tform8.h"
#include "ui/tip_grid.h"
#include <QTabWidget>

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;

namespace {

// Four draws ending on the Saturday at least a week before today, so an update asks for a few days only.
std::vector<DrawRecord> recentArchive()
{
    QDate last = QDate::currentDate().addDays(-7);
    while (last.dayOfWeek() != Qt::Saturday) last = last.addDays(-1);
    return {draw(last.addDays(-9), {1, 2, 3, 4, 5, 6}, 7, 1), draw(last.addDays(-7), {2, 3, 4, 5, 6, 7}, 8, 2),
            draw(last.addDays(-2), {3, 4, 5, 6, 7, 8}, 9, 3), draw(last, {4, 5, 6, 7, 8, 9}, 10, 4)};
}

// The results server of these tests: one draw for every day asked.
struct ResultsServer : test::HttpServer {
    ResultsServer() : test::HttpServer(body("1,11,12,13,14,15,16,17,8;")) {}
};

} // namespace

TEST(ArchiveWiring, UpdateFromTheServerOfTheInternetPageShowsTheNewestDraw)
{
    ResultsServer server;
    test::ProgramDir dir;
    dir.writeArchive(recentArchive());
    test::MainWindow w(dir);
    DatenbankPage* db = w.form.datenbank();
    EXPECT_TRUE(db->Label99->text().startsWith("4 Ziehungen")) << db->Label99->text().toStdString();

    // The address typed on the "Internet-Optionen" page counts, not the one of the start.
    w.form.internet()->ServerURLEdit->setText(server.url());
    std::vector<bool> stopVisible;
    QObject::connect(&w.form.session(), &Session::drawChanged,
                     [&] { stopVisible.push_back(db->SpeedButton8->isVisible()); });
    // While it runs the stop button shows, and nothing on the page lies over it.
    bool stopReachable = false;
    QObject::connect(&w.form.session(), &Session::statusShown, [&] {
        if (!db->SpeedButton8->isVisible()) return;
        stopReachable = true;
        for (QWidget* other : db->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (other != db->SpeedButton8 && other->isVisible() &&
                other->geometry().intersects(db->SpeedButton8->geometry()))
                stopReachable = false;
    });
    w.form.pages()->setCurrentWidget(db);
    QTest::mouseClick(db->BitBtn1, Qt::LeftButton);
    ASSERT_TRUE(test::waitForLongAction(w.form.runner()));
    EXPECT_FALSE(server.targets().empty());
    EXPECT_TRUE(w.prompt.texts("error").isEmpty()) << w.prompt.texts("error").join("|").toStdString();
    const auto records = DrawArchive(dir.archivePath()).readAll();
    ASSERT_GT(records.size(), 4u);
    EXPECT_EQ(w.form.session().currentDraw().date, records.back().date);
    EXPECT_TRUE(w.form.lottotipp()->Label35->text().contains("11"))
        << w.form.lottotipp()->Label35->text().toStdString();
    EXPECT_TRUE(db->Label99->text().startsWith(QString("%1 Ziehungen").arg(records.size())));
    EXPECT_FALSE(db->SpeedButton8->isVisible());
    EXPECT_TRUE(db->BitBtn1->isEnabled());
    EXPECT_TRUE(w.form.lottotipp()->SpeedButton10->isEnabled());
    EXPECT_EQ(stopVisible, std::vector<bool>{false}); // one selection, after the buttons came back
    EXPECT_TRUE(stopReachable);

    // "Löschen" removes the draw on display; the last one gone, the new last one shows.
    QTest::mouseClick(db->BitBtn6, Qt::LeftButton);
    const auto after = DrawArchive(dir.archivePath()).readAll();
    ASSERT_EQ(after.size(), records.size() - 1);
    EXPECT_EQ(w.form.session().currentDraw().date, after.back().date);

    // The server gone: a clear message, the archive as it was, the buttons back.
    w.form.internet()->ServerURLEdit->setText("http://127.0.0.1:1");
    QTest::mouseClick(w.form.lottotipp()->SpeedButton10, Qt::LeftButton);
    ASSERT_TRUE(test::waitForLongAction(w.form.runner()));
    ASSERT_EQ(w.prompt.texts("error").size(), 1);
    EXPECT_EQ(DrawArchive(dir.archivePath()).readAll(), after);
    EXPECT_TRUE(db->BitBtn1->isEnabled());
}

TEST(ArchiveWiring, CsvImportFromTheDatenbankPageSelectsTheImportedDraw)
{
    test::ProgramDir dir;
    dir.copyInstallData();
    dir.writeArchive(test::syntheticArchive(4)); // up to Sat 26.10.1985
    test::MainWindow w(dir);
    dir.writeFile("new.csv", "Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\n31.10.1985;10;14;29;33;46;48;30;\n");
    w.prompt.fileAnswers = {dir.file("new.csv")};
    w.form.datenbank()->DateTimePicker1->setDate(QDate(1985, 10, 31));
    QTest::mouseClick(w.form.datenbank()->BitBtn10, Qt::LeftButton);
    ASSERT_TRUE(test::waitForLongAction(w.form.runner()));
    EXPECT_EQ(DrawArchive(dir.archivePath()).recordCount(), 5);
    EXPECT_EQ(fromDays(w.form.session().currentDraw().date), QDate(1985, 10, 31));
    EXPECT_TRUE(w.form.datenbank()->Label99->text().startsWith("5 Ziehungen"));
    w.form.LanguageClick(1); // the line speaks the new language
    EXPECT_TRUE(w.form.datenbank()->Label99->text().startsWith("5 draws"))
        << w.form.datenbank()->Label99->text().toStdString();
}

TEST(PrintWiring, MenuEntryPrintsTheGridAndTheDialogValuesSurviveARestart)
{
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(4));
    {
        test::MainWindow w(dir);
        // The dialogs are windows of their own, so their "Edit1" never answers for the grid's.
        EXPECT_EQ(w.form.form5().parentWidget(), nullptr);
        EXPECT_EQ(w.form.form8().parentWidget(), nullptr);
        TipRows rows{};
        rows[0] = {"7", "12", "19", "23", "31", "44"};
        w.form.tipGrid()->setTexts(rows);
        std::optional<SlipPage> shown;
        w.form.slipPreview = [&](const SlipPage& p) { shown = p; };
        auto* entry = w.form.findChild<QAction*>("Scheindrucken1");
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->shortcut(), QKeySequence("Ctrl+P"));
        test::clickInNextModal("BitBtn2");
        entry->trigger();
        ASSERT_TRUE(shown);
        EXPECT_FALSE(shown->marks.empty());
        EXPECT_EQ(w.form.session().ticketNumber().size(), 7);
        EXPECT_TRUE(w.form.lottotipp()->Losnummer->text().contains(w.form.session().ticketNumber()));
        w.form.form8().edits[1]->setText("33");
        w.form.form8().edits[14]->setText("mein.jpg");
        w.form.close();
    }
    test::MainWindow again(dir);
    EXPECT_EQ(again.form.form8().edits[1]->text(), "33");
    EXPECT_EQ(again.form.form8().edits[14]->text(), "mein.jpg");
    EXPECT_EQ(again.form.tipGrid()->texts()[0][0], "7"); // the grid's own Edit1 kept apart
}

TEST(PrintWiring, CommandLineDLoadsTheTipFilePrintsAndCloses)
{
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(4));
    dir.writeFile("tipp.wtp", "3,11,13,15,34,35\r\n1,2,3,4,5,6:comment\r\n");
    test::clickInNextModal("BitBtn1"); // the print settings, aborted
    test::MainWindow w(dir, {.arguments = {"D", dir.file("tipp.wtp")}});
    EXPECT_EQ(w.form.tipGrid()->texts()[0], (TipRowTexts{"3", "11", "13", "15", "34", "35"}));
    EXPECT_EQ(w.form.tipGrid()->texts()[1], (TipRowTexts{"1", "2", "3", "4", "5", "6"}));
    QTest::qWait(1);
    EXPECT_FALSE(w.form.isVisible());

    // A tip file that cannot be read: the reason, no print dialog, closed all the same.
    test::MainWindow missing(dir, {.arguments = {"D", dir.file("fehlt.wtp")}});
    ASSERT_EQ(missing.prompt.texts("error").size(), 1);
    EXPECT_TRUE(missing.prompt.texts("error")[0].contains("fehlt.wtp"));
    EXPECT_FALSE(missing.form.form5().isVisible());
    QTest::qWait(1);
    EXPECT_FALSE(missing.form.isVisible());
}

TEST(TipFileWiring, SaveAndLoadButtonsBesideTheGrid)
{
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(4));
    test::MainWindow w(dir);
    TipRows rows{};
    rows[2] = {"5", "9", "17", "28", "40", "49"};
    w.form.tipGrid()->setTexts(rows);
    w.prompt.fileAnswers = {dir.file("gespeichert.wtp")};
    QTest::mouseClick(w.form.lottotipp()->SpeedButton15, Qt::LeftButton);
    EXPECT_EQ(readTipFile(dir.file("gespeichert.wtp")), rows);

    w.form.tipGrid()->setTexts(TipRows{});
    w.prompt.fileAnswers = {dir.file("gespeichert.wtp")};
    QTest::mouseClick(w.form.lottotipp()->SpeedButton16, Qt::LeftButton);
    EXPECT_EQ(w.form.tipGrid()->texts(), rows);
    EXPECT_TRUE(w.prompt.texts("error").isEmpty());
}

TEST(ArchiveWiring, EingebenOpensTheEntryDialogForThePickersDrawAndStoresWhatWasTyped)
{
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(4)); // Thu 17.10., Sat 19.10., Thu 24.10., Sat 26.10.1985
    test::MainWindow w(dir);
    const auto before = DrawArchive(dir.archivePath()).readAll();
    w.form.datenbank()->DateTimePicker1->setDate(QDate(1985, 10, 19));
    DrawRecord shown;
    test::whenModal([&shown](QWidget* modal) {
        auto* dialog = qobject_cast<TForm3*>(modal);
        ASSERT_NE(dialog, nullptr);
        shown = *dialog->record();
        dialog->DateTimePicker1->setDate(QDate(1985, 10, 31));
        for (int i = 0; i < 6; ++i) dialog->Edit[std::size_t(i)]->setValue(40 + i);
        QTest::mouseClick(dialog->BitBtn2, Qt::LeftButton);
    });
    QTest::mouseClick(w.form.datenbank()->BitBtn8, Qt::LeftButton);
    EXPECT_EQ(shown, before[1]); // the dialog starts from the draw of the picker's date
    const auto after = DrawArchive(dir.archivePath()).readAll();
    ASSERT_EQ(after.size(), 5u);
    EXPECT_EQ(fromDays(after.back().date), QDate(1985, 10, 31));
    EXPECT_EQ(after.back().numbers[0], 40);
    // Afterwards the draw of the reference date is shown again.
    EXPECT_EQ(fromDays(w.form.session().currentDraw().date), QDate(1985, 10, 19));
    EXPECT_TRUE(w.form.datenbank()->Label99->text().startsWith("5 Ziehungen"));
}
