#pragma once

#include <QString>

#include <optional>

class TfrmPrincipal;
namespace data { class TDM; }

namespace app {

struct Options
{
    std::optional<QString> database; // --database NAME: this run only
    bool splash = true;              // --no-splash
    bool relaunch = false;           // --relaunch: wait for the ending copy
};

// The running program: the data module and the main window.
class Startup
{
public:
    explicit Startup(const Options &options);
    ~Startup();

    // Everything before the event loop. False when the program must end
    // now: another copy runs, the login was cancelled, or a relaunch began.
    bool start();
    int exitCode() const { return m_exitCode; }

    TfrmPrincipal *mainWindow() const { return m_main; }
    data::TDM *dataModule() const { return m_dm; }

private:
    Options m_options;
    class SingleInstance *m_guard = nullptr;
    TfrmPrincipal *m_main = nullptr;
    data::TDM *m_dm = nullptr;
    int m_exitCode = 0;
};

} // namespace app
