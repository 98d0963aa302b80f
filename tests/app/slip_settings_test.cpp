#include "app/slip_settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace razoz;

// A game is played only when stored as 1, and only a checked box is stored as played.
TEST(SlipSettings, GamesAsStoredAndBack)
{
    struct Case {
        int stored;
        TriState shown;
    };
    for (const Case c : {Case{1, TriState::Checked}, Case{0, TriState::Unchecked}, Case{2, TriState::Unchecked},
                         Case{-1, TriState::Unchecked}}) {
        SettingsValues values;
        values.set(key::PlaysSpiel77, c.stored);
        values.set(key::PlaysSuper6, c.stored);
        values.set(key::PlaysGluecksspirale, c.stored);
        const SlipGames games = storedSlipGames(values);
        EXPECT_EQ(games.spiel77, c.shown) << c.stored;
        EXPECT_EQ(games.super6, c.shown) << c.stored;
        EXPECT_EQ(games.glueck, c.shown) << c.stored;
    }
    SettingsValues values;
    storeSlipGames(values, {TriState::Checked, TriState::Grayed, TriState::Unchecked});
    EXPECT_EQ(values.get(key::PlaysSpiel77), 1);
    EXPECT_EQ(values.get(key::PlaysSuper6), 0) << "a grayed box is not played";
    EXPECT_EQ(values.get(key::PlaysGluecksspirale), 0);
}

TEST(SlipSettings, FeeTextsFallBackToTheTableDefaults)
{
    struct Case {
        const char* text;
        double one, both;
    };
    for (const Case c : {Case{"0,75", 0.75, 0.75}, Case{"2", 2, 2}, Case{"abc", 0.50, 1.00}, Case{"", 0.50, 1.00}}) {
        EXPECT_DOUBLE_EQ(oneDrawFee(QString::fromUtf8(c.text)), c.one) << c.text;
        EXPECT_DOUBLE_EQ(bothDrawsFee(QString::fromUtf8(c.text)), c.both) << c.text;
    }
}

TEST(SlipSettings, TicketNumberWrittenAtOnceOnlyWhenAsked)
{
    test::ProgramDir dir;
    const QString ini = dir.file("settings.ini");
    SettingsValues values;
    values.set(key::TicketNumber, QStringLiteral("1234567"));
    values.set(key::PlaysSuper6, 1);
    {
        SettingsStore store(ini);
        writeTicketAndGamesNow(store, values, false);
    }
    EXPECT_EQ(SettingsStore(ini).read(key::PlaysSuper6).value.toInt(), 1);
    EXPECT_FALSE(SettingsStore(ini).holds(key::TicketNumber));
    {
        SettingsStore store(ini);
        writeTicketAndGamesNow(store, values);
    }
    EXPECT_EQ(SettingsStore(ini).read(key::TicketNumber).value.toString(), "1234567");
}
