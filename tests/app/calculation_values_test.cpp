// The calculation settings: each field follows its own setting, and the shared value hands out
// only whole edits.
#include "app/calculation_values.h"

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

namespace razoz {

namespace {

// A value of the setting other than its default, within its range.
void change(SettingsValues& v, BoolKey k)
{
    v.set(k, !v.get(k));
}
void change(SettingsValues& v, IntKey k)
{
    v.set(k, v.get(k) == k.def().maximum ? k.def().minimum : k.def().maximum);
}
void change(SettingsValues& v, DateKey k)
{
    v.set(k, v.get(k) + 17);
}

} // namespace

TEST(CalculationSettings, EachFieldFollowsItsOwnSettingAndGoesBackToIt)
{
    SettingsValues defaults;
    defaults.set(key::RangeEndDate, 45000);
    const CalculationSettings base = calculationSettingsFrom(defaults);
#define RAZOZ_CHECK_FIELD(field, setting)                                                                              \
    {                                                                                                                  \
        SettingsValues v = defaults;                                                                                   \
        change(v, key::setting);                                                                                       \
        CalculationSettings s = calculationSettingsFrom(v);                                                            \
        EXPECT_NE(s.field, base.field) << #field;                                                                      \
        CalculationSettings others = s;                                                                                \
        others.field = base.field;                                                                                     \
        EXPECT_EQ(others, base) << #field << " changes another field too";                                             \
        SettingsValues back;                                                                                           \
        storeCalculationSettings(s, back);                                                                             \
        EXPECT_EQ(back.get(key::setting), v.get(key::setting)) << #field;                                              \
    }
    RAZOZ_CALCULATION_FIELDS(RAZOZ_CHECK_FIELD)
#undef RAZOZ_CHECK_FIELD
}

TEST(CalculationSettings, TheSharedValueHandsOutOnlyWholeEdits)
{
    CalculationSettingsSource source;
    std::atomic<bool> done{false};
    std::thread editor([&] {
        for (int i = 21; i < 500000; ++i)
            source.edit([i](CalculationSettings& s) {
                s.lowestSum = i;
                s.highestSum = i;
            });
        done = true;
    });
    int torn = 0;
    while (!done) {
        const CalculationSettings s = source.snapshot();
        if (s.lowestSum != s.highestSum) ++torn;
    }
    editor.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(source.snapshot().highestSum, 499999);
}

} // namespace razoz
