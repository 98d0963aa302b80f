#include "archive/draw_archive.h"
#include "main_window.h"
#include "test_support.h"
#include "ui/click_label.h"
#include "ui/page_datenbank.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"
#include "ui/tip_grid.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;

namespace {

struct Window : test::MainWindow {
    explicit Window(const test::ProgramDir& dir) : test::MainWindow(dir, {.settingsFile = false}) {}
    QString drawText() const { return form.lottotipp()->Label35->text(); }
};

} // namespace

TEST(MainWindow, HasEveryPageMenuAndStatusPanel)
{
    test::ProgramDir dir;
    dir.writeArchive({firstDraw()});
    Window w(dir);
    EXPECT_EQ(w.form.windowTitle(), "Tallwicks Razoz-Quorex  6 aus 49  La Dovovuduv Espania");
    QStringList tabs;
    for (int i = 0; i < w.form.pages()->count(); ++i) tabs << w.form.pages()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Lottotipp", "Berechnung", "Diagramm", "Datenbank", "Systeme", "Internet-Optionen"}));
    auto* inner = w.form.findChild<QTabWidget*>("PageControl2");
    ASSERT_TRUE(inner);
    QStringList innerTabs;
    for (int i = 0; i < inner->count(); ++i) innerTabs << inner->tabText(i);
    EXPECT_EQ(innerTabs, (QStringList{"Statistisch", "Schein Optimierung", "Mathematisch", "Allgemein"}));
    QStringList menus;
    for (QAction* a : w.form.menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Aktualisieren", "&Berechnen", "Ab&geben", "Schein &drucken", "Ge&winnklassen",
                                  "Sprache/Language/Langue", "Hilfe", "S&chließen"}));
    EXPECT_EQ(w.form.findChild<QAction*>("Aktualisieren1")->shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_EQ(w.form.findChild<QMenu*>("SpracheLanguageLangue1")->actions().size(),
              11); // nine languages, separator, export
    for (const char* name : {"Panel4", "SpeedButton6", "Label35", "SpeedButton7", "Label13", "Losnummer", "CheckBox16",
                             "CheckBox17", "Label29", "DateTimePicker1", "SpeedButton5", "StatusBar1"})
        EXPECT_TRUE(w.form.findChild<QWidget*>(name)) << name;
    // A hint shows in status panel 1 when the mouse enters its control.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w.form.lottotipp()->SpeedButton6, &enter);
    EXPECT_EQ(w.form.statusText(1), "vorhergehende Ziehung anzeigen");
    // A status written there comes back when the mouse leaves the hints behind.
    w.form.setStatus(1, "Berechnung der Tipps beendet");
    QApplication::sendEvent(w.form.lottotipp()->SpeedButton6, &enter);
    EXPECT_EQ(w.form.statusText(1), "vorhergehende Ziehung anzeigen");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.form.lottotipp()->SpeedButton6, &leave);
    EXPECT_EQ(w.form.statusText(1), "Berechnung der Tipps beendet");
}

