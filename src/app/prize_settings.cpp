#include "app/prize_settings.h"

#include <algorithm>
#include <cstdint>

namespace razoz {

namespace {

struct PrizeKey {
    PrizeTier tier;
    StringKey key;
};
constexpr PrizeKey kPrizeKeys[] = {{PrizeTier::SixPlusR, key::PrizeSixPlusR},   {PrizeTier::Six, key::PrizeSix},
                                   {PrizeTier::FivePlusC, key::PrizeFivePlusC}, {PrizeTier::Five, key::PrizeFive},
                                   {PrizeTier::Four, key::PrizeFour},           {PrizeTier::Three, key::PrizeThree}};

} // namespace

TierMoney storedTierMoney(const SettingsValues& values)
{
    TierMoney m;
    m.stake = std::max(0, values.get(key::StakePerRow));
    for (const PrizeKey& p : kPrizeKeys) {
        bool ok = false;
        const Cents cents = values.get(p.key).trimmed().toLongLong(&ok);
        if (ok && cents > 0) m.prizes[tierIndex(p.tier)] = cents;
    }
    return m;
}

void storeTierMoney(SettingsValues& values, const TierMoney& money)
{
    values.set(key::StakePerRow, int(std::clamp<Cents>(money.stake, 0, INT32_MAX)));
    for (const PrizeKey& p : kPrizeKeys) {
        const std::optional<Cents>& prize = money.prizes[tierIndex(p.tier)];
        values.set(p.key, prize && *prize > 0 ? QString::number(*prize) : QString());
    }
}

} // namespace razoz
