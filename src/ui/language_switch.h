#pragma once
// The interface language switched at run time: Qt's own texts, the language files over every
// window, the numbered texts and the marks of the menu entries; then the labels whose texts the
// files blank are shown again (the ticket number, the shown draw's sum, the archive's health).
#include <QList>
#include <QString>

class QAction;

namespace razoz {

class TForm1;

// `sprache`: the language's number (one no language has means German); `menuEntries`: the nine
// entries of the language menu.
void switchLanguage(TForm1& form, int sprache, const QList<QAction*>& menuEntries);
// The language files of `code` over every window and the numbered texts. Without the base file
// nothing changes.
void loadLanguageFiles(TForm1& form, const QString& basePath, const QString& code);

} // namespace razoz
