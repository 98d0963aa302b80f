#include "archive/http_get.h"

#include "base/run_control.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace razoz {

namespace {

// Failures of the connection itself, as opposed to an HTTP answer with an error status.
bool isTransportError(QNetworkReply::NetworkError e)
{
    const int code = int(e);
    return (code >= 1 && code < 200) || e == QNetworkReply::ProtocolUnknownError || e == QNetworkReply::ProtocolFailure;
}

} // namespace

void applyProxy(QNetworkAccessManager& nam, const QString& host, const QString& port)
{
    const QString h = host.trimmed();
    if (h.isEmpty()) {
        nam.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        return;
    }
    bool ok = false;
    const int p = port.trimmed().toInt(&ok);
    if (!ok || p < 1 || p > 65535)
        throw TransportFailure{QStringLiteral("Der Proxy-Port „%1“ ist keine gültige Portnummer").arg(port)};
    nam.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, h, quint16(p)));
}

QUrl webBaseAddress(const QString& text, const QString& invalid)
{
    QString t = text.trimmed();
    if (!t.contains(QLatin1String("://"))) t.prepend(QLatin1String("http://"));
    QUrl url(t, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        throw TransportFailure{invalid.arg(text)};
    return url;
}

HttpAnswer httpGet(QNetworkAccessManager& nam, const QUrl& url, int timeoutMs, qint64 maxBodyBytes,
                   const RunControl* stop)
{
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    // The answer of the server asked counts, never one it forwards to.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);

    std::unique_ptr<QNetworkReply> reply(nam.get(request));
    QByteArray body;
    bool timedOut = false, tooLarge = false, stopped = false;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    // The stop is a flag set from the window's thread: looked at often enough that a stop during
    // a request that hangs ends it well within a tenth of a second.
    QTimer stopWatch;
    stopWatch.setInterval(10);
    QObject::connect(&stopWatch, &QTimer::timeout, &loop, [&] {
        if (!stop->stopRequested()) return;
        stopped = true;
        reply->abort();
    });
    auto refuseLarge = [&] {
        tooLarge = true;
        reply->abort();
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBodyBytes) refuseLarge();
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        body += reply->read(maxBodyBytes + 1 - body.size());
        if (body.size() > maxBodyBytes) refuseLarge();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (stop) stopWatch.start();
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    stopWatch.stop();
    if (!tooLarge && !timedOut && !stopped && reply->isOpen()) body += reply->read(maxBodyBytes + 1 - body.size());

    const QString where = url.toString(QUrl::RemoveQuery | QUrl::RemovePath);
    if (stopped) {
        TransportFailure failure{QStringLiteral("Abgebrochen: %1").arg(where)};
        failure.stopped = true;
        throw failure;
    }
    if (tooLarge || body.size() > maxBodyBytes)
        throw TransportFailure{
            QStringLiteral("Die Antwort von %1 ist zu groß (über %2 Bytes)").arg(where).arg(maxBodyBytes)};
    if (timedOut)
        throw TransportFailure{QStringLiteral("Zeitüberschreitung: %1 hat nicht innerhalb von %2 s geantwortet")
                                   .arg(where)
                                   .arg(timeoutMs / 1000.0)};
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (reply->error() != QNetworkReply::NoError && (!status.isValid() || isTransportError(reply->error())))
        throw TransportFailure{QStringLiteral("Keine Antwort von %1: %2").arg(where, reply->errorString())};
    // A connection that breaks off mid-body may still end without an error: an answer shorter than
    // its announced length is cut off, and taking it would lose what it lacks.
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
    answer.lastModified = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime().toUTC();
    return answer;
}

} // namespace razoz
