// Start-up, shut-down, settings, interface languages and resizing of the real main window.
#include "app/languages.h"
#include "app/settings_schema.h"
#include "base/text_files.h"
#include "main_window.h"
#include "test_support.h"
#include "ui/click_label.h"
#include "ui/language_switch.h"
#include "ui/page_berechnung.h"
#include "ui/page_internet.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QUrl>

#include <cstring>

#include <gtest/gtest.h>

using namespace razoz;

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

// Copies the installed language files into the program folder.
void installLanguageFiles(const test::ProgramDir& dir)
{
    QDir().mkpath(dir.file("land"));
    const QDir source(QStringLiteral(RAZOZ_SOURCE_DIR "/data/land"));
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), dir.file("land/" + name));
}

QSettings ini(const test::ProgramDir& dir)
{
    return QSettings(dir.file("settings.ini"), QSettings::IniFormat);
}

// Receives the addresses the program asks the shell to open.

} // namespace

TEST(Shell, FirstStartUsesDesignDefaultsAndGermanTextsAndWritesEverythingAtClose)
{
    test::ProgramDir dir;
    installLanguageFiles(dir);
    {
        test::MainWindow w(dir);
        EXPECT_TRUE(w.form.lottotipp()->CheckBox16->isChecked());
        EXPECT_TRUE(w.form.lottotipp()->CheckBox17->isChecked());
        EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Samstag Ziehungen");
        EXPECT_EQ(w.form.windowTitle(), "Tallwicks Razoz-Quorex  6 aus 49  La Dovovuduv Espania");
        EXPECT_EQ(w.form.internet()->ProxyPortEdit->text(), "80");
        EXPECT_EQ(w.form.internet()->Edit81->text(), "0,50");
        EXPECT_EQ(w.form.internet()->ServerURLEdit->text(), "http://127.0.0.1:8049");
        EXPECT_FALSE(w.form.internet()->URLEdit->text().isEmpty()) << "a fixed start page";
        EXPECT_EQ(w.form.lottotipp()->Losnummer->text(), "Losnummer eingeben");
        EXPECT_EQ(w.form.session().texts().text(0), "Verteilung der gezogenen Zahlen");
        EXPECT_EQ(w.form.session().language(), 0);
        EXPECT_TRUE(w.action("Deutsch1")->isChecked());
        EXPECT_EQ(iterationLimit(w.form.session().calculation().snapshot()), 50000)
            << "UpDown7's design position times 1000";
        EXPECT_TRUE(w.form.session().settingsLoaded());
        EXPECT_TRUE(w.prompt.texts("information").contains("Lesen Sie zuerst die Daten der Ziehungen ein"));
        w.form.close();
    }
    QSettings s = ini(dir);
    EXPECT_EQ(s.value("Chekcbox16").toString(), "1");
    EXPECT_EQ(s.value("Chekcbox3").toString(), "1");
    EXPECT_EQ(s.value("Chekcbox1").toString(), "0");
    EXPECT_EQ(s.value("Sprache").toString(), "0");
    EXPECT_EQ(s.value("UpDown7").toString(), "50");
    EXPECT_EQ(s.value("height").toString(), "580");
    EXPECT_EQ(s.value("ProxyPortEdit").toString(), "80");
    EXPECT_EQ(s.value("Land").toString(), "1");
    EXPECT_EQ(s.value("TippTop").toString(), "50");
    EXPECT_EQ(s.value("Losnummer").toString(), "");
    EXPECT_EQ(s.value("DateTimePicker2").toByteArray().size(), 8);
}

