#pragma once
// Long actions (tip calculation, archive update, analyses) talk to the window through this
// interface: let events through, ask whether the user pressed stop, and show progress texts. The
// window's runner gives one to an action on a worker thread; razoz-cli and tests use their own.
// stopRequested() may be asked from any thread (a pending network request watches it).
#include <QElapsedTimer>
#include <QString>

#include <array>
#include <atomic>
#include <functional>

namespace razoz {

class RunControl {
public:
    virtual ~RunControl() = default;
    // Lets pending events through (a window repaints; the stop button can act).
    virtual void yield() = 0;
    // True once the user asked the running action to stop; safe from any thread.
    virtual bool stopRequested() const = 0;
    // Progress text for status panel 0 or 1.
    virtual void status(int panel, const QString& text) = 0;
};

// Runs without a window: never stops, remembers the last text of each panel and can echo texts.
class QuietRunControl : public RunControl {
public:
    explicit QuietRunControl(std::function<void(int, const QString&)> echo = {}) : echo_(std::move(echo)) {}
    void yield() override {}
    bool stopRequested() const override { return stop_; }
    void status(int panel, const QString& text) override;
    void requestStop() { stop_ = true; }
    QString lastStatus(int panel) const { return panel == 0 || panel == 1 ? last_[panel] : QString(); }

private:
    std::function<void(int, const QString&)> echo_;
    std::array<QString, 2> last_;
    std::atomic<bool> stop_{false};
};

// The window's run control: texts and event processing reach the window at most about 30 times a
// second, so a long action runs at full speed while the user sees the same. `flush()` shows the
// last texts at once (call it when the action ends).
class ThrottledRunControl : public RunControl {
public:
    struct Window {
        std::function<void(int, const QString&)> showStatus; // writes a panel of the status bar
        std::function<void()> processEvents;                 // lets pending events through
    };
    explicit ThrottledRunControl(Window window, int intervalMs = 33);

    void yield() override;
    bool stopRequested() const override { return stop_; }
    void status(int panel, const QString& text) override;
    void requestStop() { stop_ = true; }
    void flush();

private:
    bool due();
    Window window_;
    int intervalMs_;
    QElapsedTimer clock_;
    std::array<QString, 2> pending_, shown_;
    std::atomic<bool> stop_{false};
};

} // namespace razoz
