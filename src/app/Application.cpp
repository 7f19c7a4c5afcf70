#include "Application.h"
#include "Termination.h"
#include "data/DataError.h"

#include "SingleInstance.h"
#include "core/AppPaths.h"
#include "widgets/Skin.h"
#include "Pictures.h"
#include "UnitPrincipal.h"
#include "UnitSplash.h"
#include "Unitconfgbd.h"
#include "WindowList.h"
#include "data/UnitDM.h"
#include "taxid/TCheckBase.h"
#include "widgets/KeyNavigation.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <thread>

#include <QScreen>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QPointer>

#include <cstdio>
#include <unistd.h>

namespace app {

namespace {

QString statusValue(const QByteArray &status, const char *key)
{
    for (const QByteArray &line : status.split('\n'))
        if (line.startsWith(key))
            return QString::fromLatin1(line.mid(qstrlen(key))).simplified();
    return {};
}

} // namespace

Options parseOptions(const QStringList &arguments)
{
    Options o;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--database") && i + 1 < arguments.size())
            o.database = arguments[++i];
        else if (a.startsWith(QLatin1String("--database=")))
            o.database = a.mid(11);
        else if (a == QLatin1String("--no-splash"))
            o.splash = false;
        else if (a == QLatin1String("--relaunch"))
            o.relaunch = true;
    }
    return o;
}

qint64 sinceProcessStart()
{
    // starttime (field 22 of /proc/self/stat) is in clock ticks since boot.
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = stat.readAll();
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double started = fields[19].toDouble() / double(sysconf(_SC_CLK_TCK));
    const double now = uptime.readAll().split(' ').value(0).toDouble();
    return qint64((now - started) * 1000.0);
}

void trace(const char *event)
{
    if (qEnvironmentVariableIsEmpty("QUELVORA_TRACE_STARTUP"))
        return;
    QFile status(QStringLiteral("/proc/self/status"));
    QByteArray text;
    if (status.open(QIODevice::ReadOnly))
        text = status.readAll();
    std::fprintf(stderr, "quelvora: %s t=%lld epoch=%lld rss=%s hwm=%s\n", event,
                 static_cast<long long>(sinceProcessStart()),
                 static_cast<long long>(QDateTime::currentMSecsSinceEpoch()),
                 qPrintable(statusValue(text, "VmRSS:").remove(QLatin1Char(' '))),
                 qPrintable(statusValue(text, "VmHWM:").remove(QLatin1Char(' '))));
    std::fflush(stderr);
}

void registerWindows(data::TDM *dm, QWidget *parent)
{
    for (const WindowEntry &entry : windowList())
        widgets::windows().addFactory(QString::fromLatin1(entry.className),
                                      [create = entry.create, dm, parent] { return create(dm, parent); });
}

int run(QApplication &application)
{
    installTerminationHandler();
    Startup startup(parseOptions(QCoreApplication::arguments()));
    if (!startup.start())
        return startup.exitCode();
    QObject::connect(startup.mainWindow(), &TfrmPrincipal::exitConfirmed, &application, &QCoreApplication::quit);
    TfrmPrincipal *main = startup.mainWindow();
    installTerminationHandler([main] { main->endProgram(); });
    const int code = application.exec();
    // An orderly end refreshes the index statistics the engine plans with;
    // a failure here must not turn a normal exit into an error.
    data::Connection *connection = startup.dataModule()->IBDatabase1;
    if (connection->isConnected()) {
        try {
            connection->refreshIndexStatistics();
        } catch (const data::DataError &) {
        }
    }
    // Everything is committed as it is made. Should closing the connection
    // ever hang in the engine, the program must still end: a watchdog ends
    // it after ten seconds.
    std::thread([code] {
        std::this_thread::sleep_for(std::chrono::seconds(10));
        std::_Exit(code);
    }).detach();
    return code;
}

} // namespace app