TEST(Shell, BothDrawDaysStoredUncheckedStartCheckedAndAreWrittenBackChecked)
{
    test::ProgramDir dir;
    {
        QSettings s = ini(dir);
        s.setValue("Chekcbox16", 0);
        s.setValue("Chekcbox17", 0);
        s.setValue("Chekcbox18", 0);
    }
    {
        test::MainWindow w(dir);
        EXPECT_TRUE(w.form.lottotipp()->CheckBox16->isChecked());
        EXPECT_TRUE(w.form.lottotipp()->CheckBox17->isChecked());
        w.form.close();
    }
    QSettings s = ini(dir);
    EXPECT_EQ(s.value("Chekcbox16").toString(), "1");
    EXPECT_EQ(s.value("Chekcbox17").toString(), "1");
    EXPECT_EQ(s.value("Chekcbox18").toString(), "0") << "kept although its box is not built yet";

    // Only Thursday stays Thursday only.
    {
        QSettings t = ini(dir);
        t.setValue("Chekcbox16", 0);
    }
    test::MainWindow w(dir);
    EXPECT_FALSE(w.form.lottotipp()->CheckBox16->isChecked());
    EXPECT_TRUE(w.form.lottotipp()->CheckBox17->isChecked());
}

TEST(Shell, RunBudgetIsTheSpinPositionTimesAThousand)
{
    test::ProgramDir dir;
    ini(dir).setValue("UpDown7", 12000);
    {
        test::MainWindow w(dir);
        EXPECT_EQ(iterationLimit(w.form.session().calculation().snapshot()), 12000000);
        w.form.close();
    }
    // Without its control a stored position beyond the range counts as the maximum.
    ini(dir).setValue("UpDown7", 99999);
    test::MainWindow w(dir);
    EXPECT_EQ(iterationLimit(w.form.session().calculation().snapshot()), 30000000);
}

TEST(Shell, AWindowClosedBeforeItWasShownLeavesTheStoreAlone)
{
    test::ProgramDir dir;
    ini(dir).setValue("Losnummer", "1234567");
    test::MainWindow(dir, {.show = false}).form.close();
    EXPECT_EQ(ini(dir).value("Losnummer").toString(), "1234567");
    EXPECT_FALSE(ini(dir).contains("Chekcbox1"));
}

TEST(Shell, TipRowsTypedBeforeClosingAreThereAfterARestart)
{
    test::ProgramDir dir;
    ini(dir).setValue("Edit7F8", "44"); // a field whose window is not there keeps its value
    {
        test::MainWindow w(dir);
        QTest::keyClicks(w.control<QLineEdit>("Edit1"), "7");
        QTest::keyClicks(w.control<QLineEdit>("Edit2"), "49");
        w.form.internet()->ProxyHostEdit->setText("proxy.example");
        w.form.internet()->ProxyPortEdit->setText("3128");
        w.form.close();
    }
    test::MainWindow w(dir);
    EXPECT_EQ(w.control<QLineEdit>("Edit1")->text(), "7");
    EXPECT_EQ(w.control<QLineEdit>("Edit2")->text(), "49");
    EXPECT_EQ(w.form.internet()->ProxyPortEdit->text(), "3128");
    w.form.close();
    EXPECT_EQ(ini(dir).value("Edit7F8").toString(), "44");
}

