#pragma once
// The program's own web service: the start of the portal order address and newer click scripts.
// One GET at a time through an optional proxy, with the update's headers and a time-out.
#include "archive/http_get.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>

namespace razoz {

struct WebGetOptions {
    QString proxyHost;     // empty: no proxy
    QString proxyPort;     // a whole number when a host is given
    int timeoutMs = 15000; // for the request as a whole
    qint64 maxBodyBytes = 1024 * 1024;
};

struct WebAnswer {
    int status = 0;
    QByteArray body;
    QDateTime lastModified; // UTC; invalid when the answer has none
};

// Waits in a local event loop that lets no user input through. TransportFailure when no answer
// came (refused, timed out, too large, a proxy port that is no number, a bad address).
WebAnswer webGet(const QString& url, const WebGetOptions& options);

// "<service>/lotto/lotto.asp?Spiel=Razoz&Wo=Tipp24&Tipps=R". TransportFailure for a service
// address that is not http or https.
QString orderBaseRequestUrl(const QString& serviceAddress, int rowCount);
// "<service>/scripts/<file name>.txt", the name encoded as one path segment.
QString scriptUpdateUrl(const QString& serviceAddress, const QString& scriptFileName);

} // namespace razoz
