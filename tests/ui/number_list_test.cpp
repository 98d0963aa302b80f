// The number list dialog "Welche Zahlen für die Berechnung" driven through its real widgets.
#include "app/session.h"
#include "modal.h"
#include "test_support.h"
#include "ui/tform6.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

using namespace razoz;

namespace {

using test::whenModal;

struct ListFixture {
    test::ProgramDir dir;
    test::ScriptedPrompt prompt;
    Session session{dir.path(), prompt};
    RandomGenerator random{4711};
    TForm6 form{session, random};

    ListFixture()
    {
        QStringList lines;
        for (int i = 0; i < 60; ++i) lines << QStringLiteral("t%1").arg(i);
        session.setTexts(lines);
    }
    WeightBox* box(int k) const { return form.CheckBox[std::size_t(k - 1)]; }
    // Clicks on the box's indicator, where a click always lands on the box.
    void click(int k, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(box(k), button, {}, QPoint(7, box(k)->height() / 2));
    }
    std::vector<int> checked() const
    {
        std::vector<int> out;
        for (int k = 1; k <= 49; ++k)
            if (box(k)->isChecked()) out.push_back(k);
        return out;
    }
};

} // namespace

TEST(NumberList, LeftClicksRaiseTheWeightAndRightClicksCountDownToUnchecked)
{
    ListFixture f;
    NumberListEntries e = f.form.entries();
    for (auto& entry : e) entry = {false, QString()};
    e[4] = {true, "2"};
    f.form.setEntries(e);
    f.form.show();

    f.click(5, Qt::RightButton);
    EXPECT_TRUE(f.box(5)->isChecked()) << "the right button does not toggle";
    EXPECT_EQ(f.form.weight(5), "1");
    EXPECT_EQ(f.form.StatusBar1->currentMessage(), "Die Zahl 5 geht mit der Gewichtung 1 in die Berechnung ein");
    f.click(5, Qt::RightButton);
    EXPECT_FALSE(f.box(5)->isChecked()) << "weight 0 unchecks";
    EXPECT_EQ(f.form.weight(5), "0");

    // The left click after a right click still counts down; the one after it counts up again.
    f.click(5);
    EXPECT_FALSE(f.box(5)->isChecked());
    EXPECT_EQ(f.form.weight(5), "0");
    EXPECT_FALSE(f.form.DecrementMode);
    f.click(5);
    EXPECT_TRUE(f.box(5)->isChecked());
    EXPECT_EQ(f.form.weight(5), "1");
    f.click(5);
    EXPECT_FALSE(f.box(5)->isChecked()) << "unchecking keeps the weight";
    EXPECT_EQ(f.form.weight(5), "1");

    // A box without a weight is checked with weight 1 at the first click.
    f.click(9);
    EXPECT_TRUE(f.box(9)->isChecked());
    EXPECT_EQ(f.form.weight(9), "1");
    // Hovering shows the weight.
    QMouseEvent move(QEvent::MouseMove, QPointF(9, 9), f.box(5)->mapToGlobal(QPointF(9, 9)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(f.box(5), &move);
    EXPECT_EQ(f.form.StatusBar1->currentMessage(), "Die Zahl 5 geht mit der Gewichtung 1 in die Berechnung ein");
    // The longest message, a two-digit number with a two-digit weight, is shown whole.
    e[48] = {true, "10"};
    f.form.setEntries(e);
    QApplication::sendEvent(f.box(49), &move);
    const QStatusBar* bar = f.form.StatusBar1;
    EXPECT_EQ(bar->currentMessage(), "Die Zahl 49 geht mit der Gewichtung 10 in die Berechnung ein");
    EXPECT_LE(bar->fontMetrics().horizontalAdvance(bar->currentMessage()), bar->width() - 12);
}

TEST(NumberList, TheRandomPickerFreezesOnePickPerClickAndStopsWithSixNumbers)
{
    ListFixture f;
    f.form.beginRowEdit({});
    f.form.show();
    EXPECT_TRUE(f.form.BitBtn4->isVisible());
    EXPECT_FALSE(f.form.BitBtn3->isVisible());

    QTest::mouseClick(f.form.BitBtn4, Qt::LeftButton);
    EXPECT_TRUE(f.form.Timer1->isActive());
    EXPECT_EQ(f.form.Timer1->interval(), 25);
    EXPECT_TRUE(f.checked().empty());

    // The ticks are driven here, one at a time.
    std::vector<int> frozen;
    for (int click = 1; click <= 5; ++click) {
        f.form.Timer1Timer();
        EXPECT_EQ(f.form.BitBtn4->text(), QStringLiteral("%1 Stopp").arg(click));
        const std::vector<int> now = f.checked();
        ASSERT_EQ(now.size(), 6u);
        for (int k : now) EXPECT_EQ(f.form.boxColour(k), TForm6::kMarkedColour);
        // The colour shows on screen, not only in the palette.
        const QImage drawn = f.box(now[0])->grab().toImage();
        EXPECT_EQ(drawn.pixelColor(drawn.width() - 3, 2), TForm6::kMarkedColour);
        for (int k : frozen) EXPECT_TRUE(f.box(k)->isChecked()) << "frozen " << k;
        QTest::mouseClick(f.form.BitBtn4, Qt::LeftButton);
        frozen.push_back(f.form.picker().picks()[std::size_t(click)]);
    }
    f.form.Timer1Timer();
    f.form.Timer1Timer();
    for (int k : frozen) EXPECT_TRUE(f.box(k)->isChecked()) << "frozen " << k;
    const std::vector<int> last = f.checked();
    QTest::mouseClick(f.form.BitBtn4, Qt::LeftButton);
    EXPECT_FALSE(f.form.Timer1->isActive());
    EXPECT_EQ(f.form.BitBtn4->text(), "&Zufall") << "the caption of the chosen language comes back";
    EXPECT_EQ(f.checked(), last);
    EXPECT_EQ(f.form.checkedNumbers().count(), 6u);

    // Closing the dialog while it runs stops it.
    QTest::mouseClick(f.form.BitBtn4, Qt::LeftButton);
    ASSERT_TRUE(f.form.Timer1->isActive());
    f.form.reject();
    EXPECT_FALSE(f.form.Timer1->isActive());
    EXPECT_EQ(f.form.picker().nextPick(), 1);
}

TEST(NumberList, SavesAndLoadsWeightListsThroughTheFileDialogs)
{
    ListFixture f;
    QByteArray text;
    for (int k = 1; k <= 49; ++k) text += (k == 7 ? QByteArray() : QByteArray::number(k % 4)) + "\r\n";
    f.dir.writeFile("list.wgl", text);
    f.prompt.fileAnswers.push_back(f.dir.file("list.wgl"));
    QTest::mouseClick(f.form.SpeedButton2, Qt::LeftButton);
    EXPECT_FALSE(f.box(7)->isChecked());
    EXPECT_EQ(f.form.weight(7), "1");
    EXPECT_TRUE(f.box(8)->isChecked());
    EXPECT_EQ(f.form.weight(8), "0");
    EXPECT_EQ(f.form.weight(9), "1");
    ASSERT_EQ(f.prompt.shown.size(), 1u);
    EXPECT_EQ(f.prompt.shown[0].text, "Werteliste|*.wgl");

    // A file that is no weight list changes nothing and says why.
    const NumberListEntries before = f.form.entries();
    f.dir.writeFile("bad.wgl", "1\n2\n");
    f.prompt.fileAnswers.push_back(f.dir.file("bad.wgl"));
    QTest::mouseClick(f.form.SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(f.form.entries(), before);
    EXPECT_EQ(f.prompt.texts("error").size(), 1);
    // Cancelling does nothing.
    QTest::mouseClick(f.form.SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(f.form.entries(), before);

    // Saving gives a checked box without weight the weight 1, in the dialog and in the file.
    NumberListEntries e = before;
    e[9] = {true, QString()};
    f.form.setEntries(e);
    f.prompt.fileAnswers.push_back(f.dir.file("saved.wgl"));
    QTest::mouseClick(f.form.SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(f.form.weight(10), "1");
    const QList<QByteArray> lines = f.dir.readFile("saved.wgl").split('\n');
    EXPECT_EQ(lines[6], "\r");
    EXPECT_EQ(lines[9], "1\r");
    EXPECT_EQ(lines[7], "0\r");
}

TEST(NumberList, TheCalculationsButtonsGiveItsThreeOutcomes)
{
    ListFixture f;
    // "&Rechnen" covers "OK"; Enter still reaches "OK".
    EXPECT_EQ(f.form.BitBtn3->geometry(), f.form.BitBtn1->geometry());
    f.form.show();
    EXPECT_EQ(f.form.Panel1->childAt(f.form.BitBtn1->geometry().center()), f.form.BitBtn3);
    f.form.hide();

    NumberListEntries entries;
    for (int k = 1; k <= 49; ++k) entries[std::size_t(k - 1)] = {k % 2 == 1, QString::number(k % 2)};
    NumberListEntries e = entries;
    whenModal([&](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
    EXPECT_EQ(f.form.edit(e), NumberListOutcome::Keep);
    EXPECT_EQ(f.form.windowTitle(), "t36");

    e = entries;
    whenModal([&](QWidget*) {
        EXPECT_TRUE(f.box(1)->isChecked());
        EXPECT_EQ(f.form.weight(1), "1");
        f.click(1, Qt::RightButton); // weight 1 → 0: unchecked
        QTest::mouseClick(f.form.BitBtn3, Qt::LeftButton);
    });
    EXPECT_EQ(f.form.edit(e), NumberListOutcome::Rebuild);
    EXPECT_EQ(e[0], (NumberListEntry{false, "0"}));
    EXPECT_EQ(e[2], entries[2]);

    e = entries;
    whenModal([&](QWidget*) { QTest::mouseClick(f.form.BitBtn2, Qt::LeftButton); });
    EXPECT_EQ(f.form.edit(e), NumberListOutcome::Cancel);
    whenModal([&](QWidget* dialog) { dialog->close(); });
    EXPECT_EQ(f.form.edit(e), NumberListOutcome::Cancel);
    EXPECT_FALSE(f.form.DecrementMode) << "every calculation starts the list afresh";
}
