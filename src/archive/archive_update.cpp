#include "archive/archive_update.h"

#include "archive/dates.h"
#include "archive/results_answer.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>
#include <filesystem>

namespace razoz {

double nextUpdateDay(double date)
{
    switch (weekdayOf(date)) {
    case Thursday: return date + 2;
    case Saturday: return date + 5;
    case Sunday: return date + 4;
    case Monday: return date + 3;
    case Tuesday: return date + 2;
    case Wednesday: return date + 1;
    case Friday: return date + 1;
    default: return date + 1; // no valid date: still advance
    }
}

struct ResultsClient::Impl {
    QNetworkAccessManager nam;
    QUrl base;
    int timeoutMs = 0;
    qint64 maxBody = 0;
};

namespace {

QUrl serverBase(const QString& text)
{
    QString t = text.trimmed();
    if (!t.contains(QLatin1String("://"))) t.prepend(QLatin1String("http://"));
    QUrl url(t, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        throw TransportFailure{QStringLiteral("Ungültige Serveradresse: „%1“").arg(text)};
    return url;
}

// Failures of the connection itself, as opposed to an HTTP answer with an error status.
bool isTransportError(QNetworkReply::NetworkError e)
{
    const int code = int(e);
    return (code >= 1 && code < 200) || e == QNetworkReply::ProtocolUnknownError || e == QNetworkReply::ProtocolFailure;
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
    const QString host = options.proxyHost.trimmed();
    if (host.isEmpty()) {
        d_->nam.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    } else {
        bool ok = false;
        const int port = options.proxyPort.trimmed().toInt(&ok);
        if (!ok || port < 1 || port > 65535)
            throw TransportFailure{
                QStringLiteral("Der Proxy-Port „%1“ ist keine gültige Portnummer").arg(options.proxyPort)};
        d_->nam.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, host, quint16(port)));
    }
}

ResultsClient::~ResultsClient() = default;

QString ResultsClient::urlFor(double date) const
{
    QUrl url = d_->base;
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    url.setPath(path + QStringLiteral("/zahlen/lotto_neu.asp"));
    url.setQuery(QStringLiteral("Programm=Dovovuduv&Datum=") + fromDays(date).toString(QStringLiteral("yyyyMMdd")));
    return url.toString(QUrl::FullyEncoded);
}

HttpAnswer ResultsClient::get(double date)
{
    QNetworkRequest request{QUrl(urlFor(date))};
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);

    std::unique_ptr<QNetworkReply> reply(d_->nam.get(request));
    QByteArray body;
    bool timedOut = false, tooLarge = false;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        timedOut = true;
        reply->abort();
    });
    auto refuseLarge = [&] {
        tooLarge = true;
        reply->abort();
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > d_->maxBody) refuseLarge();
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, [&] {
        body += reply->read(d_->maxBody + 1 - body.size());
        if (body.size() > d_->maxBody) refuseLarge();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(d_->timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    if (!tooLarge && !timedOut && reply->isOpen()) body += reply->read(d_->maxBody + 1 - body.size());

    const QString where = QUrl(urlFor(date)).toString(QUrl::RemoveQuery | QUrl::RemovePath);
    if (tooLarge || body.size() > d_->maxBody)
        throw TransportFailure{
            QStringLiteral("Die Antwort von %1 ist zu groß (über %2 Bytes)").arg(where).arg(d_->maxBody)};
    if (timedOut)
        throw TransportFailure{QStringLiteral("Zeitüberschreitung: %1 hat nicht innerhalb von %2 s geantwortet")
                                   .arg(where)
                                   .arg(d_->timeoutMs / 1000.0)};
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (reply->error() != QNetworkReply::NoError && (!status.isValid() || isTransportError(reply->error())))
        throw TransportFailure{QStringLiteral("Keine Antwort von %1: %2").arg(where, reply->errorString())};
    // A connection that breaks off mid-body may still end without an error: an answer shorter than
    // its announced length is cut off, and taking it would lose the draws it lacks for good.
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    if (length.isValid() && (encoding.isEmpty() || encoding == "identity") && body.size() < length.toLongLong())
        throw TransportFailure{QStringLiteral("Keine Antwort von %1: die Antwort bricht nach %2 von %3 Bytes ab")
                                   .arg(where)
                                   .arg(body.size())
                                   .arg(length.toLongLong())};
    HttpAnswer answer;
    answer.status = status.toInt();
    answer.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    answer.body = body;
    return answer;
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
            answer = client->get(date);
        } catch (const TransportFailure& f) {
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

std::optional<UpdateResult> rebuildArchive(DrawArchive& archive, const UpdateOptions& options, Prompt& prompt,
                                           RunControl& run, const DrawFetched& fetched)
{
    const QString text = QStringLiteral("Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem ") +
                         formatDate(options.pickerDate) + QStringLiteral(" aus dem Internet neu aufbauen??");
    if (!prompt.question(QStringLiteral("Ziehungsdaten löschen?"), text)) return std::nullopt;
    archive.close();
    const QString backup = QFileInfo(archive.path()).dir().filePath(kBackupFileName);
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
        result.failure += QStringLiteral(". Das bisherige Archiv ist als %1 erhalten.").arg(kBackupFileName);
    return result;
}

} // namespace razoz
