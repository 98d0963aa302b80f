// The entry dialog "Zahlen der Ziehung eingeben".
#include "archive/dates.h"
#include "modal.h"
#include "test_support.h"
#include "ui/tform3.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;

TEST(TForm3, CarriesTheReferenceThroughAndReturnsWhatWasTyped)
{
    DrawRecord ref = draw({2005, 4, 2}, {4, 9, 17, 22, 38, 41}, 12, 7);
    ref.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    ref.super6 = {6, 5, 4, 3, 2, 1};
    TForm3 form;
    EXPECT_EQ(form.windowTitle(), "Zahlen der Ziehung eingeben");
    EXPECT_EQ(form.Edit[7]->maximum(), 9);
    form.load(ref);
    EXPECT_EQ(form.record(), ref);
    EXPECT_TRUE(form.findChild<QLineEdit*>("S77_7")->isHidden());
    form.findChild<QSpinBox*>("Edit1")->setValue(49);
    auto typed = form.record();
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->numbers[0], 49);
    EXPECT_EQ(typed->super6, ref.super6);
    form.SS[2]->setText("x");
    EXPECT_FALSE(form.record());
}

TEST(TForm3, OkAndAbortAsModalResults)
{
    const DrawRecord ref = draw({2005, 4, 2}, {4, 9, 17, 22, 38, 41}, 12, 7);
    test::whenModal([](QWidget* dialog) {
        auto* d = qobject_cast<TForm3*>(dialog);
        ASSERT_TRUE(d);
        d->DateTimePicker1->setDate({2005, 4, 7});
        d->BitBtn2->click();
    });
    auto r = enterDrawDialog(ref, nullptr);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->date, toDays({2005, 4, 7}));
    const test::ModalAnswer aborted = test::whenModal([](QWidget* dialog) {
        auto* d = qobject_cast<TForm3*>(dialog);
        ASSERT_TRUE(d);
        d->BitBtn1->click();
    });
    EXPECT_FALSE(enterDrawDialog(ref, nullptr));
    EXPECT_TRUE(aborted.shown());
}
