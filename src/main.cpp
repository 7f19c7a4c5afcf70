#include "app/Application.h"
#include "app/Termination.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Before any thread exists, so that every thread inherits the block.
    app::blockTerminationSignals();
    QApplication application(argc, argv);
    return app::run(application);
}
