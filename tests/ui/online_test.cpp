// Online submission through the main window: "Ab&geben" with the online look of the print
// settings, the portal address or the per-date tip file, and "Tipp &abgeben" handing a filled
// click script to a stand-in robot, with a real razoz-server as the program's web service.
#include "http_server.h"
#include "main_window.h"
#include "modal.h"
#include "online/click_script.h"
#include "server_process.h"
#include "test_support.h"
#include "ui/online_actions.h"
#include "ui/page_internet.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"
#include "ui/tform5.h"
#include "ui/tip_grid.h"
#include "ui/tzorbform.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

// Four draws, written after the window exists and before it shows; two rows to hand over.
struct Window : test::MainWindow {
    explicit Window(const test::ProgramDir& dir) : test::MainWindow(dir, {.show = false})
    {
        dir.writeArchive(test::syntheticArchive(4));
        show();
        prompt.shown.clear(); // whatever the start-up said
        form.online().robotSettingsFile = dir.file("klickwerk.ini");
        TipRows rows;
        rows[0] = {"3", "11", "13", "15", "34", "35"};
        rows[2] = {"7", "", "", "", "", ""};
        form.tipGrid()->setTexts(rows);
    }
};

// A robot that writes its arguments, one a line, beside itself.
QString standInRobot(const test::ProgramDir& dir)
{
    dir.writeFile("robot/Klickomat", "#!/bin/sh\n"
                                     "out=\"$(dirname \"$0\")/argv\"\n"
                                     "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.tmp\"\n"
                                     "mv \"$out.tmp\" \"$out.txt\"\n");
    QFile::setPermissions(dir.file("robot/Klickomat"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSettings s(dir.file("klickwerk.ini"), QSettings::IniFormat);
    s.setValue("Settings/Path", dir.file("robot"));
    return dir.file("robot/argv.txt");
}

} // namespace

TEST(OnlineWiring, AbgebenShowsTheOnlineLookAndOpensTheOrderAddress)
{
    test::ProgramDir dir;
    test::HttpServer service(test::HttpServer::body("https://www.tipp24.example/order?"));
    Window w(dir);
    w.form.internet()->ServiceURLEdit->setText(service.url());
    TForm5& f5 = w.form.form5();
    bool onlineLook = false;
    test::whenModal([&](QWidget* dialog) {
        onlineLook = dialog == &f5 && !f5.BitBtn3->isHidden() && f5.BitBtn2->isHidden() && !f5.RadioGroup2->isHidden();
        // "&Online" and "Abbrechen" lie inside the short dialog, where a click reaches them.
        for (QWidget* b : {static_cast<QWidget*>(f5.BitBtn3), static_cast<QWidget*>(f5.BitBtn1)})
            onlineLook = onlineLook && f5.rect().contains(b->geometry());
        f5.CheckBox1->setChecked(true);
        f5.CheckBox2->setChecked(true);
        // A ticket number ending in the shown draw's Reintegro.
        f5.UpDown[9]->setValue(w.form.session().currentDraw().reintegro);
        QTest::mouseClick(f5.BitBtn3, Qt::LeftButton);
    });
    w.action("Abgeben1")->trigger();
    // The hit labels follow the new ticket number at once.
    EXPECT_TRUE(w.form.tipGrid()->hitLabel(0)->text().contains("S"))
        << w.form.tipGrid()->hitLabel(0)->text().toStdString();
    EXPECT_TRUE(onlineLook);
    EXPECT_EQ(service.targets(), std::vector<std::string>{"/lotto/lotto.asp?Spiel=Razoz&Wo=Tipp24&Tipps=8"});
    ASSERT_EQ(w.opened.size(), 1);
    const QString url = w.opened[0].toString(QUrl::FullyDecoded);
    EXPECT_TRUE(url.startsWith("https://www.tipp24.example/order?Tippreihe1_Zahl1=3&")) << url.toStdString();
    EXPECT_TRUE(url.contains("&Tippreihe3_Zahl1=7&Tippreihe3_Zahl2=&"));
    EXPECT_TRUE(url.contains("&Tippreihe8_Zahl6=&Spiel77=tipp24off"));
    EXPECT_TRUE(url.contains("&Teilnahme=kombi&"));
    const QString number = w.form.session().ticketNumber();
    EXPECT_EQ(number.size(), 7);
    EXPECT_TRUE(url.contains("&Losnummer=" + number + "&"));
    EXPECT_EQ(w.form.statusText(1), kLinkPageHint);
    // Afterwards the print look again, the number stored at once, the Lottotipp page in front.
    EXPECT_TRUE(f5.BitBtn3->isHidden());
    EXPECT_FALSE(f5.BitBtn2->isHidden());
    EXPECT_EQ(f5.BitBtn2->y(), 376);
    EXPECT_EQ(QSettings(dir.file("settings.ini"), QSettings::IniFormat).value("Losnummer").toString(), number);
    EXPECT_EQ(w.form.pages()->currentWidget(), w.form.lottotipp());
}

TEST(OnlineWiring, LeavingTheDialogWithoutANumberKeepsTheStoredOne)
{
    test::ProgramDir dir;
    dir.writeFile("settings.ini", "[General]\nLosnummer=1234567\n");
    Window w(dir);
    test::whenModal([&](QWidget*) { QTest::mouseClick(w.form.form5().BitBtn1, Qt::LeftButton); });
    w.action("Abgeben1")->trigger();
    EXPECT_TRUE(w.opened.empty());
    EXPECT_EQ(w.form.session().ticketNumber(), "1234567");
    EXPECT_EQ(QSettings(dir.file("settings.ini"), QSettings::IniFormat).value("Losnummer").toString(), "1234567");
    EXPECT_TRUE(w.form.form5().BitBtn3->isHidden());
}

TEST(OnlineWiring, TheOtherPortalOnlyWritesThePerDateTipFile)
{
    test::ProgramDir dir;
    Window w(dir);
    w.form.internet()->ServiceURLEdit->setText("http://127.0.0.1:1"); // never asked
    TForm5& f5 = w.form.form5();
    test::whenModal([&](QWidget*) {
        f5.RadioGroup2->findChild<QRadioButton*>("RadioGroup2Item0")->setChecked(true);
        QTest::mouseClick(f5.BitBtn3, Qt::LeftButton);
    });
    w.action("Abgeben1")->trigger();
    EXPECT_TRUE(w.opened.empty());
    EXPECT_TRUE(w.prompt.shown.empty());
    const QString path = w.form.online().lastTipFile();
    EXPECT_TRUE(path.startsWith(dir.file("Tipps/"))) << path.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "3,11,13,15,34,35\r\n7,,,,,\r\n");
}

