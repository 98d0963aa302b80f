#include "ui/long_action_runner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QWidget>

namespace razoz {

namespace {
constexpr int kStatusIntervalMs = 33; // about 30 repaints a second
} // namespace

// A call from the worker waiting for the window's thread. `started`: it is on its way (a dialog may
// be on screen), so a closing window can no longer answer it in its place.
struct LongActionRunner::WindowCall {
    std::mutex mutex;
    std::condition_variable answered;
    bool started = false;
    bool done = false;
    bool ran = false;
};

// The run control of a worker: no events to let through on its own thread, the stop is the
// runner's flag, the texts go to the window as queued calls.
class LongActionRunner::WorkerRun : public RunControl {
public:
    explicit WorkerRun(LongActionRunner& runner) : runner_(runner) {}
    void yield() override {}
    bool stopRequested() const override { return runner_.stop_; }
    void status(int panel, const QString& text) override { runner_.postStatus(panel, text); }

private:
    LongActionRunner& runner_;
};

// The run control of an action on the window's thread: texts and events at most about 30 times a
// second, the stop is the runner's flag.
class LongActionRunner::HereRun : public RunControl {
public:
    explicit HereRun(LongActionRunner& runner)
        : runner_(runner), window_({runner.showStatus_, [] { QCoreApplication::processEvents(); }})
    {
    }
    void yield() override { window_.yield(); }
    bool stopRequested() const override { return runner_.stop_; }
    void status(int panel, const QString& text) override { window_.status(panel, text); }
    void flush() { window_.flush(); }

private:
    LongActionRunner& runner_;
    ThrottledRunControl window_;
};

// The questions of an action, asked by the window's prompt on the window's thread; once the
// window closes, each is answered with Cancel/No without being shown.
class LongActionRunner::QueuedPrompt : public Prompt {
public:
    QueuedPrompt(LongActionRunner& runner, Prompt& window) : runner_(runner), window_(window) {}

    void information(const QString& text, const QString& caption) override
    {
        runner_.onWindow([&w = window_, text, caption] { w.information(text, caption); });
    }
    void error(const QString& text) override
    {
        runner_.onWindow([&w = window_, text] { w.error(text); });
    }
    bool question(const QString& caption, const QString& text) override
    {
        return runner_.onWindow<bool>([&w = window_, caption, text] { return w.question(caption, text); }, false);
    }
    std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString& value) override
    {
        return runner_.onWindow<std::optional<QString>>(
            [&w = window_, caption, prompt, value] { return w.inputText(caption, prompt, value); }, std::nullopt);
    }
    QString openFileName(const QString& caption, const QString& filter, const QString& folder) override
    {
        return runner_.onWindow<QString>(
            [&w = window_, caption, filter, folder] { return w.openFileName(caption, filter, folder); }, QString());
    }
    QString saveFileName(const QString& caption, const QString& filter, const QString& defaultSuffix,
                         const QString& proposedPath) override
    {
        return runner_.onWindow<QString>(
            [&w = window_, caption, filter, defaultSuffix, proposedPath] {
                return w.saveFileName(caption, filter, defaultSuffix, proposedPath);
            },
            QString());
    }

private:
    LongActionRunner& runner_;
    Prompt& window_;
};

LongActionRunner::LongActionRunner(Prompt& windowPrompt, ShowStatus showStatus, QObject* parent)
    : QObject(parent), windowPrompt_(windowPrompt), showStatus_(std::move(showStatus))
{
    statusTimer_.setSingleShot(true);
    connect(&statusTimer_, &QTimer::timeout, this, &LongActionRunner::flushStatus);
}

LongActionRunner::~LongActionRunner()
{
    if (!worker_) return;
    if (shutdown()) return;
    // A question still on screen as the runner goes: nobody will answer it any more.
    {
        const std::lock_guard lock(mutex_);
        if (pending_) {
            const std::lock_guard callLock(pending_->mutex);
            pending_->done = true;
            pending_->answered.notify_all();
        }
    }
    worker_->wait();
}

bool LongActionRunner::begin(const QList<const QObject*>& stoppers)
{
    if (busy_ || closing_) return false; // a click that slipped through while another action runs
    busy_ = true;
    stop_ = false;
    statusShown_ = {};
    statusClock_.invalidate();
    if (onBusyChanged) onBusyChanged(true, stoppers);
    return true;
}

void LongActionRunner::end()
{
    busy_ = false;
    if (onBusyChanged) onBusyChanged(false, {});
}

