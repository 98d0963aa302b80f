// The calculation reads the live controls: a change the user makes counts at once, the loosening
// moves the visible control, and a setting without a control comes from the settings values.
#include "app/session.h"
#include "test_support.h"
#include "ui/control_factory.h"
#include "ui/widget_generation_settings.h"

#include <QCheckBox>
#include <QDateEdit>

#include <gtest/gtest.h>

using namespace razoz;

TEST(WidgetGenerationSettings, ReadsTheControlsLiveAndFallsBackToTheStoredValues)
{
    test::ScriptedPrompt prompt;
    Session session(QStringLiteral("/tmp/none/"), prompt);
    session.settings().set(key::FirstWindowHits, 5);          // no control: the stored value counts
    session.settings().set(key::LimitFirstWindowHits, false); // no control either
    QWidget window;
    window.setObjectName(QStringLiteral("Form1"));
    QCheckBox* box8 = makeCheckBox(&window, "CheckBox8", QStringLiteral("Paar"));
    SpinControl* upDown4 = makeSpin(&window, key::SharedWithLastDrawLimit, "Edit4", {});
    SpinControl* upDown7 = makeSpin(&window, key::RunBudgetThousands, "Edit7", {});
    auto* end = new QDateEdit(QDate(2020, 5, 2), &window);
    end->setObjectName(QStringLiteral("DateTimePicker1"));

    WidgetGenerationSettings settings(&window, session);
    EXPECT_FALSE(settings.checkBox8());
    box8->setChecked(true);
    EXPECT_TRUE(settings.checkBox8()) << "read at the moment of use";
    EXPECT_EQ(settings.upDown7(), 50);
    upDown7->setValue(12);
    EXPECT_EQ(settings.upDown7(), 12);
    EXPECT_EQ(settings.upDown17(), 5);
    EXPECT_FALSE(settings.checkBox28());
    EXPECT_TRUE(settings.checkBox16()) << "design default without control and value";
    EXPECT_EQ(settings.dateTimePicker1(), toDays(2020, 5, 2));

    // The loosening shows in the controls and stays within their range.
    settings.setCheckBox8(false);
    EXPECT_FALSE(box8->isChecked());
    settings.setUpDown4(9);
    EXPECT_EQ(upDown4->value(), 5);
    EXPECT_EQ(settings.upDown4(), 5);
    settings.setUpDown6(2); // no control: the value, kept within 4..6
    EXPECT_EQ(settings.upDown6(), 4);
}
