#pragma once
// Bringing the archive up to date from the draw-results server, one draw day per request
// ("&Datenbank aktualisieren", "Datenbank neu anlegen").
#include "archive/current_draw.h"
#include "archive/draw_archive.h"
#include "archive/http_get.h"
#include "base/prompt.h"
#include "base/run_control.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace razoz {

inline const QString kDisclaimer = QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!");
inline const QString kBackupFileName = QStringLiteral("dovovuduv.dat.bak");

struct UpdateOptions {
    QString serverUrl;     // "ServerURL", e.g. "http://127.0.0.1:8049"
    QString proxyHost;     // ProxyHostEdit; empty: no proxy
    QString proxyPort;     // ProxyPortEdit, a whole number when a host is given
    double pickerDate = 0; // DateTimePicker1: where an archive without a last date starts
    double today = 0;      // no request for a later day
    int timeoutMs = 15000; // for each request as a whole
    qint64 maxBodyBytes = 1024 * 1024;
};

// The HTTP client of the update: one connection reused across requests, cookies kept, no redirects
// followed. get() waits in a local event loop that lets no user input through; create and use it
// on one thread (its network access belongs to the thread that made it).
class ResultsClient {
public:
    // Throws TransportFailure for an unusable server address or proxy port.
    explicit ResultsClient(const UpdateOptions& options);
    ~ResultsClient();
    ResultsClient(const ResultsClient&) = delete;
    ResultsClient& operator=(const ResultsClient&) = delete;

    // Throws TransportFailure; with `stop`, a stop request aborts the request at once.
    HttpAnswer get(double date, const RunControl* stop = nullptr);
    QString urlFor(double date) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

struct UpdateRequestLog {
    double date = 0;
    int status = 0;
    int appended = 0;
};

struct UpdateResult {
    std::vector<UpdateRequestLog> requests;
    double pickerDate = 0; // DateTimePicker1 afterwards: the window selects the draw for it
    std::optional<CurrentDraw> lastFetched;
    bool stopped = false;
    QString failure; // set when a transport failure ended the update
    qint64 records = 0;
};

// Called for every appended draw (the window shows it in Label29, Label13 and Label35).
using DrawFetched = std::function<void(const CurrentDraw&)>;

// The update loop: status texts and the stop request go through `run`; the archive is created with
// the first draw when missing and is open only while records are appended. ArchiveError for a
// failure of the archive itself; transport failures end the loop and are returned in `failure`.
UpdateResult updateArchive(DrawArchive& archive, const UpdateOptions& options, RunControl& run,
                           const DrawFetched& fetched = {});

// Where a rebuild keeps the archive: "dovovuduv.dat.bak", unless that holds more draws than the
// archive — then the first of "dovovuduv.dat.bak.1", ".2", … that is free or holds no more.
QString backupPathFor(const QString& archivePath);

// Asks first; on Yes keeps the archive as "dovovuduv.dat.bak" and rebuilds from the draw day after
// options.pickerDate. nullopt when the user said No (nothing changed).
std::optional<UpdateResult> rebuildArchive(DrawArchive& archive, const UpdateOptions& options, Prompt& prompt,
                                           RunControl& run, const DrawFetched& fetched = {});

} // namespace razoz
