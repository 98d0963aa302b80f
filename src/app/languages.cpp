#include "app/languages.h"

#include <QHash>

#include "base/text_files.h"

#include <QDir>
#include <QFileInfo>

namespace razoz {

const QList<Language>& languages()
{
    static const QList<Language> all = {
        {0, QStringLiteral("de"), QStringLiteral("Deutsch"), QStringLiteral("Deutsch1")},
        {1, QStringLiteral("en"), QStringLiteral("Englisch"), QStringLiteral("Englisch1")},
        {2, QStringLiteral("fr"), QStringLiteral("Französisch"), QStringLiteral("Franzsisch1")},
        {3, QStringLiteral("sp"), QStringLiteral("Spanisch"), QStringLiteral("Spanisch1")},
        {4, QStringLiteral("tr"), QStringLiteral("Türkisch"), QStringLiteral("Trkisch1")},
        {5, QStringLiteral("ru"), QStringLiteral("Russisch"), QStringLiteral("Russisch1")},
        {6, QStringLiteral("nl"), QStringLiteral("Niederländisch"), QStringLiteral("Niederlndisch1")},
        {7, QStringLiteral("cz"), QStringLiteral("Tschechisch"), QStringLiteral("Tschechisch1")},
        {8, QStringLiteral("pl"), QStringLiteral("Polnisch"), QStringLiteral("Polnisch1")},
    };
    return all;
}

const QList<int>& languageMenuOrder()
{
    static const QList<int> order = {0, 1, 2, 3, 4, 5, 8, 7, 6};
    return order;
}

const Language& languageAt(int index)
{
    return languages().at(index >= 0 && index < languages().size() ? index : 0);
}

int languageIndexOf(const QString& code)
{
    for (const Language& l : languages())
        if (l.code.compare(code, Qt::CaseInsensitive) == 0) return l.index;
    return -1;
}

QString languageFolder(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("land")) + QLatin1Char('/');
}

QString baseFilePath(const QString& programFolder)
{
    return languageFolder(programFolder) + QStringLiteral("bezeich.txt");
}

QString messageFilePath(const QString& programFolder, const QString& code)
{
    return languageFolder(programFolder) + QStringLiteral("meldungen.txt.") + code;
}

// ---- applying -------------------------------------------------------------------------------

LanguageFiles LanguageFiles::load(const QString& basePath, const QString& code)
{
    QStringList base;
    if (!QFileInfo(basePath).isFile() || !readTextLines(basePath, base, code)) return {};
    std::optional<QStringList> translation;
    const QString translationPath = basePath + QLatin1Char('.') + code;
    QStringList lines;
    if (QFileInfo(translationPath).isFile() && readTextLines(translationPath, lines, code)) translation = lines;
    return fromLines(base, translation);
}

LanguageFiles LanguageFiles::fromLines(const QStringList& baseLines, std::optional<QStringList> translation)
{
    LanguageFiles f;
    f.exists_ = true;
    // A partial entry at the end of the file counts as missing.
    for (int i = 0; i + 4 < baseLines.size(); i += 5)
        f.entries_.append(
            {baseLines[i].trimmed(), baseLines[i + 1].trimmed(), baseLines[i + 2], baseLines[i + 3], baseLines[i + 4]});
    f.translation_ = std::move(translation);
    return f;
}

int LanguageFiles::find(const QString& form, const QString& name, int from) const
{
    const int end = std::min<int>(from + 11, entries_.size());
    for (int k = std::max(from, 0); k < end; ++k)
        if (entries_[k].form == form && entries_[k].name == name) return k;
    return -1;
}

std::optional<EntryTexts> LanguageFiles::texts(int k) const
{
    if (k < 0 || k >= entries_.size()) return std::nullopt;
    if (translation_) {
        if (2 * k + 1 >= translation_->size()) return std::nullopt;
        return EntryTexts{translation_->at(2 * k), translation_->at(2 * k + 1), std::nullopt};
    }
    const BaseEntry& e = entries_[k];
    return EntryTexts{e.caption, e.hint, e.charset};
}

std::optional<EntryTexts> EntryCursor::next(const QString& form, const QString& name)
{
    const int k = files_.find(form.trimmed(), name.trimmed(), position_);
    if (k < 0) return std::nullopt;
    position_ = k;
    return files_.texts(k);
}

// ---- export ---------------------------------------------------------------------------------

namespace {
bool readsAsNumber(const QString& s)
{
    bool ok = false;
    s.trimmed().toInt(&ok);
    return ok;
}

// One line per text: a line break inside a caption would shift every later entry.
QString oneLine(QString s)
{
    s.replace(QLatin1String("\r\n"), QLatin1String(" "));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return s;
}
} // namespace

