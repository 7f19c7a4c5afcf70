#include "Termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace app {

namespace {

int s_pipe[2] = {-1, -1};
std::function<void()> s_onTerminate;

void onSignal(int)
{
    const char c = 1;
    // Only async-signal-safe work here: wake the event loop.
    [[maybe_unused]] const ssize_t n = ::write(s_pipe[1], &c, 1);
}

} // namespace

void installTerminationHandler(std::function<void()> onTerminate)
{
    if (onTerminate)
        s_onTerminate = std::move(onTerminate);
    if (s_pipe[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, s_pipe) != 0)
            return;
        auto *notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
            char c;
            [[maybe_unused]] const ssize_t n = ::read(s_pipe[0], &c, 1);
            if (s_onTerminate) {
                s_onTerminate();
            } else {
                // Still starting (splash, login): nothing is pending, since
                // every change is committed when it is made, and leaving
                // the nested start-up loops by exit() left the engine
                // spinning in its detach. End the process here.
                ::_exit(0);
            }
        });
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &action, nullptr);
}

} // namespace app
