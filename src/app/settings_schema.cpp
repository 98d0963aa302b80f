#include "app/settings_schema.h"

#include "app/settings_table.h"
#include "base/day_count.h"
#include "print/slip.h"

#include <QHash>

#include <algorithm>

namespace razoz {

namespace {

// A default the table leaves to the control's design value.
struct NoDefault {};
constexpr NoDefault kNoDefault;

QVariant defaultValue(NoDefault)
{
    return {};
}
QVariant defaultValue(bool v)
{
    return v;
}
QVariant defaultValue(int v)
{
    return v;
}
QVariant defaultValue(double v)
{
    return v;
}
QVariant defaultValue(const char* v)
{
    return QString::fromUtf8(v);
}

// The offsets of the preset a fresh settings file selects, so a first print lands on its boxes.
const SlipPreset& firstPreset()
{
    return slipPresets()[0];
}

QList<SettingDef> buildTable()
{
    QList<SettingDef> s;
#define RAZOZ_SETTING_DEF(id, stored, type, group, binding, window, control, def, minimum, maximum, write)             \
    s.append({QStringLiteral(stored), SettingType::type, SettingGroup::group, SettingBinding::binding,                 \
              QStringLiteral(#window), QStringLiteral(control), defaultValue(def), minimum, maximum, int(s.size()),    \
              write, #id});
    RAZOZ_SETTINGS_TABLE(RAZOZ_SETTING_DEF)
#undef RAZOZ_SETTING_DEF
    return s;
}

} // namespace

const QList<SettingDef>& settingsTable()
{
    static const QList<SettingDef> table = buildTable();
    return table;
}

const QList<SettingDef>& settingsSchema()
{
    static const QList<SettingDef> schema = [] {
        QList<SettingDef> s;
        for (const SettingDef& d : settingsTable())
            if (d.stored()) s << d;
        return s;
    }();
    return schema;
}

const SettingDef* findSetting(const QString& name)
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        for (const SettingDef& d : settingsTable())
            if (d.stored()) h.insert(d.name, d.index);
        return h;
    }();
    const auto it = index.find(name);
    return it == index.end() ? nullptr : &settingsTable()[*it];
}

QList<const SettingDef*> settingsOfGroup(SettingGroup group)
{
    QList<const SettingDef*> out;
    for (const SettingDef& d : settingsTable())
        if (d.group == group && d.stored()) out << &d;
    return out;
}

const QList<const SettingDef*>& settingsInWriteOrder()
{
    static const QList<const SettingDef*> order = [] {
        QList<const SettingDef*> o;
        for (const SettingDef& d : settingsTable())
            if (d.stored()) o << &d;
        std::sort(o.begin(), o.end(),
                  [](const SettingDef* a, const SettingDef* b) { return a->writePosition < b->writePosition; });
        return o;
    }();
    return order;
}

const QStringList& settingsWriteOrder()
{
    static const QStringList names = [] {
        QStringList n;
        for (const SettingDef* d : settingsInWriteOrder()) n << d->name;
        return n;
    }();
    return names;
}

} // namespace razoz
