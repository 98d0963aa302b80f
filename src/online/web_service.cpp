#include "online/web_service.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace razoz {

namespace {

QUrl serviceBase(const QString& text)
{
    QString t = text.trimmed();
    if (!t.contains(QLatin1String("://"))) t.prepend(QLatin1String("http://"));
    QUrl url(t, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        throw TransportFailure{QStringLiteral("Ungültige Adresse des Abgabe-Service: „%1“").arg(text)};
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    url.setPath(path);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

bool isTransportError(QNetworkReply::NetworkError e)
{
    const int code = int(e);
    return (code >= 1 && code < 200) || e == QNetworkReply::ProtocolUnknownError || e == QNetworkReply::ProtocolFailure;
}

} // namespace

QString orderBaseRequestUrl(const QString& serviceAddress, int rowCount)
{
    QUrl url = serviceBase(serviceAddress);
    url.setPath(url.path() + QStringLiteral("/lotto/lotto.asp"));
    url.setQuery(QStringLiteral("Spiel=Razoz&Wo=Tipp24&Tipps=%1").arg(rowCount));
    return url.toString(QUrl::FullyEncoded);
}

QString scriptUpdateUrl(const QString& serviceAddress, const QString& scriptFileName)
{
    QUrl url = serviceBase(serviceAddress);
    // One segment: a "/", "?" or "#" in the name cannot reach another path or a query.
    const QString segment = QString::fromLatin1(QUrl::toPercentEncoding(scriptFileName + QStringLiteral(".txt")));
    url.setPath(url.path() + QStringLiteral("/scripts/") + segment, QUrl::StrictMode);
    return url.toString(QUrl::FullyEncoded);
}

WebAnswer webGet(const QString& address, const WebGetOptions& options)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        throw TransportFailure{QStringLiteral("Ungültige Adresse: „%1“").arg(address)};
    QNetworkAccessManager nam;
    const QString host = options.proxyHost.trimmed();
    if (host.isEmpty()) {
        nam.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    } else {
        bool ok = false;
        const int port = options.proxyPort.trimmed().toInt(&ok);
        if (!ok || port < 1 || port > 65535)
            throw TransportFailure{
                QStringLiteral("Der Proxy-Port „%1“ ist keine gültige Portnummer").arg(options.proxyPort)};
        nam.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, host, quint16(port)));
    }
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    // The answer of the service itself counts, never one it forwards to.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);

    std::unique_ptr<QNetworkReply> reply(nam.get(request));
    QByteArray body;
    bool timedOut = false, tooLarge = false;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    auto refuseLarge = [&] {
        tooLarge = true;
        reply->abort();
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > options.maxBodyBytes) refuseLarge();
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        body += reply->read(options.maxBodyBytes + 1 - body.size());
        if (body.size() > options.maxBodyBytes) refuseLarge();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(options.timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    if (!tooLarge && !timedOut && reply->isOpen()) body += reply->read(options.maxBodyBytes + 1 - body.size());

    const QString where = url.toString(QUrl::RemoveQuery | QUrl::RemovePath);
    if (tooLarge || body.size() > options.maxBodyBytes)
        throw TransportFailure{
            QStringLiteral("Die Antwort von %1 ist zu groß (über %2 Bytes)").arg(where).arg(options.maxBodyBytes)};
    if (timedOut)
        throw TransportFailure{QStringLiteral("Zeitüberschreitung: %1 hat nicht innerhalb von %2 s geantwortet")
                                   .arg(where)
                                   .arg(options.timeoutMs / 1000.0)};
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (reply->error() != QNetworkReply::NoError && (!status.isValid() || isTransportError(reply->error())))
        throw TransportFailure{QStringLiteral("Keine Antwort von %1: %2").arg(where, reply->errorString())};
    WebAnswer answer;
    answer.status = status.toInt();
    answer.body = body;
    answer.lastModified = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime().toUTC();
    return answer;
}

} // namespace razoz
