#pragma once

#include <QVector>

class QWidget;
namespace data { class TDM; }

namespace app {

// One window of the run, created once at start-up.
struct WindowEntry
{
    const char *className;
    QWidget *(*create)(data::TDM *dm, QWidget *parent);
};

// Every window the program creates at start-up, in creation order; the
// configuration window comes last because creating it connects and logs in.
const QVector<WindowEntry> &windowList();

} // namespace app