TEST(OnlineWiring, WithoutTheRobotTheInstallQuestionOpensItsDownloadPage)
{
    test::ProgramDir dir;
    Window w(dir);
    w.prompt.questionAnswers = {true, false};
    QTest::mouseClick(w.form.lottotipp()->OnlineTipp, Qt::LeftButton);
    ASSERT_EQ(w.prompt.shown.size(), 1u);
    EXPECT_EQ(w.prompt.shown[0].caption, "Mausmeister jetzt installieren?");
    EXPECT_EQ(w.prompt.shown[0].text, "Tallwicks Mausmeister installieren?");
    ASSERT_EQ(w.opened.size(), 1);
    EXPECT_EQ(w.opened[0].toString(), w.form.internet()->RobotURLEdit->text());
    // No: nothing opened, nothing written.
    QTest::mouseClick(w.form.lottotipp()->OnlineTipp, Qt::LeftButton);
    EXPECT_EQ(w.opened.size(), 1);
    EXPECT_FALSE(QFile::exists(dir.file("Tipps")));
}

TEST(OnlineWiring, TippAbgebenFillsTheUpdatedScriptAndStartsTheRobot)
{
    test::ProgramDir dir;
    // The service has a newer copy of the chosen script.
    dir.writeFile("service/tipp24.zorb.txt", "DATEI [TIPPDATEI]\r\nREIHE [Z1_1] [Z2_1]\r\nTAGE [SA] [MI] [MISA]\r\n");
    dir.writeFile("Script/tipp24.zorb", "ALT\r\n");
    dir.writeFile("Script/anderes.zorb", "ANDERES\r\n");
    {
        QFile local(dir.file("Script/tipp24.zorb"));
        ASSERT_TRUE(local.open(QIODevice::ReadWrite));
        local.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC), QFileDevice::FileModificationTime);
    }
    test::ServerProcess server({"--scripts", dir.file("service")});
    const QString argv = standInRobot(dir);
    {
        QSettings s(dir.file("klickwerk.ini"), QSettings::IniFormat);
        s.setValue("Settings/PrimiScript", dir.file("Script/tipp24.zorb"));
        s.setValue("Settings/PrimiText1", "spieler");
    }
    Window w(dir);
    w.form.internet()->ServiceURLEdit->setText(server.url());
    w.form.form5().CheckBox1->setChecked(true); // "Samstag" as the dialog last left it
    w.form.form5().CheckBox2->setChecked(false);
    TZorbForm& zorb = w.form.online().zorbForm();
    QStringList listed;
    QString shownScript, shownText1;
    test::whenModal([&](QWidget*) {
        for (int i = 0; i < zorb.LabeledEdit1->count(); ++i) listed << zorb.LabeledEdit1->itemText(i);
        shownScript = zorb.LabeledEdit1->currentText();
        shownText1 = zorb.LabeledEdit4->text();
        zorb.LabeledEdit2->clear(); // an empty ZAHL1 becomes "0"
        zorb.LabeledEdit5->setText("geheim");
        QTest::mouseClick(zorb.BitBtn2, Qt::LeftButton);
    });
    QTest::mouseClick(w.form.lottotipp()->OnlineTipp, Qt::LeftButton);
    EXPECT_TRUE(w.prompt.shown.empty()) << w.prompt.shown[0].text.toStdString();
    EXPECT_EQ(listed, QStringList({dir.file("Script/anderes.zorb"), dir.file("Script/tipp24.zorb")}));
    EXPECT_EQ(shownScript, dir.file("Script/tipp24.zorb"));
    EXPECT_EQ(shownText1, "spieler");

    const QString tipFile = w.form.online().lastTipFile();
    const QString filled = dir.file("Tipps/" + QDate::currentDate().toString("yyyyMMdd") + ".zorb");
    for (int i = 0; i < 500 && !QFile::exists(argv); ++i) QTest::qWait(20);
    QFile args(argv);
    ASSERT_TRUE(args.open(QIODevice::ReadOnly)) << "the robot was not started";
    EXPECT_EQ(QString::fromUtf8(args.readAll()).split('\n'),
              QStringList({"START", filled, "0", "spieler", "0", "geheim", ""}));
    EXPECT_EQ(dir.readFile("Script/tipp24.zorb"), dir.readFile("service/tipp24.zorb.txt"));
    EXPECT_EQ(dir.readFile("Tipps/" + QDate::currentDate().toString("yyyyMMdd") + ".zorb"),
              "DATEI " + tipFile.toUtf8() + "\r\nREIHE 3 11\r\nTAGE JA NEIN NEIN\r\n");
    QFile tips(tipFile);
    ASSERT_TRUE(tips.open(QIODevice::ReadOnly));
    EXPECT_EQ(tips.readAll(), "3,11,13,15,34,35\r\n7,,,,,\r\n");
    const RobotSettings stored = readRobotSettings(dir.file("klickwerk.ini"));
    EXPECT_EQ(stored.zahl1, "0");
    EXPECT_EQ(stored.text2, "geheim");
    EXPECT_EQ(stored.path, dir.file("robot"));
    EXPECT_TRUE(server.requestLines().join('\n').contains("/scripts/tipp24.zorb.txt 200"));
}

TEST(OnlineWiring, TheChooserStartsEmptyWithoutScriptsAndCancelStartsNothing)
{
    test::ProgramDir dir;
    const QString argv = standInRobot(dir);
    Window w(dir);
    TZorbForm& zorb = w.form.online().zorbForm();
    bool empty = false;
    test::whenModal([&](QWidget*) {
        empty = zorb.LabeledEdit1->count() == 0 && zorb.LabeledEdit1->currentText().isEmpty();
        QTest::mouseClick(zorb.BitBtn3, Qt::LeftButton);
    });
    QTest::mouseClick(w.form.lottotipp()->OnlineTipp, Qt::LeftButton);
    EXPECT_TRUE(empty);
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(argv));
    // The per-date tip file was written before the chooser and stays.
    EXPECT_TRUE(QFile::exists(w.form.online().lastTipFile()));
    EXPECT_TRUE(QDir(dir.file("Tipps")).entryList({"*.zorb"}).isEmpty());
}
