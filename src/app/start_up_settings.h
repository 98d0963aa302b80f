#pragma once
// How the program reads its settings when it starts, the window and razoz-cli alike: the groups in
// start-up order, every value handed on as it is read. Within a guarded group a value of the
// wrong type ends the group (its later values keep what they had); the ticket number and the print
// font are read value by value, the font only as a whole. Then the rules of the start: at least
// one draw day, a language number no language has starts in German, the start of the evaluated
// range never later than a week before today.
#include "app/settings_store.h"

#include <functional>

namespace razoz {

enum class StartUpStep {
    CheckBoxes,  // check boxes, slip flags, window size, print offsets; the draw days
    Parameters,  // the language, the spin controls, the tip grid
    Losnummer,   // the ticket number
    Positioning, // the slip positioning window
    PrintFont,   // print font, paper and submission mode
    Fees,        // handling fees and the link page switch
    Internet,    // start page, proxy, results server and the start of the evaluated range
};

struct StartUpHooks {
    // Each value as it is read (the window puts it into its control).
    std::function<void(const SettingDef&, const QVariant&)> apply;
    // After each step, with the values read so far.
    std::function<void(StartUpStep)> stepDone;
};

// Reads the store into `values`, in the steps above.
void readStartUpSettings(const SettingsStore& store, SettingsValues& values, double today,
                         const StartUpHooks& hooks = {});

} // namespace razoz
