#pragma once
// The money side of a tier history: what the rows cost over the range, what they would have won
// with the prizes the user knows, and the balance of both, also as a series over the draw dates.
// Every amount is whole cents, summed as integers.
#include "check/prize_tiers.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace razoz {

using Cents = std::int64_t;

// The prize of each tier in cents; empty where the user does not know it. The Reintegro's entry is
// never read: it returns the stake.
using TierPrizes = std::array<std::optional<Cents>, kPrizeTiers>;

// Cumulated up to and including one draw date.
struct BalancePoint {
    double date = 0;
    Cents cost = 0;
    Cents winnings = 0;
    Cents balance() const { return winnings - cost; }
    friend bool operator==(const BalancePoint&, const BalancePoint&) = default;
};

struct PrizeBalance {
    Cents cost = 0;     // stake × rows × draws
    Cents winnings = 0; // the wins whose prize is known
    int unknownWins = 0;
    Cents balance() const { return winnings - cost; }
    std::vector<BalancePoint> series; // one point per draw of the range, in archive order
};

PrizeBalance prizeBalance(const TierHistory& history, Cents stake, const TierPrizes& prizes);

// "1.234,56 €", "-0,75 €": the program's amount format, from whole cents.
QString formatCents(Cents cents);
// Reads an amount in euros as typed: "1.234,56", "1234,5", "12", "0,75 €" (blanks allowed); nullopt
// for an empty text or anything else, also for a negative amount or more than two decimals.
std::optional<Cents> parseCents(const QString& text);

} // namespace razoz
