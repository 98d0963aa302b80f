#pragma once
// The stake and the prizes "Gewinnklassen" works with, as the settings hold them.
#include "app/settings_store.h"
#include "check/prize_balance.h"

namespace razoz {

struct TierMoney {
    Cents stake = 0;
    TierPrizes prizes; // the Reintegro's entry stays empty: it returns the stake
};

// The settings' stake ("EinsatzProTipp", cents) and prizes ("Gewinn6R" … "Gewinn3", cents in
// digits); a prize of 0 or a text that is no whole number counts as unknown, a negative stake as 0.
TierMoney storedTierMoney(const SettingsValues& values);
void storeTierMoney(SettingsValues& values, const TierMoney& money);

} // namespace razoz
