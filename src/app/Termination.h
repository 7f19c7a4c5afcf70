#pragma once

#include <functional>

namespace app {

// Ends the event loop in an orderly way on SIGTERM, SIGINT and SIGHUP (a
// desktop session closing, Ctrl+C), so the database connection is closed
// properly. The database engine installs handlers of its own when it first
// attaches, which would swallow the signal; call again after connecting.
// onTerminate ends the program the way the user would (without the exit
// question); it is kept from the first call that gives one. Before one is
// given (during start-up) a termination signal ends the process at once.
void installTerminationHandler(std::function<void()> onTerminate = {});

} // namespace app
