// The stake and the prizes of "Gewinnklassen" in the settings: the slip's row price as the default
// stake, and every amount back exactly after a round trip through the store.
#include "app/prize_settings.h"
#include "print/slip.h"
#include "test_support.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace razoz;

TEST(PrizeSettings, DefaultStakeIsTheRowPriceAndNoPrizeIsKnown)
{
    const TierMoney m = storedTierMoney(SettingsValues());
    EXPECT_EQ(m.stake, kRowPriceCents);
    for (const auto& p : m.prizes) EXPECT_FALSE(p);
}

TEST(PrizeSettings, SurviveARoundTripThroughTheStore)
{
    test::ProgramDir dir;
    const QString ini = dir.file("Dovovuduv.conf");
    TierMoney m;
    m.stake = 120;
    m.prizes[tierIndex(PrizeTier::SixPlusR)] = 4'321'098'765'43;
    m.prizes[tierIndex(PrizeTier::FivePlusC)] = 1'234'56;
    m.prizes[tierIndex(PrizeTier::Three)] = 8;
    {
        SettingsValues values;
        storeTierMoney(values, m);
        SettingsStore store(ini);
        ASSERT_TRUE(store.writeAll(values, true));
    }
    QSettings raw(ini, QSettings::IniFormat);
    EXPECT_EQ(raw.value("EinsatzProTipp").toString(), "120");
    EXPECT_EQ(raw.value("Gewinn6R").toString(), "432109876543");
    EXPECT_EQ(raw.value("Gewinn6").toString(), "");

    SettingsValues back;
    loadAllSettings(SettingsStore(ini), back);
    const TierMoney read = storedTierMoney(back);
    EXPECT_EQ(read.stake, m.stake);
    EXPECT_EQ(read.prizes, m.prizes);

    // A prize of 0 or a text that is no amount is unknown.
    back.set(key::PrizeFour, "0");
    back.set(key::PrizeFive, "viel");
    EXPECT_FALSE(storedTierMoney(back).prizes[tierIndex(PrizeTier::Four)]);
    EXPECT_FALSE(storedTierMoney(back).prizes[tierIndex(PrizeTier::Five)]);
}
