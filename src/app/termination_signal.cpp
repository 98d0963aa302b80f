#include "app/termination_signal.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace razoz {

#ifdef Q_OS_UNIX
namespace {

int wakeFds[2] = {-1, -1};

// A signal handler may only do async-signal-safe work: it wakes the event loop and steps aside,
// so that a second signal takes its default action.
void onSignal(int signal)
{
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(wakeFds[0], &byte, 1);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}

} // namespace

void closeOnTerminationSignal(QObject* context, std::function<void()> close)
{
    if (wakeFds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeFds) != 0) return;
    auto* notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [notifier, close = std::move(close)] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(wakeFds[1], &byte, 1);
        notifier->setEnabled(false);
        close();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
#else
void closeOnTerminationSignal(QObject*, std::function<void()>) {}
#endif

} // namespace razoz
