#include "ui/widget_generation_settings.h"

#include "app/session.h"
#include "base/day_count.h"
#include "ui/settings_binder.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QSpinBox>

namespace razoz {

namespace {

template <class W> W* control(QWidget* window, const QString& name)
{
    return qobject_cast<W*>(findControl(window, name));
}

} // namespace

WidgetGenerationSettings::WidgetGenerationSettings(QWidget* mainWindow, Session& session) : stored_(session.settings())
{
    for (int n = 1; n < static_cast<int>(checkBoxes_.size()); ++n)
        checkBoxes_[static_cast<std::size_t>(n)] = control<QCheckBox>(mainWindow, QStringLiteral("CheckBox%1").arg(n));
    for (int n = 1; n < static_cast<int>(spins_.size()); ++n)
        spins_[static_cast<std::size_t>(n)] = control<QSpinBox>(mainWindow, QStringLiteral("UpDown%1").arg(n));
    endPicker_ = control<QDateEdit>(mainWindow, QStringLiteral("DateTimePicker1"));
    startPicker_ = control<QDateEdit>(mainWindow, QStringLiteral("DateTimePicker2"));
}

WidgetGenerationSettings::~WidgetGenerationSettings() = default;

bool WidgetGenerationSettings::check(int n) const
{
    if (const QCheckBox* box = checkBoxes_[static_cast<std::size_t>(n)]) return box->isChecked();
    switch (n) {
#define RAZOZ_CHECK(N)                                                                                                 \
    case N: return stored_.checkBox##N();
        RAZOZ_CHECK(1)
        RAZOZ_CHECK(2)
        RAZOZ_CHECK(3)
        RAZOZ_CHECK(4)
        RAZOZ_CHECK(5)
        RAZOZ_CHECK(6)
        RAZOZ_CHECK(7)
        RAZOZ_CHECK(8)
        RAZOZ_CHECK(9)
        RAZOZ_CHECK(10)
        RAZOZ_CHECK(11)
        RAZOZ_CHECK(12)
        RAZOZ_CHECK(13)
        RAZOZ_CHECK(14)
        RAZOZ_CHECK(15)
        RAZOZ_CHECK(16)
        RAZOZ_CHECK(17)
        RAZOZ_CHECK(18)
        RAZOZ_CHECK(19)
        RAZOZ_CHECK(20)
        RAZOZ_CHECK(22)
        RAZOZ_CHECK(23)
        RAZOZ_CHECK(24)
        RAZOZ_CHECK(25)
        RAZOZ_CHECK(26)
        RAZOZ_CHECK(27)
        RAZOZ_CHECK(28)
        RAZOZ_CHECK(29)
        RAZOZ_CHECK(30)
        RAZOZ_CHECK(34)
        RAZOZ_CHECK(35)
#undef RAZOZ_CHECK
    default: return false;
    }
}

int WidgetGenerationSettings::spin(int n) const
{
    if (const QSpinBox* s = spins_[static_cast<std::size_t>(n)]) return s->value();
    switch (n) {
#define RAZOZ_SPIN(N)                                                                                                  \
    case N: return stored_.upDown##N();
        RAZOZ_SPIN(1)
        RAZOZ_SPIN(2)
        RAZOZ_SPIN(3)
        RAZOZ_SPIN(4)
        RAZOZ_SPIN(5)
        RAZOZ_SPIN(6)
        RAZOZ_SPIN(7)
        RAZOZ_SPIN(8)
        RAZOZ_SPIN(9)
        RAZOZ_SPIN(10)
        RAZOZ_SPIN(11)
        RAZOZ_SPIN(12)
        RAZOZ_SPIN(13)
        RAZOZ_SPIN(14)
        RAZOZ_SPIN(15)
        RAZOZ_SPIN(16)
        RAZOZ_SPIN(17)
        RAZOZ_SPIN(18)
        RAZOZ_SPIN(20)
        RAZOZ_SPIN(21)
#undef RAZOZ_SPIN
    default: return 0;
    }
}

double WidgetGenerationSettings::dateTimePicker1() const
{
    return endPicker_ ? toDays(endPicker_->date()) : stored_.dateTimePicker1();
}

double WidgetGenerationSettings::dateTimePicker2() const
{
    return startPicker_ ? toDays(startPicker_->date()) : stored_.dateTimePicker2();
}

void WidgetGenerationSettings::setDateTimePicker1(double date)
{
    if (endPicker_)
        endPicker_->setDate(fromDays(date));
    else
        stored_.setDateTimePicker1(date);
}

void WidgetGenerationSettings::setCheckBox8(bool checked)
{
    if (QCheckBox* box = checkBoxes_[8])
        box->setChecked(checked);
    else
        stored_.setCheckBox8(checked);
}

void WidgetGenerationSettings::setSpin(int n, int position)
{
    // The control keeps its position within its range, as the user sees it while the calculation runs.
    if (QSpinBox* s = spins_[static_cast<std::size_t>(n)]) {
        s->setValue(position);
        return;
    }
    if (n == 4) stored_.setUpDown4(position);
    if (n == 5) stored_.setUpDown5(position);
    if (n == 6) stored_.setUpDown6(position);
}

void WidgetGenerationSettings::setUpDown4(int position)
{
    setSpin(4, position);
}

void WidgetGenerationSettings::setUpDown5(int position)
{
    setSpin(5, position);
}

void WidgetGenerationSettings::setUpDown6(int position)
{
    setSpin(6, position);
}

} // namespace razoz
