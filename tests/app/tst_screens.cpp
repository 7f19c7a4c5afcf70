#include "TestDatabase.h"
#include "app/UnitLogin.h"
#include "app/UnitPrincipal.h"
#include "app/UnitSplash.h"
#include "app/UnitUsuario.h"
#include "app/Unitconfgbd.h"
#include "app/Skin.h"
#include "data/UnitDM.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>

// Every window fits on a 1366 x 768 screen; with QUELVORA_SCREENSHOT_DIR set
// the windows are also saved there as pictures to look at.
class TestScreens : public QObject
{
    Q_OBJECT

    void check(QWidget *w, const QString &name)
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY2(w->width() <= 1366 && w->height() <= 768, qPrintable(name));
        for (QWidget *child : w->findChildren<QWidget *>()) {
            if (!child->isVisible() || child->isWindow())
                continue;
            // A child smaller than it needs is cut.
            const QSize min = child->minimumSizeHint();
            QVERIFY2(child->width() >= qMin(min.width(), 1) && child->height() >= qMin(min.height(), 1),
                     qPrintable(name + "/" + child->objectName()));
        }
        const QString dir = qEnvironmentVariable("QUELVORA_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            w->grab().save(QDir(dir).filePath(name + ".png"));
    }

private slots:
    void windows()
    {
        app::skin().applyBuiltIn();
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        TfrmSplash splash;
        check(&splash, "splash");
        TfrmPrincipal main;
        main.setDM(&dm);
        main.resize(1366, 740);
        check(&main, "principal");
        TfrmLogin login(&dm);
        check(&login, "login");
        login.hide();
        TfrmUsuario users(&dm);
        check(&users, "usuario");
        users.hide();
        Tfrmconfigbd config(&dm);
        check(&config, "configbd");
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_screens.moc"
