#include "ui/datenbank_actions.h"

#include "app/session.h"
#include "archive/current_draw.h"
#include "archive/dates.h"
#include "archive/draw_csv.h"
#include "archive/manual_entry.h"
#include "base/day_count.h"
#include "ui/long_action_runner.h"
#include "ui/page_datenbank.h"
#include "ui/page_internet.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"
#include "ui/tform3.h"

#include <QAction>
#include <QDateEdit>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace razoz {

namespace {
constexpr int kUpdateStoppedText = 63;   // "Aktualisierung gestoppt: %1 Ziehungen geholt"
constexpr int kImportTitleText = 73;     // "Ziehungen aus einer CSV-Datei einlesen"
constexpr int kImportFilterText = 74;    // "Ergebnisliste (*.csv)|*.csv"
constexpr int kImportReportText = 75;    // "%1 Ziehungen hinzugefügt, %2 ersetzt; %3 Ziehungen im Archiv."
constexpr int kImportDifferingText = 76; // "%1 Ziehungen wichen vom Archiv ab: %2"
} // namespace

DatenbankActions::DatenbankActions(ArchivePath archivePath, OptionsSource options, Prompt& prompt,
                                   LongActionRunner& runner, DrawChanged drawChanged)
    : archivePath_(std::move(archivePath)), options_(std::move(options)), prompt_(prompt), runner_(runner),
      drawChanged_(std::move(drawChanged))
{
}

bool DatenbankActions::busy() const
{
    return runner_.busy();
}

void DatenbankActions::setBusy(bool running)
{
    if (onBusyChanged) onBusyChanged(running);
}

void DatenbankActions::updateArchive()
{
    runUpdate(false);
}

void DatenbankActions::rebuildArchive()
{
    runUpdate(true);
}

void DatenbankActions::stopUpdate()
{
    runner_.requestStop();
}

void DatenbankActions::runUpdate(bool rebuild)
{
    if (runner_.busy()) return; // a click that slipped through while another action runs
    const UpdateOptions options = options_();
    const QString archivePath = archivePath_();
    const QString stoppedText =
        textOr(kUpdateStoppedText, QStringLiteral("Aktualisierung gestoppt: %1 Ziehungen geholt"));
    struct Outcome {
        std::optional<UpdateResult> result;
        QString failure;
    };
    const auto outcome = std::make_shared<Outcome>();
    auto job = [this, options, archivePath, stoppedText, rebuild, outcome](RunControl& run, Prompt& prompt) {
        try {
            DrawArchive archive(archivePath);
            const DrawFetched fetched = [this](const CurrentDraw& d) {
                runner_.onWindow([this, d] {
                    if (onDrawFetched) onDrawFetched(d);
                });
            };
            if (rebuild)
                outcome->result = razoz::rebuildArchive(archive, options, prompt, run, fetched);
            else
                outcome->result = razoz::updateArchive(archive, options, run, fetched);
        } catch (const ArchiveError& e) {
            outcome->failure = e.message();
        }
        if (outcome->result && outcome->result->stopped) {
            // Say what the stopped run got, so a stop is not taken for an archive up to date.
            int appended = 0;
            for (const UpdateRequestLog& r : outcome->result->requests) appended += r.appended;
            run.status(0, stoppedText.arg(appended));
        }
    };
    auto done = [this, outcome] {
        setBusy(false);
        const std::optional<UpdateResult>& result = outcome->result;
        QString failure = outcome->failure;
        if (result && !result->failure.isEmpty()) failure = result->failure;
        if (!failure.isEmpty()) prompt_.error(failure);
        if (result) drawChanged_(result->pickerDate);
    };
    if (runner_.start(std::move(job), std::move(done))) setBusy(true);
}

void DatenbankActions::enterDraw(double shownDate)
{
    double reference = shownDate;
    bool changed = false;
    const bool ran = runner_.runHere([&](RunControl&, Prompt& prompt) {
        setBusy(true);
        try {
            DrawArchive archive(archivePath_());
            const EntryReference ref = findEntryReference(archive, shownDate);
            reference = ref.record.date;
            changed = true;
            if (editDraw) {
                if (const auto typed = editDraw(ref.record)) storeEnteredDraw(archive, *typed, ref);
            }
        } catch (const ArchiveError& e) {
            prompt.error(e.message());
        }
        setBusy(false);
    });
    if (ran && changed) drawChanged_(reference);
}

void DatenbankActions::deleteShownDraw(double shownDate)
{
    bool done = false;
    const bool ran = runner_.runHere([&](RunControl&, Prompt& prompt) {
        setBusy(true);
        try {
            DrawArchive archive(archivePath_());
            deleteDrawsOn(archive, shownDate);
            done = true;
        } catch (const ArchiveError& e) {
            prompt.error(e.message());
        }
        setBusy(false);
    });
    if (ran && done) drawChanged_(shownDate);
}

QString DatenbankActions::textOr(int n, const QString& german) const
{
    const QString text = interfaceText ? interfaceText(n) : QString();
    return text.isEmpty() ? german : text;
}

