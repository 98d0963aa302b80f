// The settings file as the desktop program and razoz-cli read it, with values of every wrong
// type: each value is taken typed and in range or else takes its default; no group read fails.
#include "app/calculation_values.h"
#include "app/settings_store.h"
#include "base/day_count.h"
#include "fuzz_support.h"

#include <QFile>

#include <cmath>

using namespace razoz;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A new name for every input: QSettings keeps parsed files by name.
    static int round = 0;
    const QString path = fuzz::writeScratch(QStringLiteral("settings-%1.ini").arg(++round), fuzz::bytesOf(data, size));
    {
        SettingsStore store(path);
        SettingsValues values;
        loadAllSettings(store, values);
        for (const SettingDef& def : settingsSchema()) {
            const StoredValue v = store.read(def);
            if (v.status != ReadStatus::Ok) continue;
            switch (def.type) {
            case SettingType::Bool:
                if (v.value.typeId() != QMetaType::Bool) fuzz::violated("a flag read as another type");
                break;
            case SettingType::Int:
                if (v.value.typeId() != QMetaType::Int) fuzz::violated("a number read as another type");
                if (def.maximum > def.minimum && (SettingsRows::value(values, def).toInt() < def.minimum ||
                                                  SettingsRows::value(values, def).toInt() > def.maximum))
                    fuzz::violated("a number outside its range was kept");
                break;
            case SettingType::Date:
                if (!std::isfinite(v.value.toDouble())) fuzz::violated("a date that is no number");
                break;
            case SettingType::Byte:
                if (v.value.toInt() < 0 || v.value.toInt() > 255) fuzz::violated("a byte outside 0..255");
                break;
            case SettingType::String: break;
            }
        }
        for (SettingGroup g : {SettingGroup::CheckBoxes, SettingGroup::Parameters, SettingGroup::Losnummer,
                               SettingGroup::Positioning, SettingGroup::PrintFont, SettingGroup::Fees,
                               SettingGroup::Browser, SettingGroup::Internet, SettingGroup::StartDate})
            store.readGroup(g, [](const SettingDef&, const QVariant&) {});
        const double today = 46000;
        const double start = startDateFromStore(store.read(key::RangeStartDate), 40000, today);
        if (!(start >= kEarliestDrawDay && start <= today - 7)) fuzz::violated("start date outside the range");
        (void)calculationSettingsFrom(values);
    }
    QFile::remove(path);
    return 0;
}
