// Archive maintenance: a full rebuild against razoz-server on 127.0.0.1, and reading in the shipped CSV.
#include "archive/archive_update.h"
#include "archive/dates.h"
#include "archive/draw_csv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

using namespace razoz;

namespace {

QString binDir()
{
    return QCoreApplication::applicationDirPath();
}

// razoz-server from beside this program, answering from the shipped CSV; its log goes to a file.
class Server {
public:
    Server()
    {
        process_.setStandardErrorFile(dir_.filePath("server.log"));
        process_.start(QDir(binDir()).filePath("razoz-server"), {"--port", "0"});
        process_.waitForStarted();
        for (int i = 0; i < 500 && port_ == 0; ++i) {
            QFile f(dir_.filePath("server.log"));
            if (f.open(QIODevice::ReadOnly) && f.readLine().contains('\n')) {
                f.seek(0);
                port_ = QString::fromUtf8(f.readLine()).section(':', -1).section(' ', 0, 0).toInt();
            }
            if (!port_) QThread::msleep(10);
        }
    }
    ~Server()
    {
        process_.terminate();
        process_.waitForFinished();
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }
    bool ok() const { return port_ > 0; }

private:
    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
};

void BM_FullRebuild(benchmark::State& state)
{
    Server server;
    if (!server.ok()) {
        state.SkipWithError("razoz-server did not start");
        return;
    }
    std::int64_t requests = 0;
    for (auto _ : state) {
        QTemporaryDir dir;
        DrawArchive archive(dir.filePath("dovovuduv.dat"));
        UpdateOptions o;
        o.serverUrl = server.url();
        o.pickerDate = kEarliestDrawDay;
        o.today = today();
        QuietRunControl run;
        const UpdateResult r = updateArchive(archive, o, run);
        if (!r.failure.isEmpty()) state.SkipWithError(qPrintable(r.failure));
        requests += std::int64_t(r.requests.size());
    }
    state.counters["requests_per_s"] = benchmark::Counter(double(requests), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullRebuild)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ImportShippedCsv(benchmark::State& state)
{
    const QString csv = QDir(binDir()).filePath("draws.csv");
    for (auto _ : state) {
        QTemporaryDir dir;
        DrawArchive archive(dir.filePath("dovovuduv.dat"));
        benchmark::DoNotOptimize(importResultsCsv(archive, csv).records);
    }
}
BENCHMARK(BM_ImportShippedCsv)->Unit(benchmark::kMillisecond);

} // namespace