TEST(Shell, EnglishThenGermanRestoresTheGermanTextsAndTheChoiceIsStored)
{
    test::ProgramDir dir;
    installLanguageFiles(dir);
    QFile::remove(dir.file("land/bezeich.txt.fr"));
    QFile::remove(dir.file("land/meldungen.txt.fr"));
    {
        test::MainWindow w(dir);
        w.form.session().setTicketNumber("1234567");
        w.action("Englisch1")->trigger();
        EXPECT_EQ(w.form.lottotipp()->Losnummer->text(), "Ticket number: 1234567");
        EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Saturday draws");
        EXPECT_EQ(w.form.lottotipp()->CheckBox16->toolTip(), "Use the data of the Saturday draws");
        EXPECT_EQ(w.action("Dokumentationanzeigen1")->text(), "Show documentation");
        EXPECT_EQ(w.form.pages()->tabText(5), "Internet options");
        EXPECT_EQ(w.form.session().texts().text(12), "Ticket number");
        EXPECT_TRUE(w.action("Englisch1")->isChecked());
        EXPECT_FALSE(w.action("Deutsch1")->isChecked());
        EXPECT_EQ(w.form.session().language(), 1);

        w.action("Deutsch1")->trigger();
        EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Samstag Ziehungen");
        EXPECT_EQ(w.form.lottotipp()->CheckBox16->toolTip(), "Ziehungsdaten der Samstags Ziehungen verwenden");
        EXPECT_EQ(w.form.pages()->tabText(5), "Internet-Optionen");
        EXPECT_EQ(w.form.session().texts().text(12), "Losnummer");

        w.action("Spanisch1")->trigger();
        EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Sorteos del sábado");
        // No French files: the German texts of the base file, the numbered texts stay as they are.
        w.action("Franzsisch1")->trigger();
        EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Samstag Ziehungen");
        EXPECT_EQ(w.form.session().texts().text(12), "N.º de boleto");
        EXPECT_EQ(w.form.session().language(), 2);
        w.action("Spanisch1")->trigger();
        w.form.close();
    }
    EXPECT_EQ(ini(dir).value("Sprache").toString(), "3");
    test::MainWindow w(dir);
    EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Sorteos del sábado");
    EXPECT_EQ(w.form.lottotipp()->Losnummer->text(), "N.º de boleto: 1234567");
    EXPECT_TRUE(w.action("Spanisch1")->isChecked());
}

TEST(Shell, EveryLanguageFitsTheControlsAndKeepsTheShownDraw)
{
    test::ProgramDir dir;
    installLanguageFiles(dir);
    dir.writeArchive(test::syntheticArchive(30));
    ini(dir).setValue("Losnummer", "1234567");
    test::MainWindow w(dir);
    const QString sum = w.form.lottotipp()->Label13->text();
    ASSERT_NE(sum, "QS: ");
    for (const char* language : {"Englisch1", "Spanisch1", "Deutsch1"}) {
        w.action(language)->trigger();
        EXPECT_EQ(w.form.lottotipp()->Label13->text(), sum) << language << ": the sum of the shown draw stays";
        // A caption wider than its control is cut off on the screen.
        for (int p = 0; p < w.form.pages()->count(); ++p) {
            for (QWidget* c : w.form.pages()->widget(p)->findChildren<QWidget*>()) {
                QString text;
                int room = c->width();
                if (auto* l = qobject_cast<QLabel*>(c); l && !l->wordWrap())
                    text = l->text();
                else if (auto* b = qobject_cast<QCheckBox*>(c)) {
                    text = b->text();
                    room -= 24; // the box itself
                } else if (auto* b = qobject_cast<QPushButton*>(c)) {
                    text = b->text();
                    room -= 8; // the button's frame
                }
                text.remove(QLatin1Char('&'));
                // Controls in a layout get the room their text asks for.
                if (text.isEmpty() || c->isHidden() || c->parentWidget()->layout()) continue;
                EXPECT_LE(c->fontMetrics().horizontalAdvance(text), room)
                    << language << ": " << c->objectName().toStdString() << " \"" << text.toStdString() << "\"";
            }
        }
    }
    w.form.session().setTicketNumber({});
    w.action("Spanisch1")->trigger();
    QLabel* ticket = w.form.lottotipp()->Losnummer;
    EXPECT_LE(ticket->fontMetrics().horizontalAdvance(ticket->text()), ticket->width()) << ticket->text().toStdString();
}

