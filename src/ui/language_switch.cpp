#include "ui/language_switch.h"

#include "app/languages.h"
#include "app/session.h"
#include "ui/date_picker.h"
#include "ui/language_applier.h"
#include "ui/page_lottotipp.h"
#include "ui/qt_translations.h"
#include "ui/tform1.h"
#include "ui/windows.h"

#include <QAction>

namespace razoz {

void switchLanguage(TForm1& form, int sprache, const QList<QAction*>& menuEntries)
{
    Session& session = form.session();
    const Language& language = languageAt(sprache);
    loadQtTranslations(language.code);
    loadLanguageFiles(form, baseFilePath(session.programFolder()), language.code);
    session.setLanguage(language.index);
    for (QAction* a : menuEntries) a->setChecked(a->objectName() == language.menuName);
    // The ticket label and the sum label have design captions in the base file; show the number and
    // the shown draw's sum again so a language change does not blank them.
    if (session.settingsLoaded()) {
        form.showLosnummer();
        if (session.currentDraw().date > 0) form.lottotipp()->showSum();
        form.showArchiveHealth(); // the language files blank the line too
    }
}

void loadLanguageFiles(TForm1& form, const QString& basePath, const QString& code)
{
    Session& session = form.session();
    if (!applyLanguageFiles(applicationWindows(), basePath, code)) return;
    InterfaceTexts texts = session.texts();
    loadInterfaceTexts(session.programFolder(), code, texts);
    session.setTexts(texts.lines());
    DatePicker::setRefusalTextAll(&form, session.text(58));
}

} // namespace razoz
