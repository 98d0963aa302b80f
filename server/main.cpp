// razoz-server: the draw-results service (and the program's web service) on cpp-httplib.
#include "app/program_folder.h"
#include "app/version.h"
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "archive/draw_csv.h"
#include "archive/results_answer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>

using namespace razoz;

namespace {

const char* kUsage = "usage: razoz-server [--host 127.0.0.1] [--port 8049] [--csv FILE | --archive FILE]\n"
                     "                    [--order-base TEXT] [--scripts DIR]\n"
                     "       razoz-server --version | --help\n"
                     "  --port 0 picks a free port; the port is printed on the first line of stderr.\n";

struct UsageError {
    QString message;
};

// The draws the service answers from. A results file is read again when it changes on disk, so
// newer results are served without a restart — but only a finished file: one that has been quiet
// for a moment, keeps its size and time across the read, parses completely and still holds draws.
// Anything else (a file being rewritten in place) leaves the last good table in service, and a
// later request tries again; a draw once served is never answered as "not published" meanwhile.
class ResultsTable {
public:
    ResultsTable(QString path, bool csv) : path_(std::move(path)), csv_(csv) { reloadIfChanged(); }

    // The answer lines of a day, empty when it has no draw.
    QByteArray answerFor(double date)
    {
        std::lock_guard lock(mutex_);
        try {
            reloadIfChanged();
        } catch (const ArchiveError& e) {
            std::fprintf(stderr, "razoz-server: %s (answering from the data read before)\n", e.what());
        }
        const auto it = byDate_.find(date);
        if (it == byDate_.end()) return {};
        return answerLines(it->second.records, it->second.firstNumber);
    }
    std::size_t draws() const { return count_; }

private:
    struct Stamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified{};
        bool operator==(const Stamp&) const = default;
    };
    Stamp stamp() const
    {
        const std::filesystem::path p(path_.toStdU16String());
        std::error_code ec;
        Stamp s;
        s.size = std::filesystem::file_size(p, ec);
        if (!ec) s.modified = std::filesystem::last_write_time(p, ec);
        if (ec) throw ArchiveError(QStringLiteral("Die Datei kann nicht geöffnet werden: %1").arg(path_));
        return s;
    }

    void reloadIfChanged()
    {
        const Stamp before = stamp();
        if (loaded_ && before == stamp_) return;
        // A file written to just now may still be in the middle of its rewrite.
        if (loaded_ && std::filesystem::file_time_type::clock::now() - before.modified < kQuietTime) return;
        std::vector<DrawRecord> records;
        if (csv_) {
            records = readResultsCsv(path_);
        } else {
            DrawArchive archive(path_);
            records = archive.readAll();
        }
        if (stamp() != before) return; // changed while it was read
        if (loaded_ && records.empty() && count_ > 0) {
            std::fprintf(stderr, "razoz-server: %s holds no draw (answering from the data read before)\n",
                         qPrintable(path_));
            stamp_ = before;
            return;
        }
        std::map<double, Day> byDate;
        int number = 1;
        for (const auto& r : records) {
            Day& day = byDate[r.date];
            if (day.records.empty()) day.firstNumber = number;
            day.records.push_back(r);
            ++number;
        }
        byDate_ = std::move(byDate);
        count_ = records.size();
        stamp_ = before;
        loaded_ = true;
    }

    struct Day {
        int firstNumber = 1;
        std::vector<DrawRecord> records;
    };
    QString path_;
    bool csv_;
    std::mutex mutex_;
    std::map<double, Day> byDate_;
    std::size_t count_ = 0;
    Stamp stamp_;
    bool loaded_ = false;
    static constexpr std::chrono::milliseconds kQuietTime{250};
};

