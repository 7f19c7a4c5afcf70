#include "WindowTest.h"

#include "core/AppPaths.h"
#include "core/BancoRecord.h"
#include "data/DataError.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "maintenance/UnitBackup.h"
#include "maintenance/UnitRestore.h"
#include "widgets/Skin.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

namespace {

void altKey(QWidget *w, Qt::Key key)
{
    QTest::keyClick(w->window()->windowHandle(), key, Qt::AltModifier);
    QTest::qWait(150);
}

void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    if (!text.isEmpty())
        QTest::keyClicks(edit, text);
}

int species(data::Connection *c)
{
    return data::firstRow(c, QStringLiteral("SELECT COUNT(*) FROM ESSENCIA")).value(0).toInt();
}

void addSpecies(data::Connection *c, const QString &name)
{
    data::execute(c, QStringLiteral("INSERT INTO ESSENCIA (ESSENCIA, ETOROS, TENTRADA, TSAIDA) VALUES (:n, 0, 0, 0)"),
                  {{QStringLiteral("n"), name}});
}

QByteArray digest(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1) : QByteArray();
}

// What the log held at its fullest and whether the commands were off then.
struct LogWatch
{
    int most = 0;
    bool commandsOffWhileRunning = true;
    LogWatch(QPlainTextEdit *log, QPushButton *run)
    {
        QObject::connect(log, &QPlainTextEdit::textChanged, log, [this, log, run] {
            most = std::max(most, log->document()->blockCount());
            if (!log->toPlainText().isEmpty() && run->isEnabled())
                commandsOffWhileRunning = false;
        });
    }
};

} // namespace

class TestBackupRestore : public QObject
{
    Q_OBJECT

    struct Fixture : WindowFixture
    {

        Fixture()
        {
            dm.IBDatabase1->open();
            addSpecies(dm.IBDatabase1, QStringLiteral("IPE"));
            addSpecies(dm.IBDatabase1, QStringLiteral("CEDRO"));
        }

