#include "app/stored_generation_settings.h"

#include "archive/dates.h"

#include <algorithm>

namespace razoz {

namespace {

const QString kEndDate = QStringLiteral("DateTimePicker1");
const QString kStartDate = QStringLiteral("DateTimePicker2");

// The number after a prefix ("Chekcbox16" → 16), 0 when the name has another form.
int numberAfter(const QString& name, QLatin1String prefix)
{
    if (!name.startsWith(prefix)) return 0;
    bool ok = false;
    const int n = QStringView(name).mid(prefix.size()).toInt(&ok);
    return ok ? n : 0;
}

} // namespace

StoredGenerationSettings::StoredGenerationSettings(SettingsValues& values) : values_(values)
{
    for (int n = 1; n <= 35; ++n) load(QStringLiteral("Chekcbox%1").arg(n));
    for (int n = 1; n <= 21; ++n) load(QStringLiteral("UpDown%1").arg(n));
    load(kStartDate);
    load(kEndDate);
}

void StoredGenerationSettings::load(const QString& name)
{
    const QVariant v = values_.value(name);
    if (name == kEndDate) {
        end_ = v.isValid() ? v.toDouble() : today();
        return;
    }
    if (name == kStartDate) {
        const SettingDef* def = findSetting(name);
        start_ = v.isValid() ? v.toDouble() : def->defaultValue.toDouble();
        return;
    }
    if (const int n = numberAfter(name, QLatin1String("Chekcbox")); n > 0 && n < int(check_.size())) {
        const SettingDef* def = findSetting(name);
        check_[std::size_t(n)] = v.isValid() ? v.toBool() : def && def->defaultValue.toBool();
        return;
    }
    if (const int n = numberAfter(name, QLatin1String("UpDown")); n > 0 && n < int(spin_.size())) {
        const SettingDef* def = findSetting(name);
        if (!def) return; // there is no UpDown19
        const int position = v.isValid() ? v.toInt() : def->defaultValue.toInt();
        spin_[std::size_t(n)] = std::clamp(position, def->minimum, def->maximum);
    }
}

void StoredGenerationSettings::setValue(const QString& name, const QVariant& value)
{
    values_.setValue(name, value);
    load(name);
}

void StoredGenerationSettings::setSpin(int n, int position)
{
    // The control keeps its position within its range; so do the values.
    const QString name = QStringLiteral("UpDown%1").arg(n);
    setValue(name, position);
    values_.setValue(name, spin_[std::size_t(n)]);
}

void StoredGenerationSettings::setDateTimePicker1(double date)
{
    setValue(kEndDate, date);
}

void StoredGenerationSettings::setCheckBox8(bool checked)
{
    setValue(QStringLiteral("Chekcbox8"), checked);
}

void StoredGenerationSettings::setUpDown4(int position)
{
    setSpin(4, position);
}

void StoredGenerationSettings::setUpDown5(int position)
{
    setSpin(5, position);
}

void StoredGenerationSettings::setUpDown6(int position)
{
    setSpin(6, position);
}

} // namespace razoz
