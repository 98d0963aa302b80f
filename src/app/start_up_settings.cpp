#include "app/start_up_settings.h"

#include "app/languages.h"
#include "archive/draw_filter.h"

namespace razoz {

void readStartUpSettings(const SettingsStore& store, SettingsValues& values, double today, const StartUpHooks& hooks)
{
    const auto take = [&](const SettingDef& def, const QVariant& value) {
        SettingsRows::setValue(values, def, value);
        if (hooks.apply) hooks.apply(def, value);
    };
    const auto done = [&](StartUpStep step) {
        if (hooks.stepDone) hooks.stepDone(step);
    };

    store.readGroup(SettingGroup::CheckBoxes, take);
    const DrawDays days = atLeastOneDrawDay({values.get(key::CountSaturdayDraws), values.get(key::CountThursdayDraws)});
    values.set(key::CountSaturdayDraws, days.saturday);
    values.set(key::CountThursdayDraws, days.thursday);
    done(StartUpStep::CheckBoxes);

    store.readGroup(SettingGroup::Parameters, take);
    values.set(key::Language, languageAt(values.get(key::Language)).index);
    done(StartUpStep::Parameters);

    if (const auto stored = store.get(key::TicketNumber)) take(key::TicketNumber.def(), *stored);
    done(StartUpStep::Losnummer);

    store.readGroup(SettingGroup::Positioning, take);
    done(StartUpStep::Positioning);

    for (const SettingDef* d : settingsOfGroup(SettingGroup::PrintFont)) {
        if (d->binding != SettingBinding::Control && !store.holds(key::PrintFontStyle)) continue;
        const StoredValue v = store.read(*d);
        if (v.status == ReadStatus::Ok) take(*d, v.value);
    }
    done(StartUpStep::PrintFont);

    store.readGroup(SettingGroup::Fees, take);
    store.readGroup(SettingGroup::Browser, take);
    done(StartUpStep::Fees);

    store.readGroup(SettingGroup::Internet, take);
    const double start = startDateFromStore(store.read(key::RangeStartDate), defaultOf(key::RangeStartDate), today);
    take(key::RangeStartDate.def(), start);
    done(StartUpStep::Internet);
}

} // namespace razoz
