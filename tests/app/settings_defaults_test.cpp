// The settings store against its designed table: every value's name, type, default and spin range,
// the shut-down write order, and a round trip of every value through an INI file.
#include "app/settings_store.h"
#include "test_support.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <ostream>

using namespace razoz;

namespace {

// No default: the control's design value decides (window size, print font, slip positioning).
const QVariant kDesign;

struct Expected {
    QString name;
    SettingType type;
    QVariant defaultValue;
    int minimum = 0, maximum = 0;
};

void PrintTo(const Expected& e, std::ostream* os)
{
    *os << e.name.toStdString();
}

std::vector<Expected> expectedTable()
{
    using T = SettingType;
    std::vector<Expected> t = {
        {"Losnummer", T::String, QString()},
        {"Sprache", T::Int, 0},
        {"Land", T::Int, 1},
        {"height", T::Int, kDesign},
        {"width", T::Int, kDesign},
        {"TippTop", T::Int, 50}, // the offsets of the preset a fresh file selects
        {"TippLeft", T::Int, 52},
        {"NeuerSchein", T::Int, 0},
        {"Spiel77Ja", T::Int, 0},
        {"Super6Ja", T::Int, 0},
        {"GlueckJa", T::Int, 0},
        {"RadioF8", T::Int, kDesign},
        {"DruckSchrift", T::Byte, kDesign},
        {"DruckFontColor", T::Int, kDesign},
        {"DruckFontSize", T::Int, kDesign},
        {"DruckFontName", T::String, kDesign},
        {"DruckPapier", T::Int, kDesign},
        {"TippAbgabe", T::Int, kDesign},
        {"ZWEIPREIS", T::String, QStringLiteral("0,50")},
        {"EINPREIS", T::String, QStringLiteral("1,00")},
        {"Browser", T::Bool, false},
        {"URLEdit", T::String, QStringLiteral("http://www.tallwick.example/razoz/start.htm")},
        {"ProxyHostEdit", T::String, QString()},
        {"ProxyPortEdit", T::String, QStringLiteral("80")},
        {"ServerURL", T::String, QStringLiteral("http://127.0.0.1:8049")},  // the draw-results server
        {"ServiceURL", T::String, QStringLiteral("http://127.0.0.1:8049")}, // the program's web service
        {"PortalURL", T::String, QStringLiteral("https://www.tipp24.example")},
        {"WebSiteURL", T::String, QStringLiteral("http://www.tallwick.example/razoz/")},
        {"PartnerRef", T::String, QStringLiteral("4711")},
        {"RobotURL", T::String, QStringLiteral("http://www.tallwick.example/klickwerk/")},
        {"DateTimePicker2", T::Date, 38444.0}, // 02.04.2005
        // "Gewinnklassen": the stake in cents (the slip's row price), the prizes as cents in digits.
        {"EinsatzProTipp", T::Int, 75},
        {"Gewinn6R", T::String, QString()},
        {"Gewinn6", T::String, QString()},
        {"Gewinn5C", T::String, QString()},
        {"Gewinn5", T::String, QString()},
        {"Gewinn4", T::String, QString()},
        {"Gewinn3", T::String, QString()},

        {"Chekcbox1", T::Bool, false},
        {"Chekcbox2", T::Bool, false},
        {"Chekcbox3", T::Bool, true},
        {"Chekcbox4", T::Bool, true},
        {"Chekcbox5", T::Bool, true},
        {"Chekcbox6", T::Bool, false},
        {"Chekcbox7", T::Bool, false},
        {"Chekcbox8", T::Bool, false},
        {"Chekcbox9", T::Bool, true},
        {"Chekcbox10", T::Bool, true},
        {"Chekcbox11", T::Bool, false},
        {"Chekcbox12", T::Bool, false},
        {"Chekcbox13", T::Bool, false},
        {"Chekcbox14", T::Bool, true},
        {"Chekcbox15", T::Bool, false},
        {"Chekcbox16", T::Bool, true},
        {"Chekcbox17", T::Bool, true},
        {"Chekcbox18", T::Bool, true},
        {"Chekcbox19", T::Bool, false},
        {"Chekcbox20", T::Bool, false},
        {"Chekcbox22", T::Bool, false},
        {"Chekcbox23", T::Bool, true},
        {"Chekcbox24", T::Bool, true},
        {"Chekcbox25", T::Bool, false},
        {"Chekcbox26", T::Bool, false},
        {"Chekcbox27", T::Bool, false},
        {"Chekcbox28", T::Bool, true},
        {"Chekcbox29", T::Bool, false},
        {"Chekcbox30", T::Bool, false},
        {"Chekcbox31", T::Bool, false},
        {"Chekcbox32", T::Bool, false},
        {"Chekcbox34", T::Bool, true},
        {"Chekcbox35", T::Bool, true},

        {"UpDown1", T::Int, 50, 21, 279},
        {"UpDown2", T::Int, 250, 21, 279},
        {"UpDown3", T::Int, 2, 0, 5},
        {"UpDown4", T::Int, 0, 0, 5},
        {"UpDown5", T::Int, 1, 0, 5},
        {"UpDown6", T::Int, 5, 4, 6},
        {"UpDown7", T::Int, 50, 1, 30000},
        {"UpDown8", T::Int, 8, 1, 12},
        {"UpDown9", T::Int, 0, 0, 5},
        {"UpDown10", T::Int, 2, 0, 6},
        {"UpDown11", T::Int, 2, 0, 5},
        {"UpDown12", T::Int, 30, 5, 75},
        {"UpDown13", T::Int, 30, 5, 75},
        {"UpDown14", T::Int, 20, 5, 75},
        {"UpDown15", T::Int, 2, 0, 6},
        {"UpDown16", T::Int, 2, 0, 6},
        {"UpDown17", T::Int, 3, 2, 6},
        {"UpDown18", T::Int, 10, 4, 500},
        {"UpDown20", T::Int, 4, 2, 6},
        {"UpDown21", T::Int, 100, 4, 500},
    };
    // The 72 number fields of the tip grid (the edits of the spin controls are stored through
    // those) start empty; the 23 fields of the slip positioning window keep their design texts.
    for (auto [from, to] : {std::pair{1, 36}, std::pair{43, 54}, std::pair{56, 79}})
        for (int n = from; n <= to; ++n) t.push_back({QStringLiteral("Edit%1").arg(n), T::String, QString()});
    for (int n = 1; n <= 23; ++n) t.push_back({QStringLiteral("Edit%1F8").arg(n), T::String, kDesign});
    return t;
}

int typeIdOf(SettingType type)
{
    switch (type) {
    case SettingType::Bool: return QMetaType::Bool;
    case SettingType::Int: return QMetaType::Int;
    case SettingType::String: return QMetaType::QString;
    case SettingType::Date: return QMetaType::Double;
    case SettingType::Byte: return QMetaType::Int;
    }
    return QMetaType::UnknownType;
}

class DesignDefault : public ::testing::TestWithParam<Expected> {};

} // namespace

