#include "app/calculation_values.h"

#include "archive/dates.h"

namespace razoz {

CalculationSettings calculationSettingsFrom(const SettingsValues& values)
{
    CalculationSettings s;
#define RAZOZ_FIELD_FROM(field, setting) s.field = values.get(key::setting);
    RAZOZ_CALCULATION_FIELDS(RAZOZ_FIELD_FROM)
#undef RAZOZ_FIELD_FROM
    if (!values.contains(key::RangeEndDate)) s.rangeEnd = today();
    return s;
}

void storeCalculationSettings(const CalculationSettings& settings, SettingsValues& values)
{
#define RAZOZ_FIELD_TO(field, setting) values.set(key::setting, settings.field);
    RAZOZ_CALCULATION_FIELDS(RAZOZ_FIELD_TO)
#undef RAZOZ_FIELD_TO
}

} // namespace razoz
