#include "app/session.h"
#include "main_window.h"
#include "test_support.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"
#include "ui/tip_grid.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

struct CountingPlayer : HitSoundPlayer {
    QStringList played;
    void play(const QString& path) override { played << path; }
};

// A window holding the grid and one more box to move the focus to, with the owner's values.
class GridWindow {
public:
    test::ScriptedPrompt prompt;
    Session session{QStringLiteral("/opt/razoz/"), prompt};
    QWidget window;
    TipGrid* grid;
    QLineEdit* elsewhere;
    CountingPlayer* player;

    GridWindow()
    {
        setDraw({3, 11, 13, 15, 34, 35}, 27);
        session.setSettingsLoaded(true);
        QStringList lines;
        for (int i = 0; i < 60; ++i) lines << QStringLiteral("Text %1").arg(i);
        session.setTexts(lines);
        grid = new TipGrid(session, &window);
        elsewhere = new QLineEdit(&window);
        elsewhere->setObjectName("elsewhere");
        elsewhere->move(0, 300);
        auto owned = std::make_unique<CountingPlayer>();
        player = owned.get();
        grid->setSoundPlayer(std::move(owned));
        window.resize(520, 340);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void setDraw(std::array<int, 6> numbers, int complementary)
    {
        CurrentDraw draw;
        draw.date = kEarliestDrawDay;
        draw.numbers = numbers;
        draw.complementary = complementary;
        session.navigator().setCurrent(draw, 0, DrawSeparator::Selected);
    }

    QLineEdit* box(const char* name) const { return grid->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QLabel* label(const char* name) const { return grid->findChild<QLabel*>(QString::fromLatin1(name)); }
    // Types into a box as the player does: click it, type, then move on.
    void type(QLineEdit* b, const QString& text)
    {
        QTest::mouseClick(b, Qt::LeftButton);
        b->selectAll();
        QTest::keyClicks(b, text);
    }
    void typeRow(int row, const QStringList& numbers)
    {
        for (int c = 0; c < 6; ++c) type(grid->box(row, c), numbers[c]);
        QTest::mouseClick(elsewhere, Qt::LeftButton);
    }
    QColor boxColour(int row, int column) const { return grid->box(row, column)->palette().color(QPalette::Base); }
    QColor normal() const { return grid->palette().color(QPalette::Base); }
};

QStringList rowTexts(const TipGrid& g, int row)
{
    QStringList l;
    for (const QString& t : g.rowTexts(row)) l << t;
    return l;
}

} // namespace

TEST(TipGrid, ControlsCarryTheirDesignedNamesAndPlaces)
{
    GridWindow w;
    int boxes = 0;
    auto edit = [&](int n) { return w.grid->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)); };
    for (int n = 1; n <= 79; ++n) boxes += edit(n) ? 1 : 0;
    EXPECT_EQ(boxes, 72);
    for (int n : {37, 38, 39, 40, 41, 42, 55}) EXPECT_FALSE(edit(n)) << n;
    EXPECT_EQ(w.box("Edit56"), w.grid->box(8, 0));
    EXPECT_EQ(w.box("Edit79"), w.grid->box(11, 5));
    EXPECT_EQ(w.box("Edit79")->geometry().topLeft(), QPoint(306, 254));
    EXPECT_EQ(w.box("Edit43")->geometry().topLeft(), QPoint(146, 158));
    EXPECT_EQ(w.box("Edit1")->width(), 25);
    EXPECT_EQ(w.label("Label64")->text(), "12. Tipp");
    EXPECT_EQ(w.label("Label61")->text(), "10. Tipp");
    EXPECT_EQ(w.label("Label28")->toolTip(), "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
    EXPECT_EQ(w.label("Label70"), w.grid->hitLabel(11));
    EXPECT_EQ(w.label("Label70")->x(), 380);
    EXPECT_EQ(w.label("Label72"), w.grid->sumLabel(11));
    EXPECT_EQ(w.label("Label72")->x(), 450);
    // The longest hit text and a three-digit sum fit their labels.
    EXPECT_GE(w.label("Label70")->width(), w.label("Label70")->fontMetrics().horizontalAdvance("6 + Z + S"));
    EXPECT_GE(w.label("Label72")->width(), w.label("Label72")->fontMetrics().horizontalAdvance("279"));
    EXPECT_GE(w.label("Label61")->width(), w.label("Label61")->fontMetrics().horizontalAdvance("10. Tipp"));
    auto* clear = w.grid->findChild<QToolButton*>("SpeedButton11");
    ASSERT_TRUE(clear);
    EXPECT_EQ(clear->toolTip(), "Löschen aller Tipps");
}

