#include "ui/page_datenbank.h"
#include "ui/control_factory.h"

#include "app/languages.h"
#include "app/session.h"
#include "archive/archive_health.h"
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "ui/date_picker.h"
#include "ui/stats_buttons.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace razoz {

const char* const kPickerHint =
    "Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach werden nicht berücksichtigt";

DatenbankPage::DatenbankPage(Session& session, DiagrammPage& diagramm, QWidget* parent)
    : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TabSheet4"));

    Label29 = makeControl<QLabel>(this, "Label29", {16, 16, 380, 24});
    Label29->setFrameShape(QFrame::Panel);
    Label29->setFrameShadow(QFrame::Sunken);
    useFixedWidthFont(Label29);

    DateTimePicker1 = makeControl<DatePicker>(this, "DateTimePicker1", {16, 52, 120, 24});
    DateTimePicker1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setMinimumDate(fromDays(kEarliestDrawDay));
    DateTimePicker1->setDate(QDate::currentDate());
    DateTimePicker1->setToolTip(QString::fromUtf8(kPickerHint));
    SpeedButton5 = makeControl<QToolButton>(this, "SpeedButton5", {142, 51, 26, 26});
    SpeedButton5->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    SpeedButton5->setToolTip(QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"));

    BitBtn1 = makeControl<QPushButton>(this, "BitBtn1", {16, 96, 220, 30});
    BitBtn1->setText(QStringLiteral("&Datenbank aktualisieren"));
    BitBtn1->setToolTip(QStringLiteral("Aktualisieren der Lottozahlen vom Server"));
    SpeedButton8 = makeControl<QToolButton>(this, "SpeedButton8", {242, 98, 26, 26});
    SpeedButton8->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    SpeedButton8->setToolTip(QStringLiteral("Stoppt das Einlesen"));
    SpeedButton8->hide();
    BitBtn2 = makeControl<QPushButton>(this, "BitBtn2", {16, 132, 220, 30});
    BitBtn2->setText(QStringLiteral("Datenbank neu anlegen"));
    BitBtn2->setToolTip(QStringLiteral("Die Ziehungen werden ab dem oben eingestellten Datum neu eingelesen"));
    BitBtn8 = makeControl<QPushButton>(this, "BitBtn8", {16, 180, 106, 30});
    BitBtn8->setText(QStringLiteral("Eingeben"));
    BitBtn8->setToolTip(QStringLiteral("manuelle eingaben der Ziehungsdaten."));
    BitBtn6 = makeControl<QPushButton>(this, "BitBtn6", {130, 180, 106, 30});
    BitBtn6->setText(QStringLiteral("Löschen"));
    BitBtn6->setToolTip(QStringLiteral("Löschen der aktuell angezeigten Ziehung"));

    BitBtn10 = makeControl<QPushButton>(this, "BitBtn10", {16, 216, 220, 30});
    BitBtn10->setText(QStringLiteral("CSV einlesen"));
    BitBtn10->setToolTip(QStringLiteral("Ziehungen aus einer Ergebnisliste (CSV) in die Datenbank übernehmen"));
    Label99 = makeControl<QLabel>(this, "Label99", {16, 256, 644, 24});
    Label99->setToolTip(QStringLiteral("Zustand der Datenbank: Anzahl der Ziehungen und was ihr fehlt"));

    const QString analysisHint = QStringLiteral("Berechnung und Erfolg beginnend mit dem oben gewählten Datum");
    Label94 = makeLabel(this, "Label94",
                        QStringLiteral("Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet"),
                        {16, 292, 644, 20});
    BitBtn9 = makeButton(this, "BitBtn9",
                         QStringLiteral("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"),
                         analysisHint, {16, 314, 470, 30});
    CheckBox31 = makeCheckBox(this, "CheckBox31", QStringLiteral("Neuberechnung  nur wenn ein 3er erzielt wurde"), {},
                              {496, 318, 330, 22});
    Label95 = makeLabel(this, "Label95", QStringLiteral("War eine Ziehung schon einmal ein 5er oder 6er?"),
                        {16, 356, 644, 20});
    BitBtn19 =
        makeButton(this, "BitBtn19", QStringLiteral("Historische Analyse beginnend mit dem oben gewähltem Datum"),
                   analysisHint, {16, 378, 470, 30});

    charts = new DatenbankStatsButtons(&diagramm, this);
    charts->setGeometry(276, 96, 384, 140); // right of the update's stop button

    session_.setEndDate(toDays(DateTimePicker1->date()));
    connect(DateTimePicker1, &QDateEdit::dateChanged, this, [this](QDate d) { session_.setEndDate(toDays(d)); });
    connect(&session_, &Session::drawChanged, this, &DatenbankPage::showCurrentDraw);
}

void DatenbankPage::showCurrentDraw()
{
    const CurrentDraw& d = session_.currentDraw();
    Label29->setText(formatDraw(d, session_.navigator().separator()));
    const QDate date = fromDays(d.date);
    if (date.isValid() && date >= DateTimePicker1->minimumDate()) DateTimePicker1->setDate(date);
}

void DatenbankPage::showArchiveHealth()
{
    QString line;
    try {
        DrawArchive archive(session_.archivePath());
        if (archive.exists())
            line = healthSummary(checkArchiveHealth(archive), session_.texts(), today(),
                                 languageLocale(session_.language()));
    } catch (const ArchiveError& e) {
        line = e.message();
    }
    Label99->setText(line);
}

} // namespace razoz
