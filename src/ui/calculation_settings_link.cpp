#include "ui/calculation_settings_link.h"

#include "app/calculation_values.h"
#include "base/day_count.h"
#include "ui/settings_binder.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QSpinBox>

namespace razoz {

namespace {

template <class W> W* control(QWidget* window, const AnySettingKey& k)
{
    return qobject_cast<W*>(findControl(window, k.def().control));
}

} // namespace

CalculationSettingsLink::CalculationSettingsLink(QWidget* mainWindow, QDateEdit* endPicker,
                                                 CalculationSettingsSource& source, QObject* parent)
    : QObject(parent), source_(source)
{
    endPicker_ = endPicker;
#define RAZOZ_LINK(field, setting) bindControl(mainWindow, key::setting, &CalculationSettings::field);
    RAZOZ_CALCULATION_FIELDS(RAZOZ_LINK)
#undef RAZOZ_LINK
    pairBox_ = control<QCheckBox>(mainWindow, key::DemandConsecutivePair);
    numberListBox_ = control<QCheckBox>(mainWindow, key::ShowNumberListFirst);
    lastDraw_ = control<QSpinBox>(mainWindow, key::SharedWithLastDrawLimit);
    secondLastDraw_ = control<QSpinBox>(mainWindow, key::SharedWithSecondLastDrawLimit);
    pastDrawHits_ = control<QSpinBox>(mainWindow, key::PastDrawHits);
}

template <class W, class T, class Signal, class Read>
void CalculationSettingsLink::link(W* w, T CalculationSettings::*field, Signal signal, Read read)
{
    if (!w) return;
    readers_.push_back([w = QPointer<W>(w), field, read](CalculationSettings& s) {
        if (w) s.*field = read(w.data());
    });
    connect(w, signal, this, [this, w, field, read] {
        if (!showingRun_) source_.edit([&](CalculationSettings& s) { s.*field = read(w); });
    });
}

void CalculationSettingsLink::bindControl(QWidget* window, BoolKey k, bool CalculationSettings::*field)
{
    link(control<QCheckBox>(window, k), field, &QCheckBox::toggled, [](QCheckBox* b) { return b->isChecked(); });
}

void CalculationSettingsLink::bindControl(QWidget* window, IntKey k, int CalculationSettings::*field)
{
    link(control<QSpinBox>(window, k), field, &QSpinBox::valueChanged, [](QSpinBox* b) { return b->value(); });
}

void CalculationSettingsLink::bindControl(QWidget* window, DateKey k, double CalculationSettings::*field)
{
    // The end of the range is held by the draw picker of the "Datenbank" page.
    QDateEdit* picker = k.def().control.isEmpty() ? endPicker_.data() : control<QDateEdit>(window, k);
    link(picker, field, &QDateEdit::dateChanged, [](QDateEdit* d) { return toDays(d->date()); });
}

void CalculationSettingsLink::takeControls()
{
    source_.edit([this](CalculationSettings& s) {
        for (const auto& read : readers_) read(s);
    });
}

void CalculationSettingsLink::showLoosened(LoosenedRule rule, int value)
{
    // The control's other handlers see the change as before; only the shared value keeps the user's.
    showingRun_ = true;
    switch (rule) {
    case LoosenedRule::ConsecutivePair:
        if (pairBox_) pairBox_->setChecked(value != 0);
        break;
    case LoosenedRule::SharedWithLastDraw:
        if (lastDraw_) lastDraw_->setValue(value);
        break;
    case LoosenedRule::SharedWithSecondLastDraw:
        if (secondLastDraw_) secondLastDraw_->setValue(value);
        break;
    case LoosenedRule::PastDrawHits:
        if (pastDrawHits_) pastDrawHits_->setValue(value);
        break;
    }
    showingRun_ = false;
}

void CalculationSettingsLink::showUserValues()
{
    const CalculationSettings s = source_.snapshot();
    showingRun_ = true;
    if (pairBox_) pairBox_->setChecked(s.demandConsecutivePair);
    if (lastDraw_) lastDraw_->setValue(s.sharedWithLastDrawLimit);
    if (secondLastDraw_) secondLastDraw_->setValue(s.sharedWithSecondLastDrawLimit);
    if (pastDrawHits_) pastDrawHits_->setValue(s.pastDrawHits);
    showingRun_ = false;
}

void CalculationSettingsLink::showNumberListOff(bool off)
{
    if (!numberListBox_) return;
    showingRun_ = true;
    numberListBox_->setChecked(!off && source_.snapshot().showNumberListFirst);
    showingRun_ = false;
}

} // namespace razoz