        template <typename W>
        std::unique_ptr<W> open()
        {
            return openActive<W>(&dm);
        }
    };

private slots:
    void backupWindow() { reporting([this] { backup(); }); }
    void restoreWindow() { reporting([this] { restore(); }); }

private:
    // The fields' checks, then the day's file in the application's backup
    // folder, the log filling line by line while the commands are off.
    void backup()
    {
        Fixture f;
        auto w = f.open<TfrmBackup>();
        QCOMPARE(w->windowTitle(), QStringLiteral("Gravar Cópia de Segurança"));
        QCOMPARE(w->febanco->text(), f.tdb.path());
        QCOMPARE(w->deBackup->text(), core::backupDir());

        retype(w->febanco, {});
        f.p.error("Banco de dados deve ser informado!", "Backup");
        altKey(w.get(), Qt::Key_B);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->febanco);
        retype(w->febanco, f.tdb.path());
        retype(w->deBackup, {});
        f.p.error("Local do Backup deve ser informado!", "Backup");
        altKey(w.get(), Qt::Key_B);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->deBackup);
        retype(w->deBackup, core::backupDir());

        const QString expected =
            core::backupDir() + QLatin1Char('/') + QDate::currentDate().toString("ddMMyyyy") + "quelvora.gbk";
        QCOMPARE(w->backupFile(), expected);
        LogWatch watch(w->mmBackup, w->BitBtn1);
        f.p.info("Backup realizado com sucesso!", "Backup");
        altKey(w.get(), Qt::Key_B);
        QVERIFY_PROMPTS(f.p);
        QVERIFY(QFileInfo(expected).size() > 0);
        QVERIFY(watch.most > 50);
        QVERIFY(watch.commandsOffWhileRunning);
        QVERIFY(w->mmBackup->toPlainText().isEmpty()); // cleared once the box is acknowledged
        QCOMPARE(w->ProgressBar1->value(), w->ProgressBar1->maximum());
        QVERIFY(w->BitBtn1->isEnabled());

        // A refused backup: the server's text in the standard error box, the
        // log keeps what came, the day's earlier file stays.
        const QByteArray before = digest(expected);
        retype(w->febanco, f.tdb.dir() + "/NAO_EXISTE.GDB");
        f.p.error("*", "Quelvora");
        altKey(w.get(), Qt::Key_B);
        QVERIFY_PROMPTS(f.p);
        QVERIFY2(f.p.shown().last().contains("NAO_EXISTE.GDB"), qPrintable(f.p.shown().last()));
        QCOMPARE(digest(expected), before);
        QVERIFY(w->isVisible());

        // "&Retornar" puts the stored skin back.
        const QString stored = f.tdb.dir() + "/guardado.skn";
        QFile s(stored);
        QVERIFY(s.open(QIODevice::WriteOnly));
        s.write("QDialog { background: #123456; }");
        s.close();
        core::writeSkinPath(*core::openUserSettings(), stored);
        widgets::skin().setFileName(QString());
        altKey(w.get(), Qt::Key_R);
        QVERIFY(!w->isVisible());
        QCOMPARE(widgets::skin().fileName(), stored);
        QVERIFY(qApp->styleSheet().contains("#123456"));
        core::writeSkinPath(*core::openUserSettings(), QString());
    }

    // Restoring over the program's own database: the connection is closed
    // for it and made again after; a truncated file is refused and the
    // database stays as it was.
    void restore()
    {
        Fixture f;
        const QString file = f.tdb.dir() + "/copia.gbk";
        data::DatabaseService::backup(f.tdb.path(), file, {});
        addSpecies(f.dm.IBDatabase1, QStringLiteral("JATOBA")); // after the backup
        QCOMPARE(species(f.dm.IBDatabase1), 3);
        f.dm.TEssencia->open();

        auto w = f.open<TfrmRestore>();
        QCOMPARE(w->windowTitle(), QStringLiteral("Restaurar Cópia de Segurança"));
        QVERIFY(w->feRestaurar->text().isEmpty());
        QCOMPARE(w->feRestBanco->text(), f.tdb.path());

        f.p.error("Arquivo de Backup deve ser informado!", "Restore");
        w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->feRestaurar);
        retype(w->feRestaurar, file);
        retype(w->feRestBanco, {});
        f.p.error("Banco de dados deve ser informado!", "Restore");
        w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->feRestBanco);
        retype(w->feRestBanco, f.tdb.path());

        LogWatch watch(w->mmRestaurar, w->BitBtn1);
        f.p.info("Restauração realizada com sucesso!", "Restore");
        w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(watch.most > 50);
        QVERIFY(watch.commandsOffWhileRunning);
        QVERIFY(f.dm.IBDatabase1->isConnected());
        QCOMPARE(species(f.dm.IBDatabase1), 2);
        QVERIFY(w->mmRestaurar->toPlainText().isEmpty());

        // Half a backup file.
        QFile whole(file);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QString half = f.tdb.dir() + "/metade.gbk";
        QFile h(half);
        QVERIFY(h.open(QIODevice::WriteOnly));
        h.write(whole.readAll().left(int(whole.size() / 2)));
        h.close();
        addSpecies(f.dm.IBDatabase1, QStringLiteral("ANGICO"));
        retype(w->feRestaurar, half);
        f.dm.IBDatabase1->close();
        const QByteArray before = digest(f.tdb.path());
        f.p.error("*", "Quelvora");
        w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(digest(f.tdb.path()), before);
        QVERIFY(!w->mmRestaurar->toPlainText().isEmpty());
        QVERIFY(!f.dm.IBDatabase1->isConnected());
        f.dm.IBDatabase1->ensureConnected();
        QCOMPARE(species(f.dm.IBDatabase1), 3);
        QCOMPARE(QDir(f.tdb.dir()).entryList({".*restoring*"}, QDir::Files | QDir::Hidden), QStringList());

        // Alt+R leaves, as in every window; a restore of the broken file
        // would have shown its error box.
        altKey(w.get(), Qt::Key_R);
        QVERIFY(!w->isVisible());
        QVERIFY_PROMPTS(f.p);
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestBackupRestore t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_backuprestore.moc"