TEST(TipGrid, TypingAndLeavingAWorkedRowChecksIt)
{
    GridWindow w;
    w.typeRow(0, {"41", "13", "3", "27", "11", "40"});
    EXPECT_EQ(rowTexts(*w.grid, 0), QStringList({"3", "11", "13", "27", "40", "41"}));
    for (int c : {0, 1, 2}) EXPECT_EQ(w.boxColour(0, c), QColor(0, 255, 0)) << c;
    EXPECT_EQ(w.boxColour(0, 3), QColor(255, 255, 0));
    EXPECT_EQ(w.boxColour(0, 4), w.normal());
    EXPECT_EQ(w.boxColour(0, 5), w.normal());
    EXPECT_EQ(w.label("Label36")->text(), "135");
    EXPECT_EQ(w.label("Label22")->text(), "3 + Z");
    EXPECT_EQ(w.label("Label22")->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(w.grid->hitTally()[3][1], 1);
    EXPECT_EQ(w.grid->rowMatch().hits, 3);
    EXPECT_EQ(w.player->played, QStringList({"/opt/razoz/yippee.wav"}));

    // Another draw: the same row now misses; the label turns black and the colours go.
    w.setDraw({1, 2, 4, 5, 6, 7}, 8);
    w.grid->Komplettcheck();
    EXPECT_EQ(w.label("Label22")->text(), "0");
    EXPECT_EQ(w.label("Label22")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(w.boxColour(0, 0), w.normal());
    EXPECT_EQ(w.grid->hitTally()[0][0], 1);
    EXPECT_EQ(w.grid->hitTally()[3][1], 0);
    EXPECT_EQ(w.player->played.size(), 1);
}

TEST(TipGrid, EachHitLabelsHintNamesItsPrizeTier)
{
    GridWindow w;
    w.session.setTicketNumber(QStringLiteral("1234560"));
    w.grid->setRowTexts(0, {"3", "11", "13", "15", "34", "27"});
    w.grid->setRowTexts(1, {"1", "2", "4", "5", "6", "7"});
    w.grid->setRowTexts(2, {"3", "11", "13", "15", "34", "35"});
    w.grid->setRowTexts(3, {"3", "11", "13", "15", "34", ""});
    w.grid->Komplettcheck();
    // 1985 had no Reintegro: the labels show the designed " + S", the tiers no Reintegro.
    EXPECT_EQ(w.grid->hitLabel(0)->text(), "5 + Z + S");
    EXPECT_EQ(w.grid->hitLabel(0)->toolTip(), "2. Rang: 5 + C");
    EXPECT_EQ(w.grid->hitLabel(1)->text(), "0 + S");
    EXPECT_EQ(w.grid->hitLabel(1)->toolTip(), "");
    EXPECT_EQ(w.grid->hitLabel(2)->toolTip(), "1. Rang: 6");
    EXPECT_EQ(w.grid->hitLabel(3)->toolTip(), "");

    CurrentDraw draw = w.session.currentDraw();
    draw.date = kFirstReintegroDay;
    w.session.navigator().setCurrent(draw, 0, DrawSeparator::Selected);
    w.grid->Komplettcheck();
    EXPECT_EQ(w.grid->hitLabel(0)->text(), "5 + Z + S");
    EXPECT_EQ(w.grid->hitLabel(0)->toolTip(), "2. Rang: 5 + C und Reintegro");
    EXPECT_EQ(w.grid->hitLabel(1)->toolTip(), "Reintegro");
    EXPECT_EQ(w.grid->hitLabel(2)->toolTip(), "Sonderrang: 6 + R");

    w.grid->SpeedButton11Click();
    for (int r : {0, 1, 2}) EXPECT_EQ(w.grid->hitLabel(r)->toolTip(), "") << r;
}

TEST(TipGrid, BoxesKeepOnlyNumbersFrom1To49)
{
    GridWindow w;
    w.type(w.box("Edit1"), "50");
    EXPECT_EQ(w.box("Edit1")->text(), "");
    w.type(w.box("Edit2"), "0");
    EXPECT_EQ(w.box("Edit2")->text(), "");
    w.type(w.box("Edit3"), "x");
    EXPECT_EQ(w.box("Edit3")->text(), "");
    w.type(w.box("Edit4"), "07");
    EXPECT_EQ(w.box("Edit4")->text(), "7");
    w.type(w.box("Edit5"), "49");
    EXPECT_EQ(w.box("Edit5")->text(), "49");
    // Texts the program writes obey the same rule.
    w.grid->setRowTexts(1, {"07", "abc", "50", " 9", "", "12"});
    EXPECT_EQ(rowTexts(*w.grid, 1), QStringList({"7", "", "", "9", "", "12"}));
}

TEST(TipGrid, IncompleteRowsStayPlainAndFullRowsMayRepeatANumber)
{
    GridWindow w;
    w.grid->setRowTexts(0, {"3", "11", "13", "15", "34", "35"});
    w.grid->Komplettcheck();
    EXPECT_EQ(w.label("Label22")->text(), "6");
    w.grid->box(0, 5)->clear(); // five numbers left
    w.grid->setRowTexts(2, {"5", "5", "5", "5", "5", "5"});
    w.setDraw({5, 9, 17, 22, 30, 41}, w.session.currentDraw().complementary);
    w.grid->Komplettcheck();
    for (int c = 0; c < 6; ++c) EXPECT_EQ(w.boxColour(0, c), w.normal()) << c;
    EXPECT_EQ(w.label("Label22")->text(), "");
    EXPECT_EQ(w.label("Label36")->text(), "");
    EXPECT_EQ(rowTexts(*w.grid, 0), QStringList({"3", "11", "13", "15", "34", ""})); // not sorted either
    EXPECT_EQ(w.label("Label24")->text(), "6");
    EXPECT_EQ(w.label("Label38")->text(), "30");
    EXPECT_EQ(w.grid->hitTally()[6][0], 1);
    int total = 0;
    for (const auto& pair : w.grid->hitTally().counts) total += pair[0] + pair[1];
    EXPECT_EQ(total, 1);
}

TEST(TipGrid, LeavingABoxBeforeTheSettingsAreLoadedDoesNotCheck)
{
    GridWindow w;
    w.session.setSettingsLoaded(false);
    w.typeRow(0, {"41", "13", "3", "27", "11", "40"});
    EXPECT_EQ(rowTexts(*w.grid, 0), QStringList({"41", "13", "3", "27", "11", "40"}));
    for (int c = 0; c < 6; ++c) EXPECT_EQ(w.boxColour(0, c), w.normal()) << c;
    EXPECT_EQ(w.label("Label22")->text(), "");
    EXPECT_EQ(w.grid->hitTally(), HitTally{});
    EXPECT_TRUE(w.player->played.isEmpty());
    // The tally of an earlier check is zeroed even when the check may not run.
    w.session.setSettingsLoaded(true);
    w.grid->Komplettcheck();
    EXPECT_EQ(w.grid->hitTally()[3][1], 1);
    w.session.setSettingsLoaded(false);
    w.grid->Komplettcheck();
    EXPECT_EQ(w.grid->hitTally(), HitTally{});
    EXPECT_EQ(w.label("Label22")->text(), "3 + Z"); // nothing else changes
}

TEST(TipGrid, LockedRowsSurviveClearingAndRowLabelsToggle)
{
    GridWindow w;
    w.session.setSettingsLoaded(false); // clearing checks even during start-up
    for (int r = 0; r < 12; ++r) w.grid->setRowTexts(r, {"41", "13", "3", "27", "11", QString::number(r + 1)});
    QTest::mouseClick(w.label("Label30"), Qt::LeftButton); // row 2
    QTest::mouseClick(w.label("Label46"), Qt::LeftButton); // row 7
    EXPECT_TRUE(w.grid->rowLocked(1));
    EXPECT_TRUE(w.grid->rowLocked(6));
    EXPECT_FALSE(w.grid->rowLocked(0));
    EXPECT_EQ(w.label("Label30")->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // "No" keeps everything.
    w.prompt.questionAnswers = {false};
    QTest::mouseClick(w.grid->clearButton(), Qt::LeftButton);
    ASSERT_EQ(w.prompt.shown.size(), 1u);
    EXPECT_EQ(w.prompt.shown[0].caption, "Text 51");
    EXPECT_EQ(w.prompt.shown[0].text, "Text 50");
    EXPECT_EQ(w.grid->rowTexts(0)[0], "41");

    QTest::mouseClick(w.grid->clearButton(), Qt::LeftButton); // Yes
    for (int r = 0; r < 12; ++r) {
        if (r == 1 || r == 6) continue;
        EXPECT_EQ(w.grid->rowTexts(r), TipRowTexts{}) << r;
        EXPECT_EQ(w.grid->hitLabel(r)->text(), "") << r;
        EXPECT_EQ(w.grid->sumLabel(r)->text(), "") << r;
    }
    // The locked rows stay and are checked again: sorted, coloured, counted, with the sound.
    EXPECT_EQ(rowTexts(*w.grid, 1), QStringList({"2", "3", "11", "13", "27", "41"}));
    EXPECT_EQ(rowTexts(*w.grid, 6), QStringList({"3", "7", "11", "13", "27", "41"}));
    EXPECT_EQ(w.label("Label47")->text(), "") << "row 8 was cleared";
    EXPECT_EQ(w.label("Label45")->text(), "3 + Z");
    EXPECT_EQ(w.label("Label49")->text(), "102");
    EXPECT_EQ(w.boxColour(6, 0), QColor(0, 255, 0));
    EXPECT_EQ(w.grid->hitTally()[3][1], 2);
    EXPECT_EQ(w.player->played.size(), 1);

    // A second click unlocks; a label in some other colour goes back to the window text colour.
    QTest::mouseClick(w.label("Label30"), Qt::LeftButton);
    EXPECT_FALSE(w.grid->rowLocked(1));
    EXPECT_EQ(w.label("Label30")->palette().color(QPalette::WindowText), w.grid->palette().color(QPalette::WindowText));
    QPalette blue = w.label("Label31")->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    w.label("Label31")->setPalette(blue);
    QTest::mouseClick(w.label("Label31"), Qt::LeftButton);
    EXPECT_EQ(w.label("Label31")->palette().color(QPalette::WindowText), w.grid->palette().color(QPalette::WindowText));
    EXPECT_FALSE(w.grid->rowLocked(2));
    w.grid->setRowLocked(11, true);
    EXPECT_TRUE(w.grid->rowLocked(11));
}

TEST(TipGrid, MainWindowChecksTheGridAfterEveryStep)
{
    test::ProgramDir dir;
    dir.writeArchive({test::draw(QDate(1985, 10, 17), {1, 2, 4, 5, 6, 7}, 8, 0),
                      test::draw(QDate(1985, 10, 19), {3, 11, 13, 15, 34, 35}, 27, 0),
                      test::draw(QDate(1985, 10, 24), {9, 10, 12, 14, 16, 18}, 20, 5)});
    test::MainWindow w(dir, {.settingsFile = false, .show = false});
    auto owned = std::make_unique<CountingPlayer>();
    CountingPlayer* player = owned.get();
    w.form.tipGrid()->setSoundPlayer(std::move(owned));
    w.form.tipGrid()->setRowTexts(0, {"41", "13", "3", "27", "11", "40"});
    w.show();
    TipGrid& grid = *w.form.tipGrid();
    EXPECT_EQ(grid.parentWidget(), w.form.lottotipp());
    EXPECT_EQ(grid.box(0, 0)->mapTo(w.form.lottotipp(), QPoint(0, 0)), QPoint(146, 43));
    EXPECT_EQ(grid.hitLabel(0)->text(), "0"); // start-up checks against the latest draw
    EXPECT_EQ(grid.rowTexts(0)[0], "3");

    QTest::mouseClick(w.form.lottotipp()->SpeedButton6, Qt::LeftButton);
    EXPECT_EQ(grid.hitLabel(0)->text(), "3 + Z");
    QEvent enterHits(QEvent::Enter);
    QApplication::sendEvent(grid.hitLabel(0), &enterHits);
    EXPECT_EQ(w.form.statusText(1), "5. Rang: 3"); // the tier's hint reaches status panel 1
    EXPECT_EQ(grid.box(0, 0)->palette().color(QPalette::Base), QColor(0, 255, 0));
    EXPECT_EQ(grid.hitTally()[3][1], 1);
    EXPECT_EQ(player->played, QStringList{dir.file("yippee.wav")});

    QTest::mouseClick(w.form.lottotipp()->SpeedButton7, Qt::LeftButton);
    EXPECT_EQ(grid.hitLabel(0)->text(), "0");
    EXPECT_EQ(grid.hitTally()[3][1], 0);

    // The row labels take clicks inside the window, and their hint reaches status panel 1.
    QTest::mouseClick(grid.rowLabel(0), Qt::LeftButton);
    EXPECT_TRUE(grid.rowLocked(0));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(grid.rowLabel(0), &enter);
    EXPECT_EQ(w.form.statusText(1), "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
    // Only panel 1 carries it: no passing message covers the progress panel, also after the
    // control texts of a language file were applied.
    EXPECT_EQ(w.form.statusBar()->currentMessage(), QString());
    dir.copyInstallData();
    w.form.LanguageClick(0);
    QApplication::sendEvent(grid.rowLabel(1), &enter);
    EXPECT_EQ(w.form.statusBar()->currentMessage(), QString());
    EXPECT_TRUE(w.form.findChild<QLabel*>("StatusPanel0")->isVisibleTo(&w.form));
    EXPECT_EQ(w.form.statusText(1), "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
}

TEST(HitSound, PlayingNeverFailsWithOrWithoutTheFile)
{
    test::ProgramDir dir;
    dir.copyInstallData();
    ASSERT_TRUE(QFileInfo(dir.file("yippee.wav")).size() > 44) << "the sound is installed with the data";
    QtHitSoundPlayer player;
    player.play(dir.file("yippee.wav"));
    player.play(dir.file("yippee.wav"));
    player.play(dir.file("missing.wav")); // the system beep instead
}