void DatenbankActions::importCsv()
{
    if (runner_.busy()) return;
    const QString archivePath = archivePath_();
    const QString title = textOr(kImportTitleText, QStringLiteral("Ziehungen aus einer CSV-Datei einlesen"));
    const QString filter = textOr(kImportFilterText, QStringLiteral("Ergebnisliste (*.csv)|*.csv"));
    const QString reportText =
        textOr(kImportReportText, QStringLiteral("%1 Ziehungen hinzugefügt, %2 ersetzt; %3 Ziehungen im Archiv."));
    const QString differingText = textOr(kImportDifferingText, QStringLiteral("%1 Ziehungen wichen vom Archiv ab: %2"));
    const auto imported = std::make_shared<bool>(false);
    auto job = [archivePath, title, filter, reportText, differingText, imported](RunControl&, Prompt& prompt) {
        const QString file = prompt.openFileName(title, filter, QFileInfo(archivePath).absolutePath());
        if (file.isEmpty()) return;
        try {
            DrawArchive archive(archivePath);
            const ImportReport report = importResultsCsv(archive, file);
            QString text = QString(reportText).arg(report.added).arg(report.replaced).arg(report.records);
            if (!report.differing.empty()) {
                // The user should see which archived draws the list corrected.
                QStringList dates;
                for (std::size_t i = 0; i < std::min<std::size_t>(report.differing.size(), 5); ++i)
                    dates << formatDate(report.differing[i]);
                if (report.differing.size() > 5) dates << QStringLiteral("…");
                text += QLatin1Char('\n') +
                        QString(differingText).arg(report.differing.size()).arg(dates.join(QStringLiteral(", ")));
            }
            prompt.information(text);
            *imported = true;
        } catch (const ArchiveError& e) {
            prompt.error(e.message());
        }
    };
    auto done = [this, imported] {
        setBusy(false);
        if (*imported) drawChanged_(options_().pickerDate);
    };
    if (runner_.start(std::move(job), std::move(done))) setBusy(true);
}

// The archive actions of the "Datenbank" page, the update button of the draw panel and the menu
// entry: the server and the proxy are read from the "Internet-Optionen" page at the moment of use.
std::unique_ptr<DatenbankActions> connectArchiveActions(TForm1& form, QAction* updateEntry)
{
    Session& session = form.session();
    DatenbankPage* datenbank = form.datenbank();
    LottotippPage* lottotipp = form.lottotipp();
    InternetPage* internet = form.internet();
    // The server and the proxy are read from the "Internet-Optionen" page at the moment of use.
    auto options = [internet, datenbank] {
        UpdateOptions o;
        o.serverUrl = internet->ServerURLEdit->text().trimmed();
        o.proxyHost = internet->ProxyHostEdit->text().trimmed();
        o.proxyPort = internet->ProxyPortEdit->text().trimmed();
        o.pickerDate = toDays(datenbank->DateTimePicker1->date());
        o.today = today();
        return o;
    };
    auto actions =
        std::make_unique<DatenbankActions>([&session] { return session.archivePath(); }, options, session.prompt(),
                                           form.runner(), [&form](double date) { form.archiveChanged(date); });
    actions->onBusyChanged = [datenbank](bool running) { datenbank->SpeedButton8->setVisible(running); };
    actions->onDrawFetched = [&session, datenbank, lottotipp](const CurrentDraw& d) {
        const QString text = formatDraw(d, session.navigator().separator());
        datenbank->Label29->setText(text);
        lottotipp->Label35->setText(text);
        lottotipp->Label13->setText(formatSum(d));
    };
    actions->editDraw = [&form](const DrawRecord& reference) { return enterDrawDialog(reference, &form); };
    actions->interfaceText = [&session](int n) { return session.text(n); };

    DatenbankActions& a = *actions;
    QObject::connect(datenbank->BitBtn1, &QPushButton::clicked, &form, [&a] { a.updateArchive(); });
    QObject::connect(lottotipp->SpeedButton10, &QToolButton::clicked, &form, [&a] { a.updateArchive(); });
    QObject::connect(updateEntry, &QAction::triggered, &form, [&a] { a.updateArchive(); });
    QObject::connect(datenbank->SpeedButton8, &QToolButton::clicked, &form, [&a] { a.stopUpdate(); });
    QObject::connect(datenbank->BitBtn2, &QPushButton::clicked, &form, [&a] { a.rebuildArchive(); });
    // The entry starts from the draw of the picker's date, the deletion removes the draw on display.
    QObject::connect(datenbank->BitBtn8, &QPushButton::clicked, &form,
                     [datenbank, &a] { a.enterDraw(toDays(datenbank->DateTimePicker1->date())); });
    QObject::connect(datenbank->BitBtn6, &QPushButton::clicked, &form,
                     [&session, &a] { a.deleteShownDraw(session.currentDraw().date); });
    QObject::connect(datenbank->BitBtn10, &QPushButton::clicked, &form, [&a] { a.importCsv(); });
    return actions;
}

} // namespace razoz
