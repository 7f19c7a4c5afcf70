#pragma once

#include <functional>

namespace app {

// Ends the program in an orderly way on SIGTERM, SIGINT and SIGHUP (a
// desktop session closing, Ctrl+C), so the database connection is closed
// properly. Call it first, before the database is opened: it blocks those
// signals for every thread started later and waits for them in its own.
// onTerminate ends the program the way the user would (without the exit
// question); it is kept from the first call that gives one. Before one is
// given (during start-up) a termination signal ends the process at once.
void installTerminationHandler(std::function<void()> onTerminate = {});

// The blocking part alone, for the very start of main(), before any thread
// (Qt's own included) exists.
void blockTerminationSignals();

} // namespace app
