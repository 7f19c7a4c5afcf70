#pragma once

#include <QMainWindow>
#include <QStringList>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QToolButton;
class QWidget;
namespace data { class DataSet; class Query; class TDM; }

class TBanner;

// The main window: the menu bar, the tool bar and the status bar through
// which every function of the system is reached.
class TfrmPrincipal : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmPrincipal(QWidget *parent = nullptr);

    // The data module is made after the main window.
    void setDM(data::TDM *dm) { m_dm = dm; }

    QMenuBar *MainMenu1;
    QWidget *Panel1;
    QToolButton *SpeedButton[10]; // SpeedButton1 .. SpeedButton9 at [1] .. [9]
    QLabel *StatusPanel[4];
    QTimer *Timer1;
    QSystemTrayIcon *TrayIcon1;
    TBanner *Banner1;
    QAction *Sair;

    // Menu items by their path of captions, "&Cadastro|&Essência".
    QAction *menuItem(const QString &path) const;
    QList<QAction *> menuItems() const { return m_items; }

    // Enables each item whose windows exist; run after the windows are made.
    // Until a login succeeds only the items that read no data are enabled.
    void updateAvailability();
    void setLoggedIn(bool loggedIn);
    bool isLoggedIn() const { return m_loggedIn; }

    // The exit question; true when the user confirmed.
    bool confirmExit();

    // Ends without the question (a relaunch after a new configuration).
    void endProgram();

    // Brings the window forward for a second copy of the program.
    void bringToFront();

    void Timer1Timer();

signals:
    // The user confirmed leaving the program.
    void exitConfirmed();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The checks that menu items run before their window.
    bool companyCheck();
    bool movementCheck(data::Query *query, const QString &message);
    void registerListing(data::Query *query, const QString &message, const QString &sql, const QString &report);
    void webLink(const QString &url);

    void showWindow(const QString &className);
    void previewReport(const QString &report);
    void clearSkinFileName();
    void showRestore();
    void showSkin();

    QMenu *addMenu(QMenu *parent, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &caption, const QStringList &needs,
                     std::function<void()> action, const QString &hint = {}, const QIcon &icon = {});
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();

    data::TDM *m_dm = nullptr;
    QList<QAction *> m_items;
    bool m_exitConfirmed = false;
    bool m_loggedIn = false;
};
