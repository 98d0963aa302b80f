#include "app/slip_settings.h"

namespace razoz {

namespace {

TriState storedGame(int value)
{
    return value == 1 ? TriState::Checked : TriState::Unchecked;
}

} // namespace

SlipGames storedSlipGames(const SettingsValues& values)
{
    return {storedGame(values.get(key::PlaysSpiel77)), storedGame(values.get(key::PlaysSuper6)),
            storedGame(values.get(key::PlaysGluecksspirale))};
}

void storeSlipGames(SettingsValues& values, const SlipGames& games)
{
    values.set(key::PlaysSpiel77, storedGameValue(games.spiel77));
    values.set(key::PlaysSuper6, storedGameValue(games.super6));
    values.set(key::PlaysGluecksspirale, storedGameValue(games.glueck));
}

int storedGameValue(TriState state)
{
    return state == TriState::Checked ? 1 : 0;
}

double oneDrawFee(const QString& text)
{
    return feeFromText(text, feeFromText(defaultOf(key::FeeOneDraw), 0));
}

double bothDrawsFee(const QString& text)
{
    return feeFromText(text, feeFromText(defaultOf(key::FeeBothDraws), 0));
}

void writeTicketAndGamesNow(SettingsStore& store, const SettingsValues& values, bool withTicketNumber)
{
    if (withTicketNumber)
        store.writeNow(values, {key::TicketNumber, key::PlaysSpiel77, key::PlaysSuper6, key::PlaysGluecksspirale});
    else
        store.writeNow(values, {key::PlaysSpiel77, key::PlaysSuper6, key::PlaysGluecksspirale});
}

} // namespace razoz
