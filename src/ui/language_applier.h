#pragma once
// Applies an interface language to the live windows and exports their texts.
//
// Each window is enumerated the same way for both: the window itself, then a depth-first walk of
// its children() (creation order), which reaches menus and their actions as well. Objects without
// a name and Qt's internal parts ("qt_…") are passed through, not listed.
//
// Qt counterparts of the control kinds: QAction and QMenu (menu entry), QLabel, QFrame and
// QGroupBox (panel; a QGroupBox holding radio buttons is a radio group), QToolButton (speed
// button), QPushButton, QCheckBox, QRadioButton, a page of a QTabWidget (tab sheet; its caption is
// the tab text), QLineEdit and spin/date boxes (edit field: only the hint). The hint is the tool
// tip and the status tip; the character set is kept in the dynamic property "charset". A QFrame
// panel keeps its caption in the dynamic property "caption". A spin box standing for an edit with
// its up-down control is listed under the dynamic property "editName" when set.
#include "app/languages.h"
#include "base/interface_texts.h"

#include <QList>
#include <QPointer>

class QWidget;
class QObject;

namespace razoz {

class Prompt;

struct LanguageComponent {
    QObject* object;
    ControlKind kind;
    QString name;
};

// The components of one window in enumeration order.
QList<LanguageComponent> languageComponents(QWidget* window);
// The texts a component holds now.
ControlTexts currentTexts(const LanguageComponent& component, const QString& form);
// Applies caption, hint and character set in this order; a character set that is no number is
// left alone.
void applyEntryTexts(const LanguageComponent& component, const EntryTexts& texts);

// Applies the base file (and its translation for `code`) to every window; nothing when the base
// file does not exist (returns false).
bool applyLanguageFiles(const QList<QWidget*>& windows, const QString& basePath, const QString& code);

// The base entries and translation template of the live windows.
LanguageExport exportLanguage(const QList<QWidget*>& windows);
// "Export": asks for a file name, writes the base file and its ".trans" template. False when
// cancelled or not written.
bool exportLanguageWithPrompt(const QList<QWidget*>& windows, Prompt& prompt, const QString& proposedPath);

} // namespace razoz
