#pragma once

#include <QVector>

class QWidget;
namespace data { class TDM; }

namespace app {

// One window of the run: its name and how to make it when first opened.
struct WindowEntry
{
    const char *className;
    QWidget *(*create)(data::TDM *dm, QWidget *parent);
};

// Every window of the program. Start-up only registers them; each is made
// the first time it is asked for and kept for the run.
const QVector<WindowEntry> &windowList();

} // namespace app
