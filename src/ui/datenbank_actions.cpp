#include "ui/datenbank_actions.h"

#include "archive/dates.h"
#include "archive/draw_csv.h"
#include "archive/manual_entry.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace razoz {

namespace {
constexpr int kUpdateStoppedText = 63;   // "Aktualisierung gestoppt: %1 Ziehungen geholt"
constexpr int kImportTitleText = 73;     // "Ziehungen aus einer CSV-Datei einlesen"
constexpr int kImportFilterText = 74;    // "Ergebnisliste (*.csv)|*.csv"
constexpr int kImportReportText = 75;    // "%1 Ziehungen hinzugefügt, %2 ersetzt; %3 Ziehungen im Archiv."
constexpr int kImportDifferingText = 76; // "%1 Ziehungen wichen vom Archiv ab: %2"
} // namespace

DatenbankActions::DatenbankActions(ArchivePath archivePath, OptionsSource options, Prompt& prompt,
                                   RunControlFactory runControl, DrawChanged drawChanged)
    : archivePath_(std::move(archivePath)), options_(std::move(options)), prompt_(prompt),
      runControl_(std::move(runControl)), drawChanged_(std::move(drawChanged))
{
}

bool DatenbankActions::begin()
{
    if (busy_) return false; // a click that slipped through while another action runs
    busy_ = true;
    if (onBusyChanged) onBusyChanged(true);
    return true;
}

void DatenbankActions::end()
{
    busy_ = false;
    if (onBusyChanged) onBusyChanged(false);
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
    if (running_) running_->requestStop();
}

void DatenbankActions::runUpdate(bool rebuild)
{
    if (!begin()) return;
    const UpdateOptions options = options_();
    std::unique_ptr<ThrottledRunControl> run = runControl_();
    running_ = run.get();
    std::optional<UpdateResult> result;
    QString failure;
    try {
        DrawArchive archive(archivePath_());
        const DrawFetched fetched = [this](const CurrentDraw& d) {
            if (onDrawFetched) onDrawFetched(d);
        };
        if (rebuild)
            result = razoz::rebuildArchive(archive, options, prompt_, *run, fetched);
        else
            result = razoz::updateArchive(archive, options, *run, fetched);
    } catch (const ArchiveError& e) {
        failure = e.message();
    }
    if (result && result->stopped) {
        // Say what the stopped run got, so a stop is not taken for an archive up to date.
        int fetched = 0;
        for (const UpdateRequestLog& r : result->requests) fetched += r.appended;
        run->status(
            0, textOr(kUpdateStoppedText, QStringLiteral("Aktualisierung gestoppt: %1 Ziehungen geholt")).arg(fetched));
    }
    run->flush();
    running_ = nullptr;
    end();
    if (result && !result->failure.isEmpty()) failure = result->failure;
    if (!failure.isEmpty()) prompt_.error(failure);
    if (result) drawChanged_(result->pickerDate);
}

void DatenbankActions::enterDraw(double shownDate)
{
    if (!begin()) return;
    double reference = shownDate;
    bool changed = false;
    try {
        DrawArchive archive(archivePath_());
        const EntryReference ref = findEntryReference(archive, shownDate);
        reference = ref.record.date;
        changed = true;
        if (editDraw) {
            if (const auto typed = editDraw(ref.record)) storeEnteredDraw(archive, *typed, ref);
        }
    } catch (const ArchiveError& e) {
        prompt_.error(e.message());
    }
    end();
    if (changed) drawChanged_(reference);
}

void DatenbankActions::deleteShownDraw(double shownDate)
{
    if (!begin()) return;
    bool done = false;
    try {
        DrawArchive archive(archivePath_());
        deleteDrawsOn(archive, shownDate);
        done = true;
    } catch (const ArchiveError& e) {
        prompt_.error(e.message());
    }
    end();
    if (done) drawChanged_(shownDate);
}

QString DatenbankActions::textOr(int n, const QString& german) const
{
    const QString text = interfaceText ? interfaceText(n) : QString();
    return text.isEmpty() ? german : text;
}

void DatenbankActions::importCsv()
{
    if (!begin()) return;
    const QString archivePath = archivePath_();
    const QString file =
        prompt_.openFileName(textOr(kImportTitleText, QStringLiteral("Ziehungen aus einer CSV-Datei einlesen")),
                             textOr(kImportFilterText, QStringLiteral("Ergebnisliste (*.csv)|*.csv")),
                             QFileInfo(archivePath).absolutePath());
    bool done = false;
    if (!file.isEmpty()) {
        try {
            DrawArchive archive(archivePath);
            const ImportReport report = importResultsCsv(archive, file);
            QString text = textOr(kImportReportText,
                                  QStringLiteral("%1 Ziehungen hinzugefügt, %2 ersetzt; %3 Ziehungen im Archiv."))
                               .arg(report.added)
                               .arg(report.replaced)
                               .arg(report.records);
            if (!report.differing.empty()) {
                // The user should see which archived draws the list corrected.
                QStringList dates;
                for (std::size_t i = 0; i < std::min<std::size_t>(report.differing.size(), 5); ++i)
                    dates << formatDate(report.differing[i]);
                if (report.differing.size() > 5) dates << QStringLiteral("…");
                text += QLatin1Char('\n') +
                        textOr(kImportDifferingText, QStringLiteral("%1 Ziehungen wichen vom Archiv ab: %2"))
                            .arg(report.differing.size())
                            .arg(dates.join(QStringLiteral(", ")));
            }
            prompt_.information(text);
            done = true;
        } catch (const ArchiveError& e) {
            prompt_.error(e.message());
        }
    }
    end();
    if (done) drawChanged_(options_().pickerDate);
}

} // namespace razoz
