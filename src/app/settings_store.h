#pragma once
// The per-user settings store over QSettings (organisation "Tallwick", application "Dovovuduv").
// Values keep their designed names and types; reading is fault-tolerant by group, writing happens
// once, at shut-down, in a fixed order.
#include "app/setting_keys.h"
#include "app/settings_schema.h"

#include <QSettings>

#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

namespace razoz {

// The values of every setting as the program holds them (typed: bool, int, QString, double for a
// date, int 0..255 for a byte). Starts with the table's defaults.
class SettingsValues {
public:
    SettingsValues();

    // An int with a range stays within it; a value never set and without default reads as false,
    // 0, an empty text or day 0.
    bool get(BoolKey k) const { return at(k).toBool(); }
    int get(IntKey k) const;
    QString get(StringKey k) const { return at(k).toString(); }
    double get(DateKey k) const { return at(k).toDouble(); }
    int get(ByteKey k) const { return at(k).toInt() & 0xFF; }
    void set(BoolKey k, bool v) { values_[std::size_t(k.index)] = v; }
    void set(IntKey k, int v) { values_[std::size_t(k.index)] = v; }
    void set(StringKey k, const QString& v) { values_[std::size_t(k.index)] = v; }
    void set(DateKey k, double v) { values_[std::size_t(k.index)] = v; }
    void set(ByteKey k, int v) { values_[std::size_t(k.index)] = v & 0xFF; }
    // False while the value has neither been set nor has a default.
    bool contains(const AnySettingKey& k) const { return at(k).isValid(); }

private:
    friend struct SettingsRows;
    const QVariant& at(const AnySettingKey& k) const { return values_[std::size_t(k.index)]; }
    std::vector<QVariant> values_;
};

// For the loops that carry every value of the table between the store, the controls and
// razoz-cli's listing: a value by its table entry, in the typed form SettingsValues holds.
struct SettingsRows {
    static const QVariant& value(const SettingsValues& v, const SettingDef& d)
    {
        return v.values_[std::size_t(d.index)];
    }
    static void setValue(SettingsValues& v, const SettingDef& d, const QVariant& x)
    {
        v.values_[std::size_t(d.index)] = x;
    }
};

// The table's default of a setting.
inline bool defaultOf(BoolKey k)
{
    return k.def().defaultValue.toBool();
}
inline int defaultOf(IntKey k)
{
    return k.def().defaultValue.toInt();
}
inline QString defaultOf(StringKey k)
{
    return k.def().defaultValue.toString();
}
inline double defaultOf(DateKey k)
{
    return k.def().defaultValue.toDouble();
}
inline int defaultOf(ByteKey k)
{
    return k.def().defaultValue.toInt();
}

// The outcome of reading one stored value.
enum class ReadStatus { Missing, Ok, WrongType };

struct StoredValue {
    ReadStatus status = ReadStatus::Missing;
    QVariant value; // typed as in SettingsValues when Ok
};

class SettingsStore {
public:
    // The user's store.
    SettingsStore();
    // An INI file (tests, razoz-cli --settings).
    explicit SettingsStore(const QString& iniPath);

    QSettings& settings() { return *settings_; }

    // Reads one value with the type of its table entry (Missing for a value that is never stored).
    StoredValue read(const SettingDef& def) const;
    StoredValue read(const AnySettingKey& k) const { return read(k.def()); }
    // True when the store holds the value, whatever its type.
    bool holds(const AnySettingKey& k) const { return settings_->contains(k.def().name); }
    // Typed reads: nullopt when the value is missing or of the wrong type.
    std::optional<bool> get(BoolKey k) const { return typed(read(k), &QVariant::toBool); }
    std::optional<int> get(IntKey k) const;
    std::optional<QString> get(StringKey k) const { return typed(read(k), &QVariant::toString); }

    // Reads a group in order; each value read is handed to `apply`. A value of the wrong type ends
    // the group silently; missing values are skipped. Returns false when the group ended early.
    template <typename Apply> bool readGroup(SettingGroup group, Apply&& apply) const
    {
        for (const SettingDef* d : settingsOfGroup(group)) {
            const StoredValue v = read(*d);
            if (v.status == ReadStatus::WrongType) return false;
            if (v.status == ReadStatus::Ok) apply(*d, v.value);
        }
        return true;
    }

    // Writes every value in shut-down order; "height" and "width" only when `normalWindow`.
    // Values without a value (no control, nothing stored) are left out. False when the store
    // reports an error; what was written before stays.
    bool writeAll(const SettingsValues& values, bool normalWindow);
    // Writes these values at once (those without a value are left out) and flushes the store.
    void writeNow(const SettingsValues& values, std::initializer_list<AnySettingKey> keys);
    // Writes one value with its stored type.
    void write(const SettingDef& def, const QVariant& value);

private:
    template <typename R> static std::optional<R> typed(const StoredValue& v, R (QVariant::*to)() const)
    {
        if (v.status != ReadStatus::Ok) return std::nullopt;
        return (v.value.*to)();
    }
    std::unique_ptr<QSettings> settings_;
};

// A stored int kept within its table range (unchanged when the setting has none).
int clampToRange(const SettingDef& def, int value);

// Loads every stored value of the store (or its default) into `values`, value by value: a value of
// the wrong type takes its default. Returns the names that came from the store.
QStringList loadAllSettings(const SettingsStore& store, SettingsValues& values);

// Converts a typed value to the form the store keeps.
QVariant storedForm(SettingType type, const QVariant& value);

// The start of the evaluated range after reading "DateTimePicker2": the design date when missing,
// 17.10.1985 when unreadable or later than seven days before today.
double startDateFromStore(const StoredValue& stored, double designDate, double today);

} // namespace razoz
