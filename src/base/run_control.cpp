#include "base/run_control.h"

namespace razoz {

void QuietRunControl::status(int panel, const QString& text)
{
    if (panel != 0 && panel != 1) return;
    last_[panel] = text;
    if (echo_) echo_(panel, text);
}

ThrottledRunControl::ThrottledRunControl(Window window, int intervalMs)
    : window_(std::move(window)), intervalMs_(intervalMs)
{
}

bool ThrottledRunControl::due()
{
    if (!clock_.isValid() || clock_.elapsed() >= intervalMs_) {
        clock_.restart();
        return true;
    }
    return false;
}

void ThrottledRunControl::yield()
{
    if (!due()) return;
    flush();
    if (window_.processEvents) window_.processEvents();
}

void ThrottledRunControl::status(int panel, const QString& text)
{
    if (panel != 0 && panel != 1) return;
    pending_[panel] = text;
    // The first text of an action shows at once; later ones wait for the next yield.
    if (!clock_.isValid()) {
        clock_.start();
        flush();
    }
}

void ThrottledRunControl::flush()
{
    for (int panel = 0; panel < 2; ++panel) {
        if (pending_[panel] == shown_[panel]) continue;
        shown_[panel] = pending_[panel];
        if (window_.showStatus) window_.showStatus(panel, shown_[panel]);
    }
}

} // namespace razoz