TEST(Shell, ExportThenLoadingTheExportedBaseFileReproducesTheTexts)
{
    test::ProgramDir dir;
    test::MainWindow w(dir);
    w.form.lottotipp()->CheckBox17->setToolTip("eigener Hinweis");
    w.prompt.fileAnswers.push_back(dir.file("export.txt"));
    w.action("Export1")->trigger();
    ASSERT_TRUE(QFile::exists(dir.file("export.txt")));
    QStringList trans;
    ASSERT_TRUE(readTextLines(dir.file("export.txt.trans"), trans));
    EXPECT_TRUE(dir.readFile("export.txt.trans").startsWith("\xFF\xFE"));
    EXPECT_TRUE(trans.contains("eigener Hinweis"));

    w.form.lottotipp()->CheckBox16->setText("geändert");
    w.form.lottotipp()->CheckBox17->setToolTip(QString());
    loadLanguageFiles(w.form, dir.file("export.txt"), "de");
    EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Samstag Ziehungen");
    EXPECT_EQ(w.form.lottotipp()->CheckBox17->toolTip(), "eigener Hinweis");

    // Cancelling the file dialog writes nothing.
    w.action("Export1")->trigger();
    EXPECT_FALSE(QFile::exists(dir.file("land/bezeich.txt")));
}

TEST(Shell, GrowingTheWindowScalesThePagesAndShrinkingRestoresThem)
{
    test::ProgramDir dir;
    test::MainWindow w(dir);
    QCheckBox* box = w.form.lottotipp()->CheckBox16;
    const QRect geometry = box->geometry();
    const double points = box->font().pointSizeF();
    const QRect link = w.form.internet()->Label52->geometry();

    w.form.resize(w.form.width(), 870);
    EXPECT_NEAR(box->geometry().top(), geometry.top() * 1.5, 1);
    EXPECT_NEAR(box->geometry().width(), geometry.width() * 1.5, 1);
    EXPECT_NEAR(box->font().pointSizeF(), points * 1.5, 0.01);
    EXPECT_NEAR(w.form.internet()->Label52->geometry().left(), link.left() * 1.5, 1);

    w.form.resize(w.form.width() + 100, 870); // width alone changes nothing
    EXPECT_NEAR(box->geometry().top(), geometry.top() * 1.5, 1);

    for (int h : {603, 611, 777, 580}) w.form.resize(w.form.width(), h);
    EXPECT_EQ(box->geometry(), geometry);
    EXPECT_EQ(box->font().pointSizeF(), points);
    EXPECT_EQ(w.form.internet()->Label52->geometry(), link);
}

TEST(Shell, AStoredLargerWindowStartsWithLargerContentsAndMaximisedKeepsTheStoredSize)
{
    test::ProgramDir dir;
    QRect designGeometry;
    {
        test::MainWindow plain(dir);
        designGeometry = plain.form.lottotipp()->CheckBox16->geometry();
    }
    {
        QSettings s = ini(dir);
        s.setValue("height", 696);
        s.setValue("width", 1000);
    }
    test::MainWindow w(dir);
    EXPECT_EQ(w.form.height(), 696);
    EXPECT_EQ(w.form.width(), 1000);
    EXPECT_NEAR(w.form.lottotipp()->CheckBox16->geometry().top(), designGeometry.top() * 1.2, 1);
    w.form.setWindowState(Qt::WindowMaximized);
    QTest::qWait(1);
    w.form.close();
    EXPECT_EQ(ini(dir).value("height").toString(), "696");
    EXPECT_EQ(ini(dir).value("width").toString(), "1000");
}

TEST(Shell, AStoredLanguageNumberBeyondTheNineStartsInGerman)
{
    test::ProgramDir dir;
    installLanguageFiles(dir);
    ini(dir).setValue("Sprache", 12);
    test::MainWindow w(dir);
    EXPECT_EQ(w.form.session().language(), 0);
    EXPECT_TRUE(w.action("Deutsch1")->isChecked());
    EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Samstag Ziehungen");
    w.form.close();
    EXPECT_EQ(ini(dir).value("Sprache").toString(), "0");
}

