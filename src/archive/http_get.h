#pragma once
// One GET as the program makes it towards its servers: the proxy of "Internet-Optionen", the
// same headers, no redirect followed, a time-out for the whole request, a bounded body, and an
// answer cut off before its announced length taken as no answer at all.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;

namespace razoz {

class RunControl;

// A GET that could not be answered: refused, timed out, cut off, too large, bad proxy.
struct TransportFailure {
    QString message;
    bool stopped = false; // the user's stop aborted the request
};

struct HttpAnswer {
    int status = 0;
    QString reason;
    QByteArray body;
    QDateTime lastModified; // UTC; invalid when the answer has none
};

// The proxy fields applied to `nam`: an empty host means no proxy. TransportFailure for a port
// that is no number 1..65535.
void applyProxy(QNetworkAccessManager& nam, const QString& host, const QString& port);

// A server address as typed ("127.0.0.1:8049" gets "http://"): http or https with a host, else
// TransportFailure with `invalid` (its %1 is the text).
QUrl webBaseAddress(const QString& text, const QString& invalid);

// Waits in a local event loop that lets no user input through (on a worker thread there is none to
// keep out). TransportFailure when no whole answer came; with `stop`, a stop request aborts the
// request at once (TransportFailure with `stopped`), however long the server keeps it.
HttpAnswer httpGet(QNetworkAccessManager& nam, const QUrl& url, int timeoutMs, qint64 maxBodyBytes,
                   const RunControl* stop = nullptr);

} // namespace razoz
