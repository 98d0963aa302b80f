// The key constants, the schema and the write order all come from the settings table: each key
// is its own row, each stored value is found by its stored name and written once.
#include "app/settings_store.h"

#include <QSet>

#include <gtest/gtest.h>

namespace razoz {

TEST(SettingKeys, EveryRowIsItsKeyAndEveryStoredValueIsFoundByNameAndWrittenOnce)
{
    QSet<QString> names;
    QSet<int> positions;
    int row = 0;
    for (const SettingDef& d : settingsTable()) {
        EXPECT_EQ(d.index, row++) << d.codeName;
        EXPECT_FALSE(names.contains(d.name)) << d.name.toStdString() << " twice";
        names.insert(d.name);
        if (!d.stored()) {
            EXPECT_EQ(findSetting(d.name), nullptr) << d.codeName << " is never stored";
            continue;
        }
        EXPECT_EQ(findSetting(d.name), &d) << d.codeName;
        EXPECT_FALSE(positions.contains(d.writePosition)) << d.codeName << " shares its write position";
        positions.insert(d.writePosition);
    }
    EXPECT_EQ(positions.size(), settingsSchema().size());
    EXPECT_EQ(*std::max_element(positions.begin(), positions.end()), settingsSchema().size())
        << "write positions run 1..n without a gap";
    EXPECT_EQ(&key::RunBudgetThousands.def(), findSetting("UpDown7"));
    EXPECT_EQ(key::RangeEndDate.def().name, "DateTimePicker1");
    EXPECT_FALSE(key::RangeEndDate.def().stored());
}

TEST(SettingKeys, TypedValuesKeepSpinPositionsWithinTheirRange)
{
    SettingsValues values;
    EXPECT_EQ(values.get(key::RunBudgetThousands), 50);
    values.set(key::RunBudgetThousands, 99999);
    EXPECT_EQ(values.get(key::RunBudgetThousands), 30000);
    values.set(key::RunBudgetThousands, -3);
    EXPECT_EQ(values.get(key::RunBudgetThousands), 1);
    values.set(key::Language, 8); // no range: kept as it is
    EXPECT_EQ(values.get(key::Language), 8);
    values.set(key::PrintFontStyle, 0x1FF);
    EXPECT_EQ(values.get(key::PrintFontStyle), 0xFF);
    EXPECT_TRUE(values.get(key::CountSaturdayDraws));
    EXPECT_FALSE(values.get(key::PreferFrequentPairs));
    EXPECT_FALSE(values.contains(key::RangeEndDate)) << "no default: the calculation takes today";
}

} // namespace razoz
