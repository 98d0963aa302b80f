#include "archive/archive_update.h"

#include "archive/dates.h"
#include "archive/results_answer.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QUrlQuery>

#include <algorithm>
#include <filesystem>

namespace razoz {

struct ResultsClient::Impl {
    QNetworkAccessManager nam;
    QUrl base;
    int timeoutMs = 0;
    qint64 maxBody = 0;
};

namespace {

QUrl serverBase(const QString& text)
{
    return webBaseAddress(text, QStringLiteral("Ungültige Serveradresse: „%1“"));
}

// The start of an answer as the user may see it: its first non-blank line, shortened.
QString firstLineOf(const QByteArray& body)
{
    for (const QByteArray& line : body.split('\n')) {
        const QString text = QString::fromLatin1(line.trimmed()).simplified();
        if (text.isEmpty()) continue;
        return text.size() > 60 ? text.left(60) + QStringLiteral("…") : text;
    }
    return {};
}

} // namespace

ResultsClient::ResultsClient(const UpdateOptions& options) : d_(std::make_unique<Impl>())
{
    d_->base = serverBase(options.serverUrl);
    d_->timeoutMs = options.timeoutMs;
    d_->maxBody = options.maxBodyBytes;
    applyProxy(d_->nam, options.proxyHost, options.proxyPort);
}

ResultsClient::~ResultsClient() = default;

QString ResultsClient::urlFor(double date) const
{
    QUrl url = d_->base;
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    url.setPath(path + QLatin1String(kResultsPath));
    url.setQuery(resultsQuery(date));
    return url.toString(QUrl::FullyEncoded);
}

HttpAnswer ResultsClient::get(double date, const RunControl* stop)
{
    return httpGet(d_->nam, QUrl(urlFor(date)), d_->timeoutMs, d_->maxBody, stop);
}

UpdateResult updateArchive(DrawArchive& archive, const UpdateOptions& options, RunControl& run,
                           const DrawFetched& fetched)
{
    UpdateResult result;
    result.pickerDate = std::max(options.pickerDate, kEarliestDrawDay); // the pickers accept no earlier day
    std::unique_ptr<ResultsClient> client;
    try {
        client = std::make_unique<ResultsClient>(options);
    } catch (const TransportFailure& f) {
        result.failure = f.message;
        result.records = archive.exists() ? archive.recordCount() : 0;
        return result;
    }
    archive.close();
    if (!archive.exists()) {
        archive.createWithFirstDraw(); // a file just created has no last date
    } else if (archive.recordCount() > 0) {
        result.pickerDate = archive.append(std::span<const DrawRecord>()).date;
    }
    double date = nextUpdateDay(result.pickerDate);
    while (date <= options.today) {
        run.yield();
        if (run.stopRequested()) {
            result.stopped = true;
            break;
        }
        run.status(0, QStringLiteral("Loading .. ") + fromDays(date).toString(QStringLiteral("yyyyMMdd")));
        HttpAnswer answer;
        try {
            answer = client->get(date, &run);
        } catch (const TransportFailure& f) {
            // A stop during the request is a stop like one between requests: this day is asked again next time.
            if (f.stopped)
                result.stopped = true;
            else
                result.failure = f.message;
            break;
        }
        run.status(0, QStringLiteral("Received %1 bytes").arg(answer.body.size()));
        run.status(1, kDisclaimer);
        UpdateRequestLog log{date, answer.status, 0};
        if (answer.status == 500) {
            run.status(0, formatDate(date) + QStringLiteral(" noch nicht da!"));
        } else if (answer.status > 200) {
            run.status(0, QStringLiteral("Failed : %1 %2").arg(answer.status).arg(answer.reason));
        } else if (answer.status == 200) {
            const std::vector<DrawRecord> records = parseAnswer(answer.body, date);
            if (!records.empty()) archive.append(records);
            // A page that is no results list (an error or maintenance page sent as 200) must not
            // pass for a day without draws.
            if (records.empty() && !answer.body.trimmed().isEmpty())
                run.status(0, QStringLiteral("Keine Ziehung in der Antwort: „%1“").arg(firstLineOf(answer.body)));
            log.appended = int(records.size());
            for (const auto& r : records) {
                result.lastFetched = CurrentDraw::from(r);
                if (fetched) fetched(*result.lastFetched);
            }
        }
        result.requests.push_back(log);
        date = nextUpdateDay(date);
    }
    result.pickerDate = date;
    result.records = archive.recordCount();
    return result;
}

QString backupPathFor(const QString& archivePath)
{
    const QDir folder = QFileInfo(archivePath).dir();
    const QString backup = folder.filePath(kBackupFileName);
    const QFileInfo old(backup);
    // A backup holding more draws than the archive may be the only full copy: it stays.
    if (!old.exists() || old.size() <= QFileInfo(archivePath).size()) return backup;
    for (int n = 1;; ++n) {
        const QString next = backup + QStringLiteral(".%1").arg(n);
        const QFileInfo other(next);
        if (!other.exists() || other.size() <= QFileInfo(archivePath).size()) return next;
    }
}

std::optional<UpdateResult> rebuildArchive(DrawArchive& archive, const UpdateOptions& options, Prompt& prompt,
                                           RunControl& run, const DrawFetched& fetched)
{
    archive.close();
    const QString backup = backupPathFor(archive.path());
    QString text = QStringLiteral("Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem ") +
                   formatDate(options.pickerDate) + QStringLiteral(" aus dem Internet neu aufbauen??");
    if (archive.exists())
        text += QStringLiteral("\n\nDas bisherige Archiv (%1 Ziehungen) wird als %2 gesichert.")
                    .arg(archive.recordCount())
                    .arg(QFileInfo(backup).fileName());
    if (!prompt.question(QStringLiteral("Ziehungsdaten löschen?"), text)) return std::nullopt;
    archive.close();
    if (archive.exists()) {
        std::error_code ec;
        std::filesystem::rename(std::filesystem::path(archive.path().toStdU16String()),
                                std::filesystem::path(backup.toStdU16String()), ec);
        if (ec)
            throw ArchiveError(
                QStringLiteral("Das Archiv kann nicht gesichert werden: %1").arg(QDir::toNativeSeparators(backup)));
    }
    UpdateResult result = updateArchive(archive, options, run, fetched);
    if (!result.failure.isEmpty() && QFileInfo::exists(backup))
        result.failure +=
            QStringLiteral(". Das bisherige Archiv ist als %1 erhalten.").arg(QFileInfo(backup).fileName());
    return result;
}

} // namespace razoz
