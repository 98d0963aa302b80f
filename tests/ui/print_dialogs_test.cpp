#include "app/settings_store.h"
#include "modal.h"
#include "test_support.h"
#include "ui/print_action.h"
#include "ui/tform5.h"
#include "ui/tform8.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

struct Dialogs {
    test::ScriptedPrompt prompt;
    InterfaceTexts texts;
    TForm8 form8;
    TForm5 form5{form8, prompt, texts};
    void choose(int item) { QTest::mouseClick(form5.presetGroup->button(item), Qt::LeftButton, {}, QPoint(5, 7)); }
};

} // namespace

TEST(TForm5, PresetChoicesSetOffsetsAndLayout)
{
    Dialogs d;
    d.form5.show();
    d.form8.setLayoutItem(1);
    d.choose(12); // "Hamburg"
    EXPECT_EQ(d.form5.UpDown[1]->value(), 44);
    EXPECT_EQ(d.form5.UpDown[2]->value(), 105);
    EXPECT_EQ(d.form8.layoutItem(), 0);
    d.form8.setLayoutItem(1);
    d.choose(1); // "Brandenburg "
    EXPECT_EQ(d.form5.UpDown[1]->value(), 47);
    EXPECT_EQ(d.form5.UpDown[2]->value(), 21);
    EXPECT_EQ(d.form8.layoutItem(), 1);
    EXPECT_FALSE(d.form5.anpassen->isEnabled());
    d.form5.UpDown[1]->setValue(99);
    d.choose(13);
    EXPECT_TRUE(d.form5.anpassen->isEnabled());
    EXPECT_EQ(d.form5.UpDown[1]->value(), 99);
    EXPECT_EQ(d.form5.presetGroup->button(13)->text(), "Selbst definierte Positionierung");
}

TEST(TForm5, CostFollowsEveryClick)
{
    Dialogs d;
    d.form5.show();
    d.form5.setPlayedRows(2);
    QTest::mouseClick(d.form5.CheckBox3, Qt::LeftButton);
    QTest::mouseClick(d.form5.CheckBox4, Qt::LeftButton);
    QTest::mouseClick(d.form5.CheckBox1, Qt::LeftButton);
    EXPECT_EQ(d.form5.Label4->text(), "5,75 €");
    QTest::mouseClick(d.form5.CheckBox1, Qt::LeftButton);
    EXPECT_EQ(d.form5.Label4->text(), "0,00 €");
    // The add-on boxes go on, grayed, off.
    QTest::mouseClick(d.form5.CheckBox1, Qt::LeftButton);
    QTest::mouseClick(d.form5.CheckBox3, Qt::LeftButton);
    EXPECT_EQ(TForm5::triState(d.form5.CheckBox3), TriState::Grayed);
    EXPECT_EQ(d.form5.Label4->text(), "3,25 €");
    QTest::mouseClick(d.form5.CheckBox3, Qt::LeftButton);
    EXPECT_EQ(TForm5::triState(d.form5.CheckBox3), TriState::Unchecked);
}

TEST(TForm5, TicketNumberKeepsTheSeventhDigitAndSearchesTheArchive)
{
    Dialogs d;
    d.form5.show();
    d.form5.UpDown[9]->show();
    d.form5.setFixedLastDigit(2);
    d.form5.UpDown[9]->setValue(5); // typed by the user
    int next = 0;
    d.form5.setRandomSource([&](int) { return ++next; });
    d.form5.SpeedButton2Click();
    EXPECT_EQ(ticketNumberText(d.form5.digits()), "1234565");

    test::ProgramDir dir;
    dir.writeArchive({test::draw(QDate(1985, 10, 17), {1, 2, 3, 4, 5, 6})}); // every add-on number zero
    d.form5.setArchivePath(dir.archivePath());
    d.form5.setDigits({0, 0, 0, 0, 0, 0, 0});
    QTest::mouseClick(d.form5.SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(d.prompt.texts("information"), QStringList{"LosNr. wurde am 17.10.1985 bei der Super 6 gezogen"});
}

TEST(PrintAction, DruckenBuildsThePageStoresTheValuesAndCopiesTheGeometry)
{
    Dialogs d;
    test::ProgramDir dir;
    SettingsValues values;
    values.set(key::SlipPreset, 0);
    values.set(key::PrintOffsetTop, 50);
    values.set(key::PrintOffsetLeft, 52);
    values.set(key::PlaysSpiel77, 1);
    SettingsStore store(dir.file("s.ini"));
    TipRows rows;
    rows[0] = {"7", "", "", "", "", ""};
    rows[1] = {"49", "", "", "", "", ""};
    rows[2] = {"1", "", "", "", "", ""};
    std::optional<SlipPage> shown;
    QString losnummer;
    PrintActionContext ctx(d.form5, d.form8, values, d.prompt, d.texts);
    ctx.rows = rows;
    ctx.today = QDate(2026, 12, 12); // a Saturday
    ctx.store = &store;
    ctx.random = [](int) { return 4; };
    ctx.setLosnummer = [&](const QString& n) { losnummer = n; };
    ctx.preview = [&](const SlipPage& p) { shown = p; };
    const test::ModalAnswer printed = test::clickInNextModal("BitBtn2");
    EXPECT_EQ(SpeedButton12Click(ctx), 1);
    EXPECT_TRUE(printed.shown());
    ASSERT_TRUE(shown);
    EXPECT_EQ(losnummer, "0000004");
    EXPECT_EQ(store.read(key::TicketNumber).value.toString(), "0000004");
    EXPECT_EQ(store.read(key::PlaysSpiel77).value.toInt(), 1);
    EXPECT_EQ(shown->marks[0].left, 133);
    EXPECT_EQ(shown->marks[0].top, 50);
    EXPECT_EQ(shown->marks[6].top, 234);
    EXPECT_TRUE(shown->boxes[Samstag].enabled);
    EXPECT_FALSE(shown->boxes[Mittwoch].enabled);
    EXPECT_TRUE(shown->boxes[Spiel77Ja].enabled);
    EXPECT_EQ(d.form8.edits[19]->text(), "453"); // Samstag's left offset, for the user-defined preset
    EXPECT_EQ(d.form8.edits[3]->text(), "2");

    // A positioning value that is no integer: a clear message, no preview.
    shown.reset();
    d.form8.edits[1]->setText("vierzehn");
    values.set(key::SlipPreset, 13);
    const test::ModalAnswer refused = test::clickInNextModal("BitBtn2");
    EXPECT_EQ(SpeedButton12Click(ctx), 1);
    EXPECT_TRUE(refused.shown());
    EXPECT_FALSE(shown);
    ASSERT_EQ(d.prompt.texts("error").size(), 1);
    EXPECT_TRUE(d.prompt.texts("error")[0].contains("Edit1")) << d.prompt.texts("error")[0].toStdString();

    // Abort: nothing further.
    const test::ModalAnswer aborted = test::clickInNextModal("BitBtn1");
    EXPECT_EQ(SpeedButton12Click(ctx), 3);
    EXPECT_TRUE(aborted.shown());
    EXPECT_FALSE(shown);
}

TEST(PrintAction, ThePreviewOpensAndCloses)
{
    SlipPage page;
    page.marks.push_back({"QRLabel1", "x", 100, 100, true, true});
    const test::ModalAnswer closed = test::whenModal([](QWidget* dialog) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog);
        ASSERT_NE(preview, nullptr);
        preview->reject();
    });
    showSlipPreview(page, nullptr);
    EXPECT_TRUE(closed.shown());
}
