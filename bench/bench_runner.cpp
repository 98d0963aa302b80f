// The stop of a long action: from the click on the stop button to the end of the update, while
// the results server on 127.0.0.1 has taken the request and never answers it.
#include "archive/dates.h"
#include "http_server.h"
#include "synthetic_archive.h"
#include "ui/datenbank_actions.h"
#include "ui/long_action_runner.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace razoz;

namespace {

// Nobody answers: the update has nothing to ask.
class SilentPrompt : public Prompt {
public:
    void information(const QString&, const QString&) override {}
    void error(const QString&) override {}
    bool question(const QString&, const QString&) override { return false; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return std::nullopt; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override { return {}; }
};

bool waitFor(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > 10000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

void BM_StopStalledUpdate(benchmark::State& state)
{
    // Each request is held until the next round begins, long after the update has ended.
    std::atomic<int> round{0}, holding{0};
    test::HttpServer server([&](const httplib::Request&, httplib::Response& res) {
        const int mine = round;
        ++holding;
        while (round == mine) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        --holding;
        res.status = 500;
    });
    QTemporaryDir dir;
    const QString archive = dir.filePath(QStringLiteral("dovovuduv.dat"));
    {
        DrawArchive a(archive);
        a.createEmpty();
        a.append(test::syntheticArchive(4));
    }
    UpdateOptions options;
    options.serverUrl = server.url();
    options.today = toDays(QDate(2000, 1, 1));
    SilentPrompt prompt;
    LongActionRunner runner(prompt, [](int, const QString&) {});
    DatenbankActions actions([&] { return archive; }, [&] { return options; }, prompt, runner, [](double) {});

    for (auto _ : state) {
        ++round;
        actions.updateArchive();
        if (!waitFor([&] { return holding > 0; })) {
            state.SkipWithError("the request never reached the server");
            break;
        }
        QElapsedTimer clock;
        clock.start();
        actions.stopUpdate(); // what the stop button's click does
        if (!waitFor([&] { return !runner.busy(); })) {
            state.SkipWithError("the stop did not end the update");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    ++round;
}
BENCHMARK(BM_StopStalledUpdate)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