void LanguageExport::add(const ControlTexts& c)
{
    QString caption = oneLine(c.caption), hint = oneLine(c.hint);
    const bool bothEmpty = caption.isEmpty() && hint.isEmpty();
    QString charset = c.charset;
    switch (c.kind) {
    case ControlKind::MenuEntry:
        if (!c.visible) return;
        charset = QStringLiteral("1");
        break;
    case ControlKind::Label:
    case ControlKind::CheckBox:
        if (bothEmpty || readsAsNumber(caption)) return;
        break;
    case ControlKind::Panel:
    case ControlKind::Button:
    case ControlKind::SpeedButton:
    case ControlKind::Window:
        if (bothEmpty) return;
        break;
    case ControlKind::RadioButton:
    case ControlKind::TabSheet:
    case ControlKind::RadioGroup: break;
    case ControlKind::Edit:
        if (hint.isEmpty() || readsAsNumber(hint)) return;
        caption = hint;
        break;
    }
    base_ << c.form << c.name << caption << hint << oneLine(charset);
    template_ << caption << hint;
}

bool LanguageExport::write(const QString& path) const
{
    return writeUtf8Lines(path, base_) && writeUtf16Lines(path + QStringLiteral(".trans"), template_);
}

// ---- numbered texts -------------------------------------------------------------------------

QLocale languageLocale(int index)
{
    static const QHash<QString, QLocale::Language> byCode = {
        {QStringLiteral("de"), QLocale::German},  {QStringLiteral("en"), QLocale::English},
        {QStringLiteral("fr"), QLocale::French},  {QStringLiteral("sp"), QLocale::Spanish},
        {QStringLiteral("nl"), QLocale::Dutch},   {QStringLiteral("tr"), QLocale::Turkish},
        {QStringLiteral("ru"), QLocale::Russian}, {QStringLiteral("cz"), QLocale::Czech},
        {QStringLiteral("pl"), QLocale::Polish},
    };
    return QLocale(byCode.value(languageAt(index).code, QLocale::German));
}