TEST(Shell, WithoutTheBaseFileALanguageChoiceChangesOnlyTheMarksAndTheSetting)
{
    test::ProgramDir dir;
    QDir().mkpath(dir.file("land"));
    dir.writeFile("land/meldungen.txt.en", "Frequency\nDraws\n");
    test::MainWindow w(dir);
    w.action("Englisch1")->trigger();
    EXPECT_EQ(w.form.session().language(), 1);
    EXPECT_TRUE(w.action("Englisch1")->isChecked());
    EXPECT_FALSE(w.action("Deutsch1")->isChecked());
    EXPECT_EQ(w.form.session().texts().text(1), "Ziehungen");
    EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Samstag Ziehungen");
}

TEST(Shell, BadSettingsAndBrokenLanguageFilesStartWithWhatCanBeApplied)
{
    test::ProgramDir dir;
    QDir().mkpath(dir.file("land"));
    // A UTF-16 base file with an unknown control, a character set that is no number and a partial tail.
    writeUtf16Lines(dir.file("land/bezeich.txt"), {"Form1", "Form1",       "Titel",       "",           "0",   //
                                                   "Form1", "Gibtesnicht", "x",           "",           "1",   //
                                                   "Form1", "CheckBox16",  "Samstage",    "Hinweis 16", "abc", //
                                                   "Form1", "CheckBox17",  "Donnerstage", "Hinweis 17", "0",   //
                                                   "Form1", "Label43"});
    dir.writeFile("land/bezeich.txt.en", "Title\n\nnothing\n\nSaturdays\nhint 16\n"); // shorter than the base
    dir.writeFile("land/meldungen.txt.en", "Frequency\nDraws\n");                     // 2 of 56 lines
    {
        QSettings s = ini(dir);
        s.setValue("Sprache", 1);
        s.setValue("Chekcbox2", "kaputt"); // ends the check-box group: the rest keep their defaults
        s.setValue("Chekcbox16", 0);
        s.setValue("UpDown1", QByteArray("\x01\x02", 2)); // ends the parameter group after "Sprache"
        s.setValue("Edit1", "5");
        s.setValue("DateTimePicker2", "gestern");
        s.setValue("Losnummer", "7654321");
        s.setValue("ZWEIPREIS", QByteArray("\x01", 1));
        s.setValue("EINPREIS", "2,00");
        s.setValue("Browser", "ja");
        s.setValue("URLEdit", "http://start.example/");
    }
    test::MainWindow w(dir);
    EXPECT_EQ(w.form.windowTitle(), "Title");
    EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Saturdays");
    EXPECT_EQ(w.form.lottotipp()->CheckBox17->text(), "Donnerstag Ziehungen") << "translation too short";
    EXPECT_TRUE(w.form.lottotipp()->CheckBox16->isChecked());
    EXPECT_EQ(w.control<QLineEdit>("Edit1")->text(), "") << "after the bad UpDown1";
    EXPECT_EQ(w.form.session().language(), 1);
    EXPECT_EQ(w.form.session().texts().text(1), "Draws");
    EXPECT_EQ(w.form.session().texts().text(54), "Losnummer eingeben");
    EXPECT_EQ(w.form.lottotipp()->Losnummer->text(), "Losnummer: 7654321");
    EXPECT_EQ(w.form.internet()->Edit82->text(), "1,00") << "the fee group ended at ZWEIPREIS";
    EXPECT_FALSE(w.form.internet()->CheckBox21->isChecked());
    EXPECT_EQ(w.form.internet()->URLEdit->text(), "http://start.example/");
    EXPECT_EQ(w.form.session().settings().get(key::RangeStartDate), toDays(1985, 10, 17));

    // German from the same base: the character set that is no number is skipped, the rest applied.
    w.action("Deutsch1")->trigger();
    EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Samstage");
    EXPECT_EQ(w.form.lottotipp()->CheckBox16->toolTip(), "Hinweis 16");
    EXPECT_FALSE(w.form.lottotipp()->CheckBox16->property("charset").isValid());
    EXPECT_EQ(w.form.lottotipp()->CheckBox17->property("charset").toInt(), 0);
    EXPECT_EQ(w.form.session().texts().text(1), "Draws") << "no German message file: the texts stay";

    // Without a base file the choice changes only the menu and the setting.
    QFile::remove(dir.file("land/bezeich.txt"));
    w.action("Englisch1")->trigger();
    EXPECT_EQ(w.form.lottotipp()->CheckBox16->text(), "Samstage");
    EXPECT_TRUE(w.action("Englisch1")->isChecked());
    w.form.close();
    EXPECT_EQ(ini(dir).value("Sprache").toString(), "1");
    EXPECT_EQ(ini(dir).value("Edit1").toString(), "");
}

