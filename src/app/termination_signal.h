#pragma once
// A request to end from outside (SIGTERM at logout or from `kill`, SIGINT from a terminal) closes
// the program the way its own close does, so the settings are written; a second request ends it
// at once.
#include <QObject>

#include <functional>

namespace razoz {

// Calls `close` from the event loop when the first such signal arrives; `context` owns the watch.
// Does nothing where the platform has no such signals.
void closeOnTerminationSignal(QObject* context, std::function<void()> close);

} // namespace razoz
