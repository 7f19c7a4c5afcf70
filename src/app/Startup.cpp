#include "Startup.h"

#include "Application.h"
#include "Pictures.h"
#include "SingleInstance.h"
#include "UnitPrincipal.h"
#include "UnitSplash.h"
#include "Unitconfgbd.h"
#include "core/AppPaths.h"
#include "data/UnitDM.h"
#include "taxid/TCheckBase.h"
#include "widgets/KeyNavigation.h"
#include "widgets/Skin.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QScreen>

namespace app {

Startup::Startup(const Options &options) : m_options(options) {}

Startup::~Startup()
{
    widgets::windows().clear();
    delete m_main; // the windows are its children
    delete m_dm;   // closes the connection
    delete m_guard; // only now may a relaunched copy go on
}

bool Startup::start()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tarvic Softwares"));
    QCoreApplication::setApplicationName(QStringLiteral("Quelvora"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QApplication::setWindowIcon(pictures::appIcon());
    TCheckBase::setBeep([] { QApplication::beep(); });
    widgets::KeyNavigator::instance().install();
    widgets::skin().applyBuiltIn();
    widgets::Skin::installShippedSkins(core::skinDir());

    QPointer<TfrmSplash> splash;
    if (m_options.splash) {
        splash = new TfrmSplash;
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->show();
        splash->repaint();
    }

    m_guard = new SingleInstance;
    if (!m_guard->acquire(m_options.relaunch ? 30000 : 0)) {
        trace("another-copy-runs");
        delete splash;
        return false;
    }

    m_main = new TfrmPrincipal;
    QObject::connect(m_guard, &SingleInstance::raiseRequested, m_main, [this] {
        trace("raise-requested");
        m_main->bringToFront();
    });
    m_dm = new data::TDM;
    m_main->setDM(m_dm);

    registerWindows(m_dm, m_main);
    auto *config = widgets::windows().get<Tfrmconfigbd>();
    m_main->updateAvailability();
    trace("windows-created");

    // A relaunched copy waits for this one's guard, which is let go only
    // after the connection has closed (in the destructor): the embedded
    // engine opens a database file for one process at a time.
    bool ending = false;
    QObject::connect(config, &Tfrmconfigbd::endRequested, m_main, [this, &ending] {
        ending = true;
        m_main->endProgram();
    });
    const bool goOn = config->connectAtStartup(m_options.database);
    QObject::disconnect(config, &Tfrmconfigbd::endRequested, m_main, nullptr);
    QObject::connect(config, &Tfrmconfigbd::endRequested, m_main, [this] { m_main->endProgram(); });
    if (!goOn || ending) {
        delete splash;
        return false;
    }
    m_main->setLoggedIn(config->loggedIn());
    // Without a window manager (a bare X server) maximising does nothing,
    // so the window is given the screen's size first.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        m_main->setGeometry(screen->availableGeometry());
    m_main->showMaximized();
    trace("main-shown");
    return true;
}

} // namespace app
