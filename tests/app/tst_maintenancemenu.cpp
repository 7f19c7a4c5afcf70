#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include "app/UnitPrincipal.h"
#include "app/WindowList.h"
#include "core/AppPaths.h"
#include "core/BancoRecord.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "registers/UnitEssencia.h"
#include "widgets/Skin.h"
#include "widgets/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QTimer>
#include <QtTest>

// The statement and maintenance items of the main menu as the program makes
// them, and the shipped skins on the main window and a register window.
class TestMaintenanceMenu : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        ScriptedPrompter p;
        TestDatabase tdb;
        data::TDM dm;
        TfrmPrincipal main;
        QString shown;
        bool connectedWhileShown = true;

        Fixture()
        {
            dm.IBDatabase1->setDatabaseName(tdb.path());
            main.setDM(&dm);
            widgets::windows().clear();
            for (const app::WindowEntry &e : app::windowList()) {
                const QString name = QString::fromLatin1(e.className);
                if (QStringList{"TfrmFunRural", "TfrmDemo", "TfrmRestore", "TfrmBackup", "TfrmLimparBD", "TfrmSkin"}
                        .contains(name))
                    widgets::windows().add(name, e.create(&dm, &main));
            }
            main.setLoggedIn(true);
        }
        ~Fixture() { widgets::windows().clear(); }

        void trigger(const QString &path)
        {
            shown.clear();
            QAction *item = main.menuItem(path);
            QVERIFY2(item && item->isEnabled(), qPrintable(path));
            QTimer::singleShot(150, [this] {
                if (QWidget *w = QApplication::activeModalWidget()) {
                    shown = w->objectName();
                    connectedWhileShown = dm.IBDatabase1->isConnected();
                    if (auto *d = qobject_cast<QDialog *>(w))
                        d->reject();
                }
            });
            item->trigger();
        }
    };

    // Mean lightness of a window as drawn.
    static int lightness(QWidget *w)
    {
        const QImage image = w->grab().toImage().scaled(40, 40);
        qint64 sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum += QColor(image.pixel(x, y)).lightness();
        return int(sum / (image.width() * image.height()));
    }

private slots:
    void funRuralNeedsAnInvoice()
    {
        Fixture f;
        f.p.info("Não há lançamentos de Entrada, por favor Verífique!", "Informação");
        f.trigger("Co&nsulta|&Valor FunRural");
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.shown, QString());

        data::execute(f.dm.IBDatabase1, "INSERT INTO ENTRADA_TOROS (NF_NUMERO, CODIGOFORNECEDOR) VALUES (1, 1)");
        f.trigger("Co&nsulta|&Valor FunRural");
        QCOMPARE(f.shown, QStringLiteral("TfrmFunRural"));
        f.trigger("Co&nsulta|&Demonstrativo de Compras/Vendas");
        QCOMPARE(f.shown, QStringLiteral("TfrmDemo"));
        QVERIFY_PROMPTS(f.p);
    }

    // The restore window works with the program's connection closed.
    void restoreClosesTheConnection()
    {
        Fixture f;
        f.dm.IBDatabase1->open();
        f.trigger("&Ferramentas|Cópia de Segurança|&Restaurar Cópia de Segurança");
        QCOMPARE(f.shown, QStringLiteral("TfrmRestore"));
        QVERIFY(!f.connectedWhileShown);
        f.trigger("&Ferramentas|Cópia de Segurança|&Gravar Cópia de Segurança");
        QCOMPARE(f.shown, QStringLiteral("TfrmBackup"));
        f.trigger("&Ferramentas|&Limpar Banco de Dados");
        QCOMPARE(f.shown, QStringLiteral("TfrmLimparBD"));
        QVERIFY(widgets::Skin::installShippedSkins(core::skinDir()));
        f.trigger("&Ferramentas|Skin");
        QCOMPARE(f.shown, QStringLiteral("TfrmSkin"));
        QVERIFY_PROMPTS(f.p);
    }

    // A stored skin is on the main window when it is made (a restart); each
    // shipped skin changes how the windows look. QUELVORA_SCREENSHOTS names
    // a folder for the pictures.
    void shippedSkinsOnTheWindows()
    {
        QVERIFY(widgets::Skin::installShippedSkins(core::skinDir()));
        const QString shots = qEnvironmentVariable("QUELVORA_SCREENSHOTS");
        QMap<QString, int> light;
        for (const QString &name : {QString("Claro.skn"), QString("Escuro.skn"), QString("LetraGrande.skn")}) {
            const QString file = QDir(core::skinDir()).filePath(name);
            core::writeSkinPath(*core::openUserSettings(), file);
            widgets::skin().applyBuiltIn();
            Fixture f;
            f.dm.IBDatabase1->open();
            QCOMPARE(widgets::skin().fileName(), file);
            f.main.resize(1000, 640);
            f.main.show();
            TfrmEssencia reg(&f.dm, &f.main);
            reg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&reg));
            light[name] = lightness(&reg);
            if (name == "LetraGrande.skn")
                QCOMPARE(reg.findChild<QLabel *>()->fontInfo().pointSize(), 15);
            if (!shots.isEmpty()) {
                const QString base = QFileInfo(name).baseName();
                f.main.grab().save(QDir(shots).filePath(base + "-principal.png"));
                reg.grab().save(QDir(shots).filePath(base + "-essencia.png"));
            }
            reg.close();
            f.main.hide();
        }
        QVERIFY2(light["Escuro.skn"] < 90 && light["Claro.skn"] > 180,
                 qPrintable(QStringLiteral("%1 %2").arg(light["Escuro.skn"]).arg(light["Claro.skn"])));
        core::writeSkinPath(*core::openUserSettings(), QString());
        widgets::skin().setFileName(QString());
        widgets::skin().applyBuiltIn();
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestMaintenanceMenu t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_maintenancemenu.moc"