const QStringList& germanInterfaceTexts()
{
    static const QStringList texts = {
        QStringLiteral("Verteilung der gezogenen Zahlen"),                                            // 0
        QStringLiteral("Ziehungen"),                                                                  // 1
        QStringLiteral("Durchschnitt der QS"),                                                        // 2
        QStringLiteral("Verteilung der Superzahl (Reintegro)"),                                       // 3
        QStringLiteral("Suche in der Datenbank"),                                                     // 4
        QStringLiteral("Ab wie vielen Richtigen soll ein Treffer gemeldet werden?"),                  // 5
        QStringLiteral("Treffer in der Ziehung vom"),                                                 // 6
        QStringLiteral("- weitersuchen?"),                                                            // 7
        QStringLiteral("Tipp in der Datenbank gefunden"),                                             // 8
        QStringLiteral("Paare"),                                                                      // 9
        QStringLiteral("insgesamt"),                                                                  // 10
        QStringLiteral("Dreier"),                                                                     // 11
        QStringLiteral("Losnummer"),                                                                  // 12
        QStringLiteral("Verteilung der Quersummen (QS)"),                                             // 13
        QStringLiteral("durchschnittliche QS"),                                                       // 14
        QStringLiteral("Vierer"),                                                                     // 15
        QStringLiteral("Berechnung &stoppen"),                                                        // 16
        QStringLiteral("Zahlenpool wird berechnet:"),                                                 // 17
        QStringLiteral("häufige Paare"),                                                              // 18
        QStringLiteral("häufige Dreier"),                                                             // 19
        QStringLiteral("häufige Vierer"),                                                             // 20
        QStringLiteral("überfällige Zahlen"),                                                         // 21
        QStringLiteral("Nachbarzahlen der letzten Ziehung"),                                          // 22
        QStringLiteral("Die Tipps werden berechnet ..."),                                             // 23
        QStringLiteral("Tipp"),                                                                       // 24
        QStringLiteral("Anzahl der Durchläufe erreicht - nicht alle Tipps konnten berechnet werden"), // 25
        QStringLiteral("Berechnung der Tipps beendet"),                                               // 26
        QStringLiteral("Bitte warten ..."),                                                           // 27
        QStringLiteral("Überfälligkeit der Zahlen (Ziehungen seit dem letzten Erscheinen)"),          // 28
        QStringLiteral("Häufigkeit der Zahlen in den Tipps"),                                         // 29
        QStringLiteral("Glückszahl eingeben"),                                                        // 30
        QStringLiteral("Startwert des Zufallsgenerators"),                                            // 31
        QStringLiteral("Glückszahl"),                                                                 // 32
        QStringLiteral("Auswertung der Parameter: Richtige je Ziehung    Sa/So    andere Tage"),      // 33
        QStringLiteral("Die Auswertung wurde wegen eines Fehlers abgebrochen."),                      // 34
        QStringLiteral("Hinweis"),                                                                    // 35
        QStringLiteral("Welche Zahlen für die Berechnung"),                                           // 36
        QStringLiteral("Lottoschein drucken / Tipps online abgeben"),                                 // 37
        QStringLiteral("Überfälligkeit der Superzahl (Reintegro)"),                                   // 38
        QStringLiteral("Ab wie vielen Richtigen soll eine Wiederholung gemeldet werden?"),            // 39
        QStringLiteral("Wiederholungen: Richtige mit früheren Ziehungen"),                            // 40
        QStringLiteral("Richtige in der nächsten Ziehung"),                                           // 41
        QStringLiteral("Richtige in der übernächsten Ziehung"),                                       // 42
        QStringLiteral("Richtige in der dritten folgenden Ziehung"),                                  // 43
        QStringLiteral("Primzahlen pro Tipp in"),                                                     // 44
        QStringLiteral("der gezogenen Zahlen sind Primzahlen"),                                       // 45
        QStringLiteral("Ungerade Zahlen pro Tipp in"),                                                // 46
        QStringLiteral("der gezogenen Zahlen sind ungerade"),                                         // 47
        QStringLiteral("Gerade Zahlen pro Tipp in"),                                                  // 48
        QStringLiteral("der gezogenen Zahlen sind gerade"),                                           // 49
        QStringLiteral("Sollen alle nicht gesperrten Tipps gelöscht werden?"),                        // 50
        QStringLiteral("Tipps löschen"),                                                              // 51
        QStringLiteral("Ja"),                                                                         // 52
        QStringLiteral("Nein"),                                                                       // 53
        QStringLiteral("Losnummer eingeben"),                                                         // 54
        QStringLiteral("konnte nicht geschrieben werden."),                                           // 55
        QStringLiteral("kleinster Wert"),                                                             // 56
        QStringLiteral("größter Wert"),                                                               // 57
        QStringLiteral("Bitte ein gültiges Datum ab dem 17.10.1985 eingeben"),                        // 58
        QStringLiteral("Noch keine Ziehungen im Archiv"),                                             // 59
        QStringLiteral("Ziehungen jetzt aus einer Ergebnisliste (CSV) einlesen?"),                    // 60
        QStringLiteral("Ziehungen jetzt vom Server der Ziehungen laden?"),                            // 61
        QStringLiteral("Bitte eine ganze Zahl von 1 bis 99999999 eingeben"),                          // 62
        QStringLiteral("Aktualisierung gestoppt: %1 Ziehungen geholt"),                               // 63
        QStringLiteral("%1 Ziehungen"),                                                               // 64
        QStringLiteral("1 Ziehung"),                                                                  // 65
        QStringLiteral("keine Auffälligkeiten"),                                                      // 66
        QStringLiteral("es fehlt: %1"),                                                               // 67
        QStringLiteral("%1 Ziehungstage (ab %2)"),                                                    // 68
        QStringLiteral("%1 fehlerhafte Datensätze (razoz-cli archive check)"),                        // 69
        QStringLiteral("letzte Ziehung am %1 – bitte aktualisieren"),                                 // 70
        QStringLiteral("Analyse &stoppen"),                                                           // 71
        QStringLiteral(
            "Es wurden keine Ziehungen geladen. Lesen Sie eine Ergebnisliste über „CSV einlesen“ (Seite Datenbank) ein "
            "oder tragen Sie auf der Seite Internet-Optionen einen anderen Server ein."), // 72
        QStringLiteral("Ziehungen aus einer CSV-Datei einlesen"),                         // 73
        QStringLiteral("Ergebnisliste (*.csv)|*.csv"),                                    // 74
        QStringLiteral("%1 Ziehungen hinzugefügt, %2 ersetzt; %3 Ziehungen im Archiv."),  // 75
        QStringLiteral("%1 Ziehungen wichen vom Archiv ab: %2"),                          // 76
    };
    return texts;
}

bool loadInterfaceTexts(const QString& programFolder, const QString& code, InterfaceTexts& texts)
{
    QStringList lines;
    const QString path = messageFilePath(programFolder, code);
    if (!QFileInfo(path).isFile() || !readTextLines(path, lines, code)) return false;
    const QStringList& fallback = germanInterfaceTexts();
    for (int n = lines.size(); n < fallback.size(); ++n) lines << fallback[n];
    texts.setLines(lines);
    return true;
}

} // namespace razoz
