#include "ui/page_allgemein.h"

#include "app/session.h"
#include "ui/control_factory.h"
#include "ui/sentence_line.h"
#include "ui/settings_page_layout.h"

#include <QCheckBox>
#include <QLabel>

namespace razoz {

AllgemeinPage::AllgemeinPage(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TabSheet9"));
    Label96 = makeLabel(this, "Label96", QStringLiteral("Allgemeine Berechnungsoptionen"));
    Label97 = makeLabel(this, "Label97", QStringLiteral("Max. Berechnungsläufe"));
    Edit55 = makeSpin(this, key::RunBudgetThousands, "Edit55", {});
    Label98 = makeLabel(this, "Label98", QStringLiteral("Tausend"));
    Label60 = makeLabel(this, "Label60",
                        QStringLiteral("Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren "
                                       "Einstellungen nicht alle Reihen berechnet werden konnten. "));
    CheckBox20 =
        makeCheckBox(this, "CheckBox20", QStringLiteral("Liste für Zahlenreihengenerierung anzeigen / bearbeiten"));
    CheckBox15 = makeCheckBox(this, "CheckBox15", QStringLiteral("für den Tipp nur bevorzugte Zahlen verwenden!"));

    SettingsPageLayout page(this);
    page.heading(Label96);
    page.sentence(nullptr, sentenceLine({Label97, Edit55, Label98}));
    page.note(Label60);
    page.rule(nullptr, CheckBox20);
    page.rule(nullptr, CheckBox15);
    page.finish();
}

} // namespace razoz
