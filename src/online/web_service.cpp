#include "online/web_service.h"

#include <QNetworkAccessManager>

namespace razoz {

namespace {

QUrl serviceBase(const QString& text)
{
    QUrl url = webBaseAddress(text, QStringLiteral("Ungültige Adresse des Abgabe-Service: „%1“"));
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    url.setPath(path);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
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
    applyProxy(nam, options.proxyHost, options.proxyPort);
    const HttpAnswer answer = httpGet(nam, url, options.timeoutMs, options.maxBodyBytes);
    return WebAnswer{answer.status, answer.body, answer.lastModified};
}

} // namespace razoz
