#include "app/settings_store.h"

#include "archive/archive_rewrite.h"
#include "base/day_count.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace razoz {

SettingsValues::SettingsValues() : values_(std::size_t(kSettingCount))
{
    for (const SettingDef& d : settingsTable()) values_[std::size_t(d.index)] = d.defaultValue;
}

int clampToRange(const SettingDef& def, int value)
{
    return def.maximum > def.minimum ? std::clamp(value, def.minimum, def.maximum) : value;
}

int SettingsValues::get(IntKey k) const
{
    return clampToRange(k.def(), at(k).toInt());
}

std::optional<int> SettingsStore::get(IntKey k) const
{
    const StoredValue v = read(k);
    if (v.status != ReadStatus::Ok) return std::nullopt;
    return clampToRange(k.def(), v.value.toInt());
}

QStringList loadAllSettings(const SettingsStore& store, SettingsValues& values)
{
    QStringList stored;
    for (const SettingDef& def : settingsSchema()) {
        const StoredValue v = store.read(def);
        if (v.status != ReadStatus::Ok) continue;
        SettingsRows::setValue(values, def,
                               def.type == SettingType::Int ? QVariant(clampToRange(def, v.value.toInt())) : v.value);
        stored << def.name;
    }
    return stored;
}

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QStringLiteral("Tallwick"), QStringLiteral("Dovovuduv")))
{
}

SettingsStore::SettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

namespace {

bool isText(const QVariant& v)
{
    // An INI file gives numbers and booleans back as text; a binary value comes back as bytes.
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::Int || v.typeId() == QMetaType::UInt ||
           v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Bool;
}

std::optional<int> asInt(const QVariant& v)
{
    if (!isText(v)) return std::nullopt;
    if (v.typeId() == QMetaType::Bool) return v.toBool() ? 1 : 0;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    if (ok) return n;
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("true")) return 1;
    if (s == QLatin1String("false")) return 0;
    return std::nullopt;
}

} // namespace

StoredValue SettingsStore::read(const SettingDef& def) const
{
    if (!def.stored() || !settings_->contains(def.name)) return {};
    const QVariant v = settings_->value(def.name);
    switch (def.type) {
    case SettingType::Bool: {
        const auto n = asInt(v);
        if (n) return {ReadStatus::Ok, *n != 0};
        // "Browser" kept as text: a text there leaves the link page off.
        if (def.index == key::ShowLinkPage.index && isText(v)) return {ReadStatus::Ok, false};
        return {ReadStatus::WrongType, {}};
    }
    case SettingType::Int: {
        const auto n = asInt(v);
        if (!n) return {ReadStatus::WrongType, {}};
        return {ReadStatus::Ok, *n};
    }
    case SettingType::String:
        if (!isText(v)) return {ReadStatus::WrongType, {}};
        return {ReadStatus::Ok, v.toString()};
    case SettingType::Date: {
        if (v.typeId() != QMetaType::QByteArray) return {ReadStatus::WrongType, {}};
        const QByteArray bytes = v.toByteArray();
        if (bytes.size() != 8) return {ReadStatus::WrongType, {}};
        double d;
        std::memcpy(&d, bytes.constData(), 8);
        if (!std::isfinite(d)) return {ReadStatus::WrongType, {}};
        return {ReadStatus::Ok, d};
    }
    case SettingType::Byte: {
        if (v.typeId() != QMetaType::QByteArray) return {ReadStatus::WrongType, {}};
        const QByteArray bytes = v.toByteArray();
        if (bytes.size() != 1) return {ReadStatus::WrongType, {}};
        return {ReadStatus::Ok, int(quint8(bytes[0]))};
    }
    }
    return {};
}

QVariant storedForm(SettingType type, const QVariant& value)
{
    switch (type) {
    case SettingType::Bool: return value.toBool() ? 1 : 0;
    case SettingType::Int: return value.toInt();
    case SettingType::String: return value.toString();
    case SettingType::Date: {
        const double d = value.toDouble();
        QByteArray bytes(8, '\0');
        std::memcpy(bytes.data(), &d, 8);
        return bytes;
    }
    case SettingType::Byte: return QByteArray(1, char(quint8(value.toInt())));
    }
    return {};
}

void SettingsStore::write(const SettingDef& def, const QVariant& value)
{
    settings_->setValue(def.name, storedForm(def.type, value));
}

bool SettingsStore::writeAll(const SettingsValues& values, bool normalWindow)
{
    const bool fontComplete = values.contains(key::PrintFontStyle) && values.contains(key::PrintFontColor) &&
                              values.contains(key::PrintFontSize) && values.contains(key::PrintFontName);
    for (const SettingDef* d : settingsInWriteOrder()) {
        const QVariant& value = SettingsRows::value(values, *d);
        if (!value.isValid()) continue;
        if (!normalWindow && (d->binding == SettingBinding::WindowHeight || d->binding == SettingBinding::WindowWidth))
            continue;
        // The print font is kept as four values that only make sense together.
        if (d->group == SettingGroup::PrintFont && d->binding != SettingBinding::Control && !fontComplete) continue;
        write(*d, value);
        if (settings_->status() != QSettings::NoError) return false;
    }
    settings_->sync();
    // The store replaces its file by a rename; the folder entry goes to the disk too.
    syncFolderToDisk(QFileInfo(settings_->fileName()).absolutePath());
    return settings_->status() == QSettings::NoError;
}

void SettingsStore::writeNow(const SettingsValues& values, std::initializer_list<AnySettingKey> keys)
{
    for (const AnySettingKey& k : keys)
        if (values.contains(k)) write(k.def(), SettingsRows::value(values, k.def()));
    settings_->sync();
}

double startDateFromStore(const StoredValue& stored, double designDate, double today)
{
    const double earliest = kEarliestDrawDay;
    double start = designDate;
    if (stored.status == ReadStatus::Ok)
        start = std::floor(stored.value.toDouble());
    else if (stored.status == ReadStatus::WrongType)
        start = earliest;
    if (start > today - 7 || start < earliest) start = earliest;
    return start;
}

} // namespace razoz
