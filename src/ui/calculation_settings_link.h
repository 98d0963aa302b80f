#pragma once
// Keeps the shared calculation settings equal to what the main window's controls show: every
// change of a control (by the user, by the settings read at start-up, by any handler) edits the
// shared value at once, so a running calculation sees it from its next candidate on. A rule the
// calculation loosens shows in its control without becoming the user's value.
#include "app/settings_store.h"
#include "generate/calculation_settings.h"
#include "generate/generation_observer.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QCheckBox;
class QDateEdit;
class QSpinBox;
class QWidget;

namespace razoz {

class CalculationSettingsLink : public QObject {
public:
    // `mainWindow`: the window whose controls hold the calculation settings (the dialogs have
    // controls of the same names, so they are not searched); `endPicker`: the end of the range.
    CalculationSettingsLink(QWidget* mainWindow, QDateEdit* endPicker, CalculationSettingsSource& source,
                            QObject* parent = nullptr);

    // Takes every control's value into the shared settings (after the settings were read).
    void takeControls();
    // Shows a loosened rule in its control; the shared settings keep the user's value.
    void showLoosened(LoosenedRule rule, int value);
    // Shows the user's values in the controls of the loosened rules again.
    void showUserValues();
    // Shows the number-list box off while an analysis replays calculations without the list, or
    // (false) as the user set it again.
    void showNumberListOff(bool off);

private:
    template <class W, class T, class Signal, class Read>
    void link(W* w, T CalculationSettings::*field, Signal signal, Read read);
    void bindControl(QWidget* window, BoolKey k, bool CalculationSettings::*field);
    void bindControl(QWidget* window, IntKey k, int CalculationSettings::*field);
    void bindControl(QWidget* window, DateKey k, double CalculationSettings::*field);

    CalculationSettingsSource& source_;
    QPointer<QDateEdit> endPicker_;
    QPointer<QCheckBox> pairBox_, numberListBox_;
    QPointer<QSpinBox> lastDraw_, secondLastDraw_, pastDrawHits_;
    std::vector<std::function<void(CalculationSettings&)>> readers_;
    bool showingRun_ = false; // a change now comes from the run, not from the user
};

} // namespace razoz