TEST(MainWindow, MissingArchiveAsksToReadInAndCreatesAnEmptyOne)
{
    test::ProgramDir dir;
    Window w(dir);
    EXPECT_EQ(w.prompt.texts("information"), QStringList{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    EXPECT_TRUE(QFile::exists(dir.archivePath()));
    EXPECT_EQ(QFileInfo(dir.archivePath()).size(), 0);
    // Stepping in the empty archive shows nothing and never loops.
    QTest::mouseClick(w.form.lottotipp()->SpeedButton6, Qt::LeftButton);
    EXPECT_EQ(w.form.session().currentDrawIndex(), 0);
    EXPECT_TRUE(w.prompt.texts("error").isEmpty());
}

TEST(MainWindow, ArchiveThatCannotBeCreatedIsExplainedThenReported)
{
    test::ProgramDir dir;
    test::ScriptedPrompt prompt;
    TForm1 form(TForm1::Environment{dir.path() + "gone/", &prompt, {}, {}, {}}); // a folder that does not exist
    form.show();
    QTest::qWait(1);
    EXPECT_EQ(prompt.texts("information"), QStringList{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    ASSERT_FALSE(prompt.texts("error").isEmpty()); // the first chart reports the missing file too
    EXPECT_TRUE(prompt.texts("error").first().contains("dovovuduv.dat"));
}

TEST(MainWindow, StartShowsTheLatestDrawAndStepsUnderTheFilter)
{
    test::ProgramDir dir;
    // Thu 17.10., Sat 19.10., Thu 24.10., Sat 26.10.1985
    dir.writeArchive({firstDraw(), draw({1985, 10, 19}, {1, 2, 3, 4, 5, 6}, 7, 8),
                      draw({1985, 10, 24}, {10, 11, 12, 13, 14, 15}, 16, 1),
                      draw({1985, 10, 26}, {44, 45, 46, 47, 48, 49}, 1, 2)});
    Window w(dir);
    const QString sat = QLocale::system().dayName(6, QLocale::ShortFormat);
    const QString thu = QLocale::system().dayName(4, QLocale::ShortFormat);
    EXPECT_EQ(w.drawText(), sat + " 26.10.85     44  45  46  47  48  49 C:1 R:2");
    EXPECT_EQ(w.form.lottotipp()->Label13->text(), "QS: 279");
    EXPECT_EQ(w.form.session().currentDrawIndex(), 3);
    EXPECT_EQ(w.form.datenbank()->Label29->text(), w.drawText());

    int checks = 0;
    QObject::connect(w.form.tipGrid(), &TipGrid::checked, [&] { ++checks; });
    QTest::mouseClick(w.form.lottotipp()->SpeedButton6, Qt::LeftButton);
    EXPECT_EQ(w.drawText(), thu + " 24.10.85    10  11  12  13  14  15 C:16 R:1"); // two blanks after a step
    EXPECT_EQ(w.form.datenbank()->DateTimePicker1->date(), QDate(1985, 10, 24));
    EXPECT_EQ(checks, 1);

    // Without Thursday draws "previous" goes from Saturday 26.10. to Saturday 19.10.
    QTest::mouseClick(w.form.lottotipp()->SpeedButton7, Qt::LeftButton);
    w.form.lottotipp()->CheckBox17->setChecked(false);
    QTest::mouseClick(w.form.lottotipp()->SpeedButton6, Qt::LeftButton);
    EXPECT_EQ(w.form.session().currentDrawIndex(), 1);
    EXPECT_EQ(w.form.lottotipp()->Label13->text(), "QS: 21");

    // Selecting by date lands on the first draw on or after it, three blanks again.
    w.form.datenbank()->DateTimePicker1->setDate(QDate(1985, 10, 18));
    QTest::mouseClick(w.form.datenbank()->SpeedButton5, Qt::LeftButton);
    EXPECT_EQ(w.form.session().currentDrawIndex(), 1);
    EXPECT_TRUE(w.drawText().startsWith(sat + " 19.10.85     1"));
    EXPECT_EQ(checks, 4);
}

TEST(MainWindow, LatestDrawOnSaturday19October1985)
{
    test::ProgramDir dir;
    dir.writeArchive({firstDraw(), draw({1985, 10, 19}, {5, 9, 20, 21, 30, 41}, 12, 3)});
    Window w(dir);
    EXPECT_EQ(w.drawText(),
              QLocale::system().dayName(6, QLocale::ShortFormat) + " 19.10.85     5  9  20  21  30  41 C:12 R:3");
    EXPECT_EQ(w.form.session().currentDrawIndex(), 1);
}

TEST(MainWindow, StepWithoutArchiveReportsTheErrorAndKeepsTheDraw)
{
    test::ProgramDir dir;
    dir.writeArchive({firstDraw(), draw({1985, 10, 19}, {1, 2, 3, 4, 5, 6})});
    Window w(dir);
    const CurrentDraw before = w.form.session().currentDraw();
    QFile::remove(dir.archivePath());
    QTest::mouseClick(w.form.lottotipp()->SpeedButton6, Qt::LeftButton);
    ASSERT_EQ(w.prompt.texts("error").size(), 1);
    EXPECT_TRUE(w.prompt.texts("error").first().contains("dovovuduv.dat"));
    EXPECT_EQ(w.form.session().currentDraw(), before);
}

TEST(MainWindow, TicketNumberBoxKeepsTheOldNumberWhenCancelled)
{
    test::ProgramDir dir;
    dir.writeArchive({firstDraw()});
    Window w(dir);
    QStringList lines(55, QString());
    lines[12] = "Losnummer";
    lines[54] = "Losnummer eingeben";
    w.form.session().setTexts(lines);
    w.prompt.inputAnswers = {QString("1234567"), std::nullopt};
    QTest::mouseClick(w.form.lottotipp()->Losnummer, Qt::LeftButton);
    EXPECT_EQ(w.form.session().ticketNumber(), "1234567");
    EXPECT_EQ(w.form.lottotipp()->Losnummer->text(), "Losnummer: 1234567");
    QTest::mouseClick(w.form.lottotipp()->Losnummer, Qt::LeftButton);
    EXPECT_EQ(w.form.session().ticketNumber(), "1234567");
    EXPECT_EQ(w.prompt.shown.back().caption, "Losnummer eingeben");
    EXPECT_EQ(w.prompt.shown.back().text, "Losnummer: |1234567");
}

TEST(MainWindow, DrawPanelShowsItsTextsWholeInEveryShippedLanguage)
{
    test::ProgramDir dir;
    dir.copyInstallData();
    dir.writeArchive({firstDraw(), draw({1985, 10, 19}, {44, 45, 46, 47, 48, 49}, 43, 9)});
    Window w(dir);
    LottotippPage* page = w.form.lottotipp();
    auto fits = [](QWidget* widget, const QString& text) {
        return widget->fontMetrics().horizontalAdvance(text) <= widget->contentsRect().width();
    };
    for (int sprache : {0, 1, 3}) { // German, English, Spanish
        SCOPED_TRACE(sprache);
        w.form.LanguageClick(sprache);
        w.form.session().setTicketNumber({});
        w.prompt.inputAnswers = {QString("1234567")};
        EXPECT_TRUE(fits(page->Losnummer, w.form.session().text(54))) << w.form.session().text(54).toStdString();
        QTest::mouseClick(page->Losnummer, Qt::LeftButton);
        EXPECT_TRUE(page->Losnummer->text().endsWith("1234567"));
        EXPECT_TRUE(fits(page->Losnummer, page->Losnummer->text())) << page->Losnummer->text().toStdString();
        for (QCheckBox* box : {page->CheckBox16, page->CheckBox17})
            EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
    }
    EXPECT_TRUE(fits(page->Label35, page->Label35->text()));
    EXPECT_TRUE(fits(w.form.datenbank()->Label29, w.form.datenbank()->Label29->text()));
    EXPECT_TRUE(fits(page->Label13, page->Label13->text()));
    // Neighbours in the panel do not overlap.
    const QList<QWidget*> row{page->SpeedButton6, page->Label35,   page->SpeedButton7,
                              page->Label13,      page->Losnummer, page->CheckBox16};
    for (int i = 1; i < row.size(); ++i)
        EXPECT_LT(row[i - 1]->geometry().right(), row[i]->geometry().left()) << row[i]->objectName().toStdString();
    EXPECT_LE(page->CheckBox16->geometry().right(), page->Panel4->contentsRect().right());
}

TEST(MainWindow, LanguageChoiceKeepsTheSumOfTheShownDraw)
{
    test::ProgramDir dir;
    dir.copyInstallData();
    dir.writeArchive({firstDraw(), draw({1985, 10, 19}, {44, 45, 46, 47, 48, 49}, 43, 9)});
    Window w(dir);
    const QString text = w.drawText();
    for (int sprache : {1, 3, 0}) {
        w.form.LanguageClick(sprache);
        EXPECT_EQ(w.form.lottotipp()->Label13->text(), "QS: 279") << sprache;
        EXPECT_EQ(w.drawText(), text);
    }
}
