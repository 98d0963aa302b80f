#include "app/stored_generation_settings.h"

namespace razoz {

StoredGenerationSettings::StoredGenerationSettings(SettingsValues& values) : values_(values)
{
    load();
}

void StoredGenerationSettings::load()
{
    s_ = calculationSettingsFrom(values_);
}

void StoredGenerationSettings::set(BoolKey k, bool value)
{
    values_.set(k, value);
    load();
}

void StoredGenerationSettings::set(IntKey k, int position)
{
    // The control keeps its position within its range; so do the values.
    values_.set(k, position);
    values_.set(k, values_.get(k));
    load();
}

void StoredGenerationSettings::set(DateKey k, double date)
{
    values_.set(k, date);
    load();
}

void StoredGenerationSettings::setDateTimePicker1(double date)
{
    set(key::RangeEndDate, date);
}

void StoredGenerationSettings::setCheckBox8(bool checked)
{
    set(key::DemandConsecutivePair, checked);
}

void StoredGenerationSettings::setUpDown4(int position)
{
    set(key::SharedWithLastDrawLimit, position);
}

void StoredGenerationSettings::setUpDown5(int position)
{
    set(key::SharedWithSecondLastDrawLimit, position);
}

void StoredGenerationSettings::setUpDown6(int position)
{
    set(key::PastDrawHits, position);
}

} // namespace razoz