TEST_P(DesignDefault, NameTypeDefaultAndRange)
{
    const Expected& e = GetParam();
    const SettingDef* d = findSetting(e.name);
    ASSERT_TRUE(d) << "missing from the schema";
    EXPECT_EQ(d->type, e.type);
    EXPECT_EQ(d->defaultValue.isValid(), e.defaultValue.isValid());
    if (e.defaultValue.isValid()) {
        EXPECT_EQ(d->defaultValue.typeId(), typeIdOf(e.type)) << d->defaultValue.typeName();
        EXPECT_EQ(d->defaultValue, e.defaultValue) << d->defaultValue.toString().toStdString();
    }
    EXPECT_EQ(d->minimum, e.minimum);
    EXPECT_EQ(d->maximum, e.maximum);
    // What the program starts with when nothing is stored.
    EXPECT_EQ(SettingsRows::value(SettingsValues(), *d), e.defaultValue);
}

INSTANTIATE_TEST_SUITE_P(SettingsSchema, DesignDefault, ::testing::ValuesIn(expectedTable()),
                         [](const ::testing::TestParamInfo<Expected>& info) { return info.param.name.toStdString(); });

TEST(SettingsSchema, HoldsNothingBeyondTheDesignedTable)
{
    QStringList expected;
    for (const Expected& e : expectedTable()) expected << e.name;
    QStringList extra;
    for (const SettingDef& d : settingsSchema())
        if (!expected.contains(d.name)) extra << d.name;
    EXPECT_TRUE(extra.isEmpty()) << extra.join(", ").toStdString();
    EXPECT_EQ(settingsSchema().size(), qsizetype(expected.size()));
}

TEST(SettingsSchema, EveryWrittenNameIsAValueOfTheSchemaAndEveryValueIsWritten)
{
    const QStringList& order = settingsWriteOrder();
    for (const QString& name : order) EXPECT_TRUE(findSetting(name)) << name.toStdString() << " is no known value";
    for (const SettingDef& d : settingsSchema())
        EXPECT_TRUE(order.contains(d.name)) << d.name.toStdString() << " is never written";
}

namespace {

// A value of the entry's type that differs from its default and from every other entry's value
// where the type allows it.
QVariant changedValue(const SettingDef& d, int index)
{
    switch (d.type) {
    case SettingType::Bool: return !d.defaultValue.toBool();
    case SettingType::Int:
        if (d.maximum > d.minimum) return d.defaultValue.toInt() == d.maximum ? d.minimum : d.maximum;
        return (index % 2 ? -1 : 1) * (100000 + index); // signed 32-bit values
    case SettingType::String: return QStringLiteral("%1 = \"Wert\"; äöü ß, %2").arg(d.name).arg(index);
    case SettingType::Date: return toDays(1999, 12, 31) + 0.75;
    case SettingType::Byte: return 200;
    }
    return {};
}

} // namespace

TEST(SettingsStore, EveryValueSurvivesARoundTripThroughTheStore)
{
    test::ProgramDir dir;
    const QString ini = dir.file("Dovovuduv.conf");
    SettingsValues values;
    int index = 0;
    for (const SettingDef& d : settingsSchema()) SettingsRows::setValue(values, d, changedValue(d, index++));
    {
        SettingsStore store(ini);
        ASSERT_TRUE(store.writeAll(values, true));
    }

    QSettings raw(ini, QSettings::IniFormat);
    EXPECT_EQ(raw.allKeys().size(), settingsSchema().size());
    SettingsStore store(ini);
    for (const SettingDef& d : settingsSchema()) {
        const StoredValue v = store.read(d);
        EXPECT_EQ(v.status, ReadStatus::Ok) << d.name.toStdString();
        EXPECT_EQ(v.value, SettingsRows::value(values, d))
            << d.name.toStdString() << ": " << v.value.toString().toStdString();
        EXPECT_NE(v.value, d.defaultValue) << d.name.toStdString();
    }
}
