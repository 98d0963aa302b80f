#pragma once
// Interface languages: the nine languages of the "Sprache/Language/Langue" menu, the control text
// file "bezeich.txt" with its translations, and the numbered message files "meldungen.txt.<code>".
//
// The base file holds five lines per control (window name, control name, caption, hint, character
// set), in the order in which the windows and their controls are enumerated; a translation holds
// two lines per entry (caption, hint) in the same order. A control is looked up among the eleven
// entries starting at the last match, so the file must follow the enumeration order.
#include "base/interface_texts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <QLocale>

#include <optional>

namespace razoz {

struct Language {
    int index;        // the "Sprache" setting
    QString code;     // file suffix: "de", "en", …
    QString caption;  // menu caption
    QString menuName; // objectName of the menu entry
};

// The languages by "Sprache" 0..8.
const QList<Language>& languages();
// The order in which the menu lists them (indexes into languages()).
const QList<int>& languageMenuOrder();
// 0 (German) for an unknown number.
const Language& languageAt(int index);
// -1 for an unknown code.
int languageIndexOf(const QString& code);
// The locale whose day and month names go with the language's texts.
QLocale languageLocale(int index);

// Paths inside the program folder (which ends with a separator).
QString languageFolder(const QString& programFolder);
QString baseFilePath(const QString& programFolder);
QString messageFilePath(const QString& programFolder, const QString& code);

// The kinds of controls that carry texts from the language files.
enum class ControlKind {
    MenuEntry,
    Label,
    Panel,
    SpeedButton,
    Button,
    CheckBox,
    RadioButton,
    TabSheet,
    RadioGroup,
    Edit,
    Window,
};

// One entry of the base file.
struct BaseEntry {
    QString form, name, caption, hint, charset;
};

// The texts an entry gives a control: translations carry no character set.
struct EntryTexts {
    QString caption, hint;
    std::optional<QString> charset;
};

// A loaded base file with its translation (if any).
class LanguageFiles {
public:
    // Loads basePath and, when it exists, basePath + "." + code. exists() is false without base file.
    static LanguageFiles load(const QString& basePath, const QString& code);
    static LanguageFiles fromLines(const QStringList& baseLines, std::optional<QStringList> translation);

    bool exists() const { return exists_; }
    bool translated() const { return translation_.has_value(); }
    const QList<BaseEntry>& entries() const { return entries_; }

    // The entry for a control, looked for among entries from … from + 10; -1 when none matches.
    int find(const QString& form, const QString& name, int from) const;
    // The texts of entry k; nullopt when the translation is too short to hold them.
    std::optional<EntryTexts> texts(int k) const;

private:
    bool exists_ = false;
    QList<BaseEntry> entries_;
    std::optional<QStringList> translation_;
};

// Walks the controls in enumeration order and remembers the search position between them.
class EntryCursor {
public:
    explicit EntryCursor(const LanguageFiles& files) : files_(files) {}
    // The matching entry's texts, or nullopt (control stays unchanged).
    std::optional<EntryTexts> next(const QString& form, const QString& name);

private:
    const LanguageFiles& files_;
    int position_ = 0;
};

// A control as the export sees it.
struct ControlTexts {
    QString form, name;
    ControlKind kind;
    QString caption, hint;
    QString charset = QStringLiteral("1");
    bool visible = true;
};

// Collects the base entries and the translation template while controls are enumerated.
class LanguageExport {
public:
    // Adds the control when its kind and texts call for an entry.
    void add(const ControlTexts& control);
    const QStringList& baseLines() const { return base_; }
    const QStringList& templateLines() const { return template_; }
    // Writes the base file (UTF-8) and path + ".trans" (UTF-16 with byte-order mark).
    bool write(const QString& path) const;

private:
    QStringList base_, template_;
};

// The texts of the design (German), used until a message file is loaded and for numbers a short
// message file lacks.
const QStringList& germanInterfaceTexts();
// Number of numbered texts the program uses (0 … count − 1).
constexpr int kInterfaceTextCount = 77;

// Loads "meldungen.txt.<code>" into texts; a missing file keeps the texts as they are (false).
// Numbers the file lacks take the German design texts.
bool loadInterfaceTexts(const QString& programFolder, const QString& code, InterfaceTexts& texts);

} // namespace razoz