bool LongActionRunner::start(Job job, std::function<void()> done, QList<const QObject*> stoppers)
{
    if (!begin(stoppers)) return false;
    done_ = std::move(done);
    // Everything the worker is given exists before it starts and outlives it.
    workerRun_ = std::make_unique<WorkerRun>(*this);
    workerPrompt_ = std::make_unique<QueuedPrompt>(*this, windowPrompt_);
    const quint64 generation = ++generation_;
    worker_.reset(QThread::create(
        [job = std::move(job), run = workerRun_.get(), prompt = workerPrompt_.get()] { job(*run, *prompt); }));
    connect(worker_.get(), &QThread::finished, this, [this, generation] { workerEnded(generation); });
    worker_->start();
    return true;
}

void LongActionRunner::workerEnded(quint64 generation)
{
    if (!worker_ || generation != generation_) return; // already ended by shutdown()
    worker_->wait();
    worker_.reset();
    workerRun_.reset();
    workerPrompt_.reset();
    flushStatus();
    end();
    const std::function<void()> done = std::move(done_);
    done_ = {};
    if (done && !closing_) done();
    closing_ = false; // the window's close is through or was refused: the next run asks again
    emit finished();
}

void LongActionRunner::waitUntilIdle()
{
    if (!busy_) return;
    QEventLoop loop;
    connect(this, &LongActionRunner::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

bool LongActionRunner::runHere(const Job& job, QList<const QObject*> stoppers)
{
    if (!begin(stoppers)) return false;
    HereRun run(*this);
    QueuedPrompt prompt(*this, windowPrompt_);
    job(run, prompt);
    run.flush();
    end();
    closing_ = false;
    emit finished();
    return true;
}

bool LongActionRunner::shutdownFor(QWidget* window)
{
    if (!busy_ || shutdown()) return true;
    if (!closeAfterRun_) {
        closeAfterRun_ = true;
        connect(
            this, &LongActionRunner::finished, window,
            [this, window] {
                closeAfterRun_ = false;
                window->close();
            },
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    return false;
}

bool LongActionRunner::callOnWindow(std::function<void()> f)
{
    if (QThread::currentThread() == thread()) {
        if (closing_) return false;
        f();
        return true;
    }
    auto call = std::make_shared<WindowCall>();
    {
        const std::lock_guard lock(mutex_);
        if (closing_) return false;
        pending_ = call;
    }
    QMetaObject::invokeMethod(
        this,
        [call, f = std::move(f)] {
            {
                const std::lock_guard lock(call->mutex);
                if (call->done) return; // the window closed first
                call->started = true;
            }
            f();
            const std::lock_guard lock(call->mutex);
            call->done = call->ran = true;
            call->answered.notify_all();
        },
        Qt::QueuedConnection);
    bool ran = false;
    {
        std::unique_lock lock(call->mutex);
        call->answered.wait(lock, [&call] { return call->done; });
        ran = call->ran;
    }
    const std::lock_guard lock(mutex_);
    pending_.reset();
    return ran;
}

bool LongActionRunner::shutdown()
{
    if (!busy_) return true;
    bool onScreen = false;
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
        if (pending_) {
            const std::lock_guard callLock(pending_->mutex);
            onScreen = pending_->started && !pending_->done;
            if (!pending_->started && !pending_->done) {
                pending_->done = true;
                pending_->answered.notify_all();
            }
        }
    }
    stop_ = true;
    if (!worker_) return !busy_;
    if (onScreen) return false;
    worker_->wait();
    workerEnded(generation_);
    return true;
}

void LongActionRunner::postStatus(int panel, const QString& text)
{
    if (panel != 0 && panel != 1) return;
    const std::lock_guard lock(mutex_);
    statusPending_[std::size_t(panel)] = text;
    if (statusPosted_) return; // the window shows the newest text when it gets to it
    statusPosted_ = true;
    QMetaObject::invokeMethod(
        this, [this] { showPendingStatus(); }, Qt::QueuedConnection);
}

void LongActionRunner::showPendingStatus()
{
    if (statusClock_.isValid() && statusClock_.elapsed() < kStatusIntervalMs) {
        if (!statusTimer_.isActive()) statusTimer_.start(int(kStatusIntervalMs - statusClock_.elapsed()));
        return;
    }
    flushStatus();
}

void LongActionRunner::flushStatus()
{
    statusTimer_.stop();
    std::array<std::optional<QString>, 2> texts;
    {
        const std::lock_guard lock(mutex_);
        texts.swap(statusPending_);
        statusPosted_ = false;
    }
    statusClock_.restart();
    for (std::size_t panel = 0; panel < texts.size(); ++panel) {
        if (!texts[panel] || *texts[panel] == statusShown_[panel]) continue;
        statusShown_[panel] = *texts[panel];
        if (showStatus_) showStatus_(int(panel), statusShown_[panel]);
    }
}

} // namespace razoz
