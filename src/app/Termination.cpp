#include "Termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <pthread.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace app {

namespace {

int s_pipe[2] = {-1, -1};
std::function<void()> s_onTerminate;

sigset_t terminationSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&set, sig);
    return set;
}

} // namespace

void blockTerminationSignals()
{
    if (s_pipe[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, s_pipe) != 0)
        return;
    // The signals are blocked in this thread, and so in every thread started
    // after it (the database engine's among them), and one thread of ours
    // waits for them. The engine's own handlers never run, and none of its
    // waits is cut short by a signal, which once left it spinning at detach.
    const sigset_t set = terminationSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    std::thread([set] {
        int sig = 0;
        while (sigwait(&set, &sig) == 0) {
            const char c = 1;
            [[maybe_unused]] const ssize_t n = ::write(s_pipe[1], &c, 1);
        }
    }).detach();
}

void installTerminationHandler(std::function<void()> onTerminate)
{
    static bool listening = false;
    if (onTerminate)
        s_onTerminate = std::move(onTerminate);
    blockTerminationSignals();
    if (listening || s_pipe[0] < 0)
        return;
    listening = true;
    auto *notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char c;
        [[maybe_unused]] const ssize_t n = ::read(s_pipe[0], &c, 1);
        if (s_onTerminate) {
            s_onTerminate();
        } else {
            // Still starting (splash, login): nothing is pending, since every
            // change is committed when it is made. End the process here.
            ::_exit(0);
        }
    });
}

} // namespace app
