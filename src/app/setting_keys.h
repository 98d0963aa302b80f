#pragma once
// The settings as compile-time constants named by what they hold, each with its stored type and
// its row of the settings table, so a misspelt name or a value read as the wrong type does not
// compile.
#include "app/settings_schema.h"
#include "app/settings_table.h"

#include <QLatin1String>

namespace razoz {

// What every key is: its row of the table and its stored name.
struct AnySettingKey {
    int index;
    const char* name;
    QString qname() const { return QLatin1String(name); }
    const SettingDef& def() const { return settingsTable()[index]; }
};

template <SettingType T> struct SettingKey : AnySettingKey {
    static constexpr SettingType type = T;
};
using BoolKey = SettingKey<SettingType::Bool>;
using IntKey = SettingKey<SettingType::Int>;
using StringKey = SettingKey<SettingType::String>;
using DateKey = SettingKey<SettingType::Date>;
using ByteKey = SettingKey<SettingType::Byte>;

namespace detail {
// clang-format off
enum SettingRow : int {
#define RAZOZ_SETTING_ROW(id, ...) id,
    RAZOZ_SETTINGS_TABLE(RAZOZ_SETTING_ROW)
#undef RAZOZ_SETTING_ROW
    SettingRowCount
};
// clang-format on
} // namespace detail

inline constexpr int kSettingCount = detail::SettingRowCount;

namespace key {
#define RAZOZ_SETTING_KEY(id, stored, type, ...)                                                                       \
    inline constexpr SettingKey<SettingType::type> id{{detail::id, stored}};
RAZOZ_SETTINGS_TABLE(RAZOZ_SETTING_KEY)
#undef RAZOZ_SETTING_KEY
} // namespace key

} // namespace razoz
