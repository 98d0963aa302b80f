// The user guide "Razoz-Quorex.pdf" in the installation data. It is written by this helper:
//   RAZOZ_WRITE_MANUAL=data/Razoz-Quorex.pdf build/debug/bin/test_app --gtest_filter=UserGuide.*
#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <gtest/gtest.h>

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

} // namespace

TEST(UserGuide, InstalledGuideIsAPdf)
{
    const QByteArray path = qgetenv("RAZOZ_WRITE_MANUAL");
    if (!path.isEmpty()) {
        QPdfWriter pdf(QString::fromLocal8Bit(path));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(QStringLiteral("Razoz-Quorex – Kurzanleitung"));
        pdf.setCreator(QStringLiteral("Tallwick"));
        pdf.setResolution(300);
        QTextDocument doc;
        doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
        doc.setHtml(QString::fromUtf8(kGuide));
        doc.print(&pdf);
    }
    QFile guide(QStringLiteral(RAZOZ_SOURCE_DIR "/data/Razoz-Quorex.pdf"));
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    EXPECT_TRUE(guide.readAll().startsWith("%PDF-"));
}
