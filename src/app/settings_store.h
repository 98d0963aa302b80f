#pragma once
// The per-user settings store over QSettings (organisation "Tallwick", application "Dovovuduv").
// Values keep their designed names and types; reading is fault-tolerant by group, writing happens
// once, at shut-down, in a fixed order.
#include "app/setting_keys.h"
#include "app/settings_schema.h"

#include <QMap>
#include <QSettings>

#include <memory>
#include <optional>

namespace razoz {

// The values of every setting as the program holds them (typed: bool, int, QString, double for a
// date, int 0..255 for a byte). Starts with the schema defaults.
class SettingsValues {
public:
    SettingsValues();

    // Typed access under the key constants. An int with a range stays within it; a value never set
    // and without default reads as false, 0, an empty text or day 0.
    bool get(BoolKey k) const { return values_.value(k.qname()).toBool(); }
    int get(IntKey k) const;
    QString get(StringKey k) const { return values_.value(k.qname()).toString(); }
    double get(DateKey k) const { return values_.value(k.qname()).toDouble(); }
    int get(ByteKey k) const { return values_.value(k.qname()).toInt() & 0xFF; }
    void set(BoolKey k, bool v) { values_.insert(k.qname(), v); }
    void set(IntKey k, int v) { values_.insert(k.qname(), v); }
    void set(StringKey k, const QString& v) { values_.insert(k.qname(), v); }
    void set(DateKey k, double v) { values_.insert(k.qname(), v); }
    void set(ByteKey k, int v) { values_.insert(k.qname(), v & 0xFF); }
    template <SettingType T> bool contains(SettingKey<T> k) const { return contains(k.qname()); }

    // Untyped access by schema name, for the loops that carry every value between the store and the
    // controls.
    QVariant value(const QString& name) const { return values_.value(name); }
    void setValue(const QString& name, const QVariant& v) { values_.insert(name, v); }
    bool contains(const QString& name) const { return values_.value(name).isValid(); }

private:
    QMap<QString, QVariant> values_;
};

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

    // Reads one value with the type of its schema entry.
    StoredValue read(const SettingDef& def) const;
    StoredValue read(const QString& name) const;
    template <SettingType T> StoredValue read(SettingKey<T> k) const { return read(k.qname()); }
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

// A stored int kept within its schema range (unchanged when the setting has none).
int clampToRange(const SettingDef& def, int value);

// Loads every value of the store (or its default) into `values`, value by value: a value of the
// wrong type takes its default. Returns the names that came from the store.
QStringList loadAllSettings(const SettingsStore& store, SettingsValues& values);

// Converts a typed value to the form the store keeps.
QVariant storedForm(SettingType type, const QVariant& value);

// The start of the evaluated range after reading "DateTimePicker2": the design date when missing,
// 17.10.1985 when unreadable or later than seven days before today.
double startDateFromStore(const StoredValue& stored, double designDate, double today);

} // namespace razoz