TEST(Shell, LinksAndTheDocumentationGoToTheShell)
{
    test::ProgramDir dir;
    test::MainWindow w(dir);
    QTest::mouseClick(w.form.internet()->Label52, Qt::LeftButton);
    QTest::mouseClick(w.form.internet()->Label4, Qt::LeftButton);
    QTest::mouseClick(w.form.lottotipp()->Label43, Qt::LeftButton);
    QTest::mouseClick(w.form.lottotipp()->Panel9, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(w.openedAddresses(),
              (QStringList{w.form.internet()->Label52->text(), kPartnerPage, kProductPage, kProductPage}));

    w.opened.clear();
    w.action("Dokumentationanzeigen1")->trigger();
    EXPECT_TRUE(w.opened.isEmpty()) << "a missing manual opens nothing and reports nothing";
    EXPECT_TRUE(w.prompt.texts("error").isEmpty());
    QFile::copy(QStringLiteral(RAZOZ_SOURCE_DIR "/data/Razoz-Quorex.pdf"), dir.file("Razoz-Quorex.pdf"));
    w.action("Dokumentationanzeigen1")->trigger();
    EXPECT_EQ(w.openedAddresses(), QStringList{QUrl::fromLocalFile(dir.file("Razoz-Quorex.pdf")).toString()});
}

TEST(Shell, TheAboutBoxNamesTheVersionInTheChosenLanguage)
{
    test::ProgramDir dir;
    installLanguageFiles(dir);
    test::MainWindow w(dir);
    const struct {
        const char* language;
        const char* caption;
    } cases[] = {{"Deutsch1", "Über Razoz-Quorex"},
                 {"Englisch1", "About Razoz-Quorex"},
                 {"Russisch1", "О программе Razoz-Quorex"},
                 {"Trkisch1", "Razoz-Quorex hakkında"}};
    for (const auto& c : cases) {
        w.action(c.language)->trigger();
        ASSERT_EQ(w.action("berRazozQuorex1")->text(), QString::fromUtf8(c.caption)) << c.language;
        w.prompt.shown.clear();
        w.action("berRazozQuorex1")->trigger();
        ASSERT_EQ(w.prompt.shown.size(), 1u) << c.language;
        EXPECT_EQ(w.prompt.shown[0].kind, "information");
        EXPECT_EQ(w.prompt.shown[0].caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(w.prompt.shown[0].text, QStringLiteral("Razoz-Quorex " RAZOZ_VERSION "\n\n") + w.form.windowTitle());
    }
    EXPECT_EQ(w.form.findChild<QMenu*>("Hilfe1")->actions().last(), w.action("berRazozQuorex1"));
}

TEST(Shell, TheHighestLanguageNumberIsStoredAndRestored)
{
    test::ProgramDir dir;
    installLanguageFiles(dir);
    {
        test::MainWindow w(dir);
        w.action("Polnisch1")->trigger();
        EXPECT_EQ(w.form.session().language(), 8);
        w.form.close();
    }
    EXPECT_EQ(ini(dir).value("Sprache").toString(), "8");
    test::MainWindow w(dir);
    EXPECT_EQ(w.form.session().language(), 8);
    EXPECT_TRUE(w.action("Polnisch1")->isChecked());
    EXPECT_FALSE(w.action("Deutsch1")->isChecked());
}
