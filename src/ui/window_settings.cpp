#include "ui/window_settings.h"

#include "app/calculation_values.h"
#include "app/session.h"
#include "app/start_up_settings.h"
#include "archive/dates.h"
#include "ui/page_internet.h"
#include "ui/page_lottotipp.h"
#include "ui/settings_binder.h"
#include "ui/tform1.h"
#include "ui/windows.h"

#include <QLineEdit>

namespace razoz {

void readWindowSettings(TForm1& form, const SettingsStore& store)
{
    Session& session = form.session();
    const QList<QWidget*> windows = applicationWindows();
    StartUpHooks hooks;
    hooks.apply = [&windows](const SettingDef& def, const QVariant& value) { applySetting(windows, def, value); };
    hooks.stepDone = [&form, &session](StartUpStep step) {
        const SettingsValues& values = session.settings();
        switch (step) {
        case StartUpStep::CheckBoxes:
            form.lottotipp()->setDrawDays({values.get(key::CountSaturdayDraws), values.get(key::CountThursdayDraws)});
            break;
        case StartUpStep::Parameters:
            session.setLanguage(values.get(key::Language));
            form.LanguageClick(session.language());
            break;
        case StartUpStep::Losnummer:
            session.setTicketNumber(values.get(key::TicketNumber));
            form.showLosnummer();
            break;
        case StartUpStep::Fees: session.setSettingsLoaded(true); break;
        case StartUpStep::Positioning:
        case StartUpStep::PrintFont:
        case StartUpStep::Internet: break;
        }
    };
    readStartUpSettings(store, session.settings(), today(), hooks);
    InternetPage* internet = form.internet();
    if (internet->ProxyHostEdit->text().isEmpty()) internet->ProxyPortEdit->setText(defaultOf(key::ProxyPort));
}

void writeWindowSettings(Session& session, SettingsStore& store, bool normalState)
{
    SettingsValues& values = session.settings();
    collectSettings(applicationWindows(), values);
    // A calculation the close stopped may still show loosened rules: the user's values count.
    storeCalculationSettings(session.calculation().snapshot(), values);
    values.set(key::TicketNumber, session.ticketNumber());
    values.set(key::Language, session.language());
    store.writeAll(values, normalState);
}

} // namespace razoz
