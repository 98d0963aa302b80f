// razoz-manual FILE: writes the user guide "Razoz-Quorex.pdf" (A4, German) that the installation
// data carries; scripts/make-manual renews data/Razoz-Quorex.pdf with it.
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <cstdio>

namespace {

const char* kGuide = R"(
<h1>Razoz-Quorex 6 aus 49 – Kurzanleitung</h1>
<p>Razoz-Quorex hilft beim Spielen von „La Dovovuduv“: es führt ein Archiv aller Ziehungen, prüft Ihre
Tipps gegen jede Ziehung, zeigt Statistiken als Diagramm, berechnet Tipps nach Ihren Vorgaben und druckt
sie auf den Lottoschein oder gibt sie online ab.</p>

<h2>Erste Schritte</h2>
<ol>
<li>Öffnen Sie die Seite <b>Datenbank</b> und klicken Sie auf <b>Datenbank aktualisieren</b>
(oder Menü <b>Aktualisieren</b>, Strg+A). Die Ziehungen werden vom Server der Ziehungen geladen,
dessen Adresse auf der Seite <b>Internet-Optionen</b> steht.</li>
<li>Tragen Sie auf der Seite <b>Lottotipp</b> bis zu zwölf Tipps ein. Nach jeder Änderung werden
die Tipps gegen die angezeigte Ziehung geprüft; Treffer werden farbig markiert und gezählt.</li>
<li>Mit den Pfeilen neben der Ziehung blättern Sie durch das Archiv.</li>
</ol>

<h2>Tipps berechnen</h2>
<p>Auf der Seite <b>Berechnung</b> legen Sie fest, welche Zahlen bevorzugt werden (häufig gezogen,
überfällig, Paare, Dreier …) und welche Regeln jeder Tipp erfüllen muss. <b>Tipps berechnen</b>
(Strg+R) füllt alle nicht gesperrten Reihen. Ein Klick auf „Tipp“ färbt die Reihe rot: sie ist
gesperrt und wird nicht neu berechnet.</p>

<h2>Statistik</h2>
<p>Die Seite <b>Diagramm</b> zeigt die gewählte Statistik über den Zeitraum vom Startdatum bis zum
Enddatum und für die gewählten Ziehungstage (Samstag, Donnerstag).</p>

<h2>Drucken und Abgeben</h2>
<p>Gedruckt wird auf einen leeren Lottoschein im Drucker; die Lage der Kreuze lässt sich im Dialog
„Positionierung des Scheindruckes“ anpassen. Mit <b>Abgeben</b> (Strg+G) werden die Tipps an ein
Online-Portal übergeben. Aus der Befehlszeile druckt <code>razoz D datei.wtp</code> eine Tippdatei
und beendet das Programm.</p>

<h2>Sprache</h2>
<p>Im Menü <b>Sprache/Language/Langue</b> wählen Sie eine von neun Sprachen. Die Texte stehen im
Ordner „land“ des Programmordners: „bezeich.txt“ mit den deutschen Texten aller Bedienelemente,
die Übersetzungen „bezeich.txt.en“, „bezeich.txt.sp“ … und die Meldungen „meldungen.txt.de“ ….
<b>Export</b> schreibt eine Vorlage für neue Übersetzungen.</p>

<h2>Einstellungen</h2>
<p>Alle Einstellungen, die Tipps und die Fenstergröße werden beim Schließen gespeichert und beim
nächsten Start wiederhergestellt. Ein Proxy-Server kann auf der Seite <b>Internet-Optionen</b>
eingetragen werden.</p>

<h2>Ohne Fenster</h2>
<p><code>razoz-cli</code> bietet dieselben Funktionen für Skripte, z. B.
<code>razoz-cli archive update</code> oder <code>razoz-cli stats frequency --json</code>.</p>
)";

// Through a scratch file: an existing guide is replaced only by a complete one.
bool writeGuide(const QString& path, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(QStringLiteral("Razoz-Quorex – Kurzanleitung"));
        pdf.setCreator(QStringLiteral("Tallwick"));
        pdf.setResolution(300);
        QTextDocument doc;
        doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
        doc.setHtml(QString::fromUtf8(kGuide));
        doc.print(&pdf);
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Text layout needs the font database of a GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: razoz-manual FILE.pdf\n");
        return 2;
    }
    QString error;
    if (!writeGuide(args[1], error)) {
        std::fprintf(stderr, "razoz-manual: %s: %s\n", qPrintable(args[1]), qPrintable(error));
        return 1;
    }
    return 0;
}
