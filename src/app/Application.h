#pragma once

#include "Startup.h"

#include <QString>

class QApplication;
class QWidget;
namespace data { class TDM; }

namespace app {

// Reads the program's own options; unknown ones are ignored.
Options parseOptions(const QStringList &arguments);

// Puts every window of the window list in the window registry, to be made
// (as children of PARENT) the first time it is asked for and kept after.
void registerWindows(data::TDM *dm, QWidget *parent);

// The program: start-up, then the event loop. QApplication must exist.
int run(QApplication &application);

// Milliseconds since the process began, for the start-up trace.
qint64 sinceProcessStart();
// Writes "quelvora: EVENT t=MS" to stderr when QUELVORA_TRACE_STARTUP is set.
void trace(const char *event);

} // namespace app