QString httpDate(const QDateTime& t)
{
    return QLocale::c().toString(t.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
}

void text(httplib::Response& res, int status, const std::string& body)
{
    res.status = status;
    res.set_content(body, "text/plain; charset=us-ascii");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString host = QStringLiteral("127.0.0.1"), csv, archive, orderBase, scripts;
    int port = 8049;
    bool haveOrderBase = false;
    try {
        for (int i = 0; i < args.size(); ++i) {
            const QString& a = args[i];
            auto value = [&]() -> QString {
                if (i + 1 >= args.size()) throw UsageError{a + QStringLiteral(" needs a value")};
                return args[++i];
            };
            if (a == QLatin1String("--host"))
                host = value();
            else if (a == QLatin1String("--port")) {
                bool ok = false;
                port = value().toInt(&ok);
                if (!ok || port < 0 || port > 65535) throw UsageError{QStringLiteral("--port needs 0..65535")};
            } else if (a == QLatin1String("--csv"))
                csv = value();
            else if (a == QLatin1String("--archive"))
                archive = value();
            else if (a == QLatin1String("--order-base")) {
                orderBase = value();
                haveOrderBase = true;
            } else if (a == QLatin1String("--scripts"))
                scripts = value();
            else if (a == QLatin1String("--version")) {
                std::printf("razoz-server %s\n", kVersion);
                return 0;
            } else if (a == QLatin1String("--help")) {
                std::fputs(kUsage, stdout);
                return 0;
            } else
                throw UsageError{QStringLiteral("unknown option: ") + a};
        }
        if (!csv.isEmpty() && !archive.isEmpty())
            throw UsageError{QStringLiteral("--csv and --archive exclude each other")};
    } catch (const UsageError& e) {
        std::fprintf(stderr, "razoz-server: %s\n%s", qPrintable(e.message), kUsage);
        return 2;
    }
    if (csv.isEmpty() && archive.isEmpty()) {
        // The shipped results: beside the binary in the build tree, in the data folder when installed.
        const QString exe = QCoreApplication::applicationDirPath();
        const QString installed = razoz::installedDataFolder(exe);
        csv = QDir(installed.isEmpty() ? exe : installed).filePath("draws.csv");
    }

    std::unique_ptr<ResultsTable> table;
    try {
        table = std::make_unique<ResultsTable>(archive.isEmpty() ? csv : archive, archive.isEmpty());
    } catch (const ArchiveError& e) {
        std::fprintf(stderr, "razoz-server: %s\n", e.what());
        return 1;
    }

    httplib::Server server;
    // One small answer per request, many in a row on one connection: no waiting for Nagle.
    server.set_tcp_nodelay(true);
    server.set_keep_alive_max_count(1000000);
    server.set_keep_alive_timeout(30);

    server.Get(razoz::kResultsPath, [&](const httplib::Request& req, httplib::Response& res) {
        const auto day = razoz::resultsQueryDay(QString::fromStdString(req.get_param_value("Programm")),
                                                QString::fromStdString(req.get_param_value("Datum")));
        if (!day) return text(res, 400, "Programm=Dovovuduv&Datum=yyyymmdd\r\n");
        const QByteArray lines = table->answerFor(*day);
        if (lines.isEmpty()) return text(res, 500, "");
        text(res, 200, lines.toStdString());
    });

    server.Get("/lotto/lotto.asp", [&](const httplib::Request& req, httplib::Response& res) {
        bool ok = false;
        const int rows = QString::fromStdString(req.get_param_value("Tipps")).toInt(&ok);
        if (req.get_param_value("Spiel") != "Razoz" || req.get_param_value("Wo") != "Tipp24" || !ok || rows < 1 ||
            rows > 12)
            return text(res, 400, "Spiel=Razoz&Wo=Tipp24&Tipps=1..12\r\n");
        if (!haveOrderBase) return text(res, 404, "");
        text(res, 200, orderBase.toStdString());
    });

    server.Get(R"(/scripts/([^/\\]+)\.txt)", [&](const httplib::Request& req, httplib::Response& res) {
        const QString name = QString::fromStdString(req.matches[1].str()) + QStringLiteral(".txt");
        if (scripts.isEmpty() || name.startsWith(QLatin1Char('.')) || name.contains(QLatin1String("..")))
            return text(res, 404, "");
        const QDir dir(scripts);
        const QFileInfo file(dir.filePath(name));
        // Only a plain file directly inside the folder, also after links are resolved.
        if (!file.isFile() || QFileInfo(file.canonicalFilePath()).dir().canonicalPath() != dir.canonicalPath())
            return text(res, 404, "");
        QFile f(file.filePath());
        if (!f.open(QIODevice::ReadOnly)) return text(res, 404, "");
        res.set_header("Last-Modified", httpDate(file.lastModified()).toStdString());
        res.status = 200;
        res.set_content(f.readAll().toStdString(), "text/plain");
    });

    server.set_logger([](const httplib::Request& req, const httplib::Response& res) {
        std::fprintf(stderr, "%s %s %s %d %zu\n", req.remote_addr.c_str(), req.method.c_str(), req.target.c_str(),
                     res.status, res.body.size());
    });

    const std::string h = host.toStdString();
    int bound = port;
    if (port == 0)
        bound = server.bind_to_any_port(h);
    else if (!server.bind_to_port(h, port))
        bound = -1;
    if (bound <= 0) {
        std::fprintf(stderr, "razoz-server: cannot listen on %s:%d\n", h.c_str(), port);
        return 1;
    }
    std::fprintf(stderr, "razoz-server: listening on http://%s:%d (%zu draws)\n", h.c_str(), bound, table->draws());
    std::fflush(stderr);
    return server.listen_after_bind() ? 0 : 1;
}
