// The typed key constants and the settings schema name the same values with the same types.
#include "app/setting_key_list.h"
#include "app/settings_store.h"

#include <QSet>

#include <gtest/gtest.h>

namespace razoz {

TEST(SettingKeys, EveryKeyIsAValueOfTheSchemaWithItsTypeAndEveryValueHasAKey)
{
    QSet<QString> keys;
    for (const AnyKey& k : allSettingKeys()) {
        const QString name = QLatin1String(k.name);
        const SettingDef* def = findSetting(name);
        ASSERT_TRUE(def) << k.name;
        EXPECT_EQ(def->type, k.type) << k.name;
        EXPECT_FALSE(keys.contains(name)) << k.name << " twice";
        keys.insert(name);
    }
    for (const SettingDef& d : settingsSchema()) EXPECT_TRUE(keys.contains(d.name)) << d.name.toStdString();
}

TEST(SettingKeys, TypedValuesKeepSpinPositionsWithinTheirRange)
{
    SettingsValues values;
    EXPECT_EQ(values.get(key::UpDown7), 50);
    values.set(key::UpDown7, 99999);
    EXPECT_EQ(values.get(key::UpDown7), 30000);
    values.set(key::UpDown7, -3);
    EXPECT_EQ(values.get(key::UpDown7), 1);
    values.set(key::Sprache, 8); // no range: kept as it is
    EXPECT_EQ(values.get(key::Sprache), 8);
    values.set(key::DruckSchrift, 0x1FF);
    EXPECT_EQ(values.get(key::DruckSchrift), 0xFF);
    EXPECT_TRUE(values.get(key::Chekcbox16));
    EXPECT_FALSE(values.get(key::Chekcbox1));
}

} // namespace razoz
