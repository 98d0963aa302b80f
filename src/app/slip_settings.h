#pragma once
// What a slip takes from the settings and gives back, for the print, the online submission and
// razoz-cli alike: the add-on games as last played, the handling fees and the values "Drucken"
// writes at once.
#include "app/settings_store.h"
#include "print/slip.h"

namespace razoz {

// The add-on games of the dialog, "Spiel 77", "Super 6" and "Glücksspirale".
struct SlipGames {
    TriState spiel77 = TriState::Unchecked, super6 = TriState::Unchecked, glueck = TriState::Unchecked;
};
// As last played ("Spiel77Ja", "Super6Ja", "GlueckJa"): 1 checks its box, anything else leaves it off.
SlipGames storedSlipGames(const SettingsValues& values);
// Keeps them for the next slip: only a checked box counts as played, a grayed one does not.
void storeSlipGames(SettingsValues& values, const SlipGames& games);
// One game as stored: 1 when checked, else 0.
int storedGameValue(TriState state);

// The handling fees of the "Internet-Optionen" page (Edit81, Edit82) from their texts; a text that
// is no number counts as the settings table's default.
double oneDrawFee(const QString& text);
double bothDrawsFee(const QString& text);

// "Drucken" writes the ticket number and the three games at once, not only at shut-down; the
// online submission does too, without the ticket number when its dialog composed none.
void writeTicketAndGamesNow(SettingsStore& store, const SettingsValues& values, bool withTicketNumber = true);

} // namespace razoz
