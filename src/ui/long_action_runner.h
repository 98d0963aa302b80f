#pragma once
// The one runner of the window's long actions (archive update, rebuild, CSV import, archive search,
// the tip calculation and the analyses). One action at a time: while it runs, what could interfere
// is disabled in one place (onBusyChanged) and restored afterwards.
//
// An action started with start() runs on a worker thread: its progress texts reach the status bar
// as queued calls, at most about 30 times a second; its questions are asked on the window's thread
// while the worker waits for the answer; the stop is an atomic flag that a pending network request
// watches too. An action given to runHere() runs on the window's thread and lets events through
// whenever it reports progress (for actions that still read the window's controls as they go).
#include "base/prompt.h"
#include "base/run_control.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class QThread;
class QWidget;

namespace razoz {

class LongActionRunner : public QObject {
    Q_OBJECT
public:
    using ShowStatus = std::function<void(int panel, const QString& text)>;
    // The work of an action: progress and the stop through `run`, every question through `prompt`.
    using Job = std::function<void(RunControl& run, Prompt& prompt)>;

    // `windowPrompt` shows the questions; `showStatus` writes a panel of the status bar.
    LongActionRunner(Prompt& windowPrompt, ShowStatus showStatus, QObject* parent = nullptr);
    // Stops a running action and waits for it.
    ~LongActionRunner() override;

    // Called with true when an action starts (disable what could interfere, except `stoppers`,
    // which stop the run) and with false when it ends.
    std::function<void(bool running, const QList<const QObject*>& stoppers)> onBusyChanged;

    bool busy() const { return busy_; }
    // Runs `job` on a worker thread and returns at once; `done` follows on the window's thread
    // once the texts of the run are shown (not when the window closed meanwhile). False when
    // another action runs.
    bool start(Job job, std::function<void()> done = {}, QList<const QObject*> stoppers = {});
    // Runs `job` on the window's thread and returns when it ends. False when another action runs.
    bool runHere(const Job& job, QList<const QObject*> stoppers = {});

    // Lets events through until the running action (and its `done`) has ended.
    void waitUntilIdle();

    void requestStop() { stop_ = true; }
    bool stopRequested() const { return stop_; }

    // The window closes: a question not yet on screen is answered with Cancel/No, later ones are
    // not asked, the run is told to stop and a worker is waited for. False while the run still
    // unwinds on the window's thread (or a question of it is on screen); then finished() follows.
    bool shutdown();
    bool closing() const { return closing_; }
    // The same for `window`'s close: true when it may close now; otherwise the close is repeated
    // once the run has ended.
    bool shutdownFor(QWidget* window);

    // Runs `f` on the window's thread and, from a worker, waits for it. `cancelled` when the window
    // closes before `f` ran.
    template <class T> T onWindow(std::function<T()> f, T cancelled)
    {
        auto answer = std::make_shared<std::optional<T>>();
        if (!callOnWindow([answer, f = std::move(f)] { *answer = f(); }) || !*answer) return cancelled;
        return **answer;
    }
    // The same for a display step; false when it was skipped.
    bool onWindow(std::function<void()> f) { return callOnWindow(std::move(f)); }

signals:
    // After every action, once its `done` has run.
    void finished();

private:
    struct WindowCall;
    class WorkerRun;
    class HereRun;
    class QueuedPrompt;

    bool callOnWindow(std::function<void()> f);
    bool begin(const QList<const QObject*>& stoppers);
    void end();
    void workerEnded(quint64 generation);
    // Any thread: keeps the newest text of the panel and asks the window's thread to show it.
    void postStatus(int panel, const QString& text);
    void showPendingStatus();
    void flushStatus();

    Prompt& windowPrompt_;
    ShowStatus showStatus_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> closing_{false};
    bool busy_ = false;
    bool closeAfterRun_ = false; // a window's close waits for the run to unwind

    std::unique_ptr<QThread> worker_;
    std::unique_ptr<WorkerRun> workerRun_;
    std::unique_ptr<QueuedPrompt> workerPrompt_;
    std::function<void()> done_;
    quint64 generation_ = 0;

    std::mutex mutex_; // guards pending_, statusPending_, statusPosted_
    std::shared_ptr<WindowCall> pending_;
    std::array<std::optional<QString>, 2> statusPending_;
    bool statusPosted_ = false;
    std::array<QString, 2> statusShown_;
    QElapsedTimer statusClock_;
    QTimer statusTimer_;
};

} // namespace razoz
