#pragma once

#include "ui_Unitconfgbd.h"

#include <QDialog>

#include <functional>
#include <optional>

class QTimer;
namespace data { class TDM; }

// Where the database is: edits the stored record and restarts the program.
// Its form is Unitconfgbd.ui ("&Aplicar" is `BitBtn2`, "&Retornar" `BitBtn3`).
class Tfrmconfigbd : public QDialog, public Ui::Tfrmconfigbd
{
    Q_OBJECT
public:
    explicit Tfrmconfigbd(data::TDM *dm, QWidget *parent = nullptr);

    // The connection at start-up. DATABASE, when given, is used instead of
    // the stored record for this run, which stays as it is. Returns true when
    // the program may go on: connected and logged in, or running unconnected;
    // false when the user chose to end it at the login.
    bool connectAtStartup(const std::optional<QString> &database);
    // Whether the start-up connected and its login succeeded.
    bool loggedIn() const { return m_loggedIn; }

    void BitBtn2Click();
    void BitBtn3Click();

    // How the program starts its new copy; tests replace it.
    using Launcher = std::function<bool(const QString &program, const QStringList &arguments)>;
    void setLauncher(Launcher launcher) { m_launcher = std::move(launcher); }

    static QString serverHelp();
    static QString databaseHelp();

signals:
    // "&Aplicar" has run: the program must end (a new copy may be starting).
    void endRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startFolding();
    void upgradeSchema();
    void browse();
    void showRecordFields();

    data::TDM *m_dm;
    Launcher m_launcher;
    bool m_loggedIn = false;
    QTimer *m_foldTimer = nullptr;
};
