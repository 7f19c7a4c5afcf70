#include "FirebirdServer.h"
#include "TestDatabase.h"
#include "data/DataError.h"
#include "data/DatabaseService.h"
#include "data/Statement.h"
#include "data/UnitDM.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QtTest>

using namespace data;

namespace {

QByteArray digest(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
}

void addSpecies(Connection *c, const QString &name, double stock)
{
    execute(c, QStringLiteral("INSERT INTO ESSENCIA (ESSENCIA, ETOROS, TENTRADA, TSAIDA) VALUES (:n, :s, 0, 0)"),
            {{QStringLiteral("n"), name}, {QStringLiteral("s"), stock}});
}

QString speciesOf(const QString &database)
{
    Connection c(QStringLiteral("check"));
    c.setDatabaseName(database);
    c.open();
    QSqlQuery q(c.database());
    if (!q.exec(QStringLiteral("SELECT ESSENCIA, ETOROS FROM ESSENCIA ORDER BY ESSENCIA")))
        return QStringLiteral("<failed> ") + q.lastError().text();
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString() + QLatin1Char('=') + QString::number(q.value(1).toDouble());
    const QString list = rows.join(QLatin1Char(','));
    q.finish();
    c.close();
    return list;
}

// The files of a folder other than the ones named.
QStringList strayFiles(const QString &folder, const QStringList &known)
{
    QStringList l = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &k : known)
        l.removeAll(k);
    return l;
}

QString failure(const std::function<void()> &f)
{
    try {
        f();
    } catch (const DataError &e) {
        return e.message().isEmpty() ? QStringLiteral("<empty message>") : e.message();
    }
    return {};
}

} // namespace

class TestDatabaseService : public QObject
{
    Q_OBJECT

private slots:
    void names()
    {
        QCOMPARE(DatabaseService::backupFileName(QStringLiteral("/x/BackupBanco"), QDate(2026, 3, 5)),
                 QStringLiteral("/x/BackupBanco/05032026quelvora.gbk"));
        QCOMPARE(DatabaseService::backupFileName(QStringLiteral("/x"), QDate(2025, 12, 31)),
                 QStringLiteral("/x/31122025quelvora.gbk"));

        const ServiceTarget local = ServiceTarget::of(QStringLiteral("/data/DIZADAVAZI.GDB"));
        QVERIFY(local.embedded());
        QCOMPARE(local.serviceManager, QStringLiteral("service_mgr"));
        QCOMPARE(local.path, QStringLiteral("/data/DIZADAVAZI.GDB"));
        const ServiceTarget server = ServiceTarget::of(QStringLiteral("serra01/3051:/srv/q/DIZADAVAZI.GDB"));
        QVERIFY(!server.embedded());
        QCOMPARE(server.serviceManager, QStringLiteral("serra01/3051:service_mgr"));
        QCOMPARE(server.path, QStringLiteral("/srv/q/DIZADAVAZI.GDB"));
    }

    // The rows committed before a backup come back, exactly, in a new file;
    // a second backup of the day replaces the first and leaves nothing beside it.
    void backupThenRestoreIntoNewFile()
    {
        TestDatabase tdb;
        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        dm.IBDatabase1->open();
        addSpecies(dm.IBDatabase1, QStringLiteral("IPE"), 12.5);
        addSpecies(dm.IBDatabase1, QStringLiteral("CEDRO"), 3.25);

        const QString folder = tdb.dir() + QStringLiteral("/BackupBanco");
        QDir().mkpath(folder);
        const QString file = DatabaseService::backupFileName(folder, QDate(2026, 3, 5));
        QStringList lines;
        // The program's own connection stays open during a backup.
        DatabaseService::backup(tdb.path(), file, [&](const QString &l) { lines << l; });
        QVERIFY(QFileInfo(file).size() > 0);
        QVERIFY(lines.size() > 50);
        QVERIFY(lines.last().contains(QStringLiteral("finishing")));
        QVERIFY2(lines.filter(QStringLiteral("writing data for table ESSENCIA")).size() == 1,
                 qPrintable(lines.join('\n')));

        addSpecies(dm.IBDatabase1, QStringLiteral("JATOBA"), 1);
        DatabaseService::backup(tdb.path(), file, {});
        QCOMPARE(strayFiles(folder, {QFileInfo(file).fileName()}), QStringList());

        const QString copy = tdb.dir() + QStringLiteral("/COPIA.GDB");
        DatabaseService::restore(file, copy, {});
        QCOMPARE(speciesOf(copy), QStringLiteral("CEDRO=3.25,IPE=12.5,JATOBA=1"));
        QCOMPARE(strayFiles(tdb.dir(), {QFileInfo(tdb.path()).fileName(), QStringLiteral("COPIA.GDB")}),
                 QStringList());
    }

    // A truncated backup file, a file that is no backup, a missing file: each
    // refused with the engine's text, the database left byte for byte as it
    // was and no scratch file left beside it.
    void brokenBackupLeavesDatabaseUntouched()
    {
        TestDatabase tdb;
        {
            Connection c;
            c.setDatabaseName(tdb.path());
            c.open();
            addSpecies(&c, QStringLiteral("IPE"), 2);
        }
        const QString good = tdb.dir() + QStringLiteral("/bom.gbk");
        DatabaseService::backup(tdb.path(), good, {});
        QFile in(good);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray whole = in.readAll();
        const QString truncated = tdb.dir() + QStringLiteral("/cortado.gbk");
        const QString garbage = tdb.dir() + QStringLiteral("/lixo.gbk");
        {
            QFile t(truncated);
            QVERIFY(t.open(QIODevice::WriteOnly));
            t.write(whole.left(whole.size() / 2));
            QFile g(garbage);
            QVERIFY(g.open(QIODevice::WriteOnly));
            g.write(QByteArray(64 * 1024, 'x'));
        }
        const QStringList known = {QFileInfo(tdb.path()).fileName(), QStringLiteral("bom.gbk"),
                                   QStringLiteral("cortado.gbk"), QStringLiteral("lixo.gbk")};
        const QByteArray before = digest(tdb.path());
        for (const QString &bad : {truncated, garbage, tdb.dir() + QStringLiteral("/falta.gbk")}) {
            QStringList lines;
            const QString why = failure([&] { DatabaseService::restore(bad, tdb.path(), [&](const QString &l) { lines << l; }); });
            QVERIFY2(!why.isEmpty(), qPrintable(bad));
            QCOMPARE(digest(tdb.path()), before);
            QCOMPARE(strayFiles(tdb.dir(), known), QStringList());
        }
        QCOMPARE(speciesOf(tdb.path()), QStringLiteral("IPE=2"));

        // The good file still restores over it.
        DatabaseService::restore(good, tdb.path(), {});
        QCOMPARE(speciesOf(tdb.path()), QStringLiteral("IPE=2"));
    }

    // A backup that cannot be written keeps the earlier one of the day.
    void failedBackupKeepsEarlierFile()
    {
        TestDatabase tdb;
        const QString file = tdb.dir() + QStringLiteral("/05032026quelvora.gbk");
        DatabaseService::backup(tdb.path(), file, {});
        const QByteArray before = digest(file);
        const QString why = failure([&] { DatabaseService::backup(tdb.dir() + QStringLiteral("/NADA.GDB"), file, {}); });
        QVERIFY(!why.isEmpty());
        QCOMPARE(digest(file), before);
        QCOMPARE(strayFiles(tdb.dir(), {QFileInfo(tdb.path()).fileName(), QFileInfo(file).fileName()}), QStringList());

        const QString nowhere = tdb.dir() + QStringLiteral("/nao/existe/x.gbk");
        QVERIFY(!failure([&] { DatabaseService::backup(tdb.path(), nowhere, {}); }).isEmpty());
        QVERIFY(!QFileInfo::exists(nowhere));
    }

    // With a server configuration the service goes to that server: the
    // server holds the file, so the embedded engine could not even open it.
    void serverConfiguration()
    {
        TestDatabase tdb;
        FirebirdServer server;
        QString why;
        QVERIFY2(server.start(&why), qPrintable(why));
        const QString name = server.databaseName(tdb.path());
        TDM dm;
        dm.IBDatabase1->setDatabaseName(name);
        dm.IBDatabase1->open();
        addSpecies(dm.IBDatabase1, QStringLiteral("ANGELIM"), 7);

        const QString file = tdb.dir() + QStringLiteral("/servidor.gbk");
        DatabaseService::backup(name, file, {});
        QVERIFY(QFileInfo(file).size() > 0);

        // Someone still works on it: the server refuses to replace it, and
        // the database stays as it was.
        QVERIFY(!failure([&] { DatabaseService::restore(file, name, {}); }).isEmpty());
        QCOMPARE(firstRow(dm.IBDatabase1, QStringLiteral("SELECT COUNT(*) FROM ESSENCIA")).value(0).toInt(), 1);
        dm.IBDatabase1->close();

        const QString copy = tdb.dir() + QStringLiteral("/COPIA_SERVIDOR.GDB");
        DatabaseService::restore(file, server.databaseName(copy), {});
        QCOMPARE(speciesOf(server.databaseName(copy)), QStringLiteral("ANGELIM=7"));
        QVERIFY(!QFileInfo::exists(copy + QStringLiteral(".restoring")));
    }

    // The lines reach the thread that started the run while its event loop
    // keeps turning, and the progress reaches every table.
    void runKeepsLoopTurning()
    {
        TestDatabase tdb;
        ServiceRun run;
        QStringList lines;
        int ticks = 0;
        ServiceRun::Progress last;
        connect(&run, &ServiceRun::lineArrived, this, [&](const QString &l) { lines << l; });
        connect(&run, &ServiceRun::progressChanged, this, [&](int done, int total) { last = {done, total}; });
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
        timer.start(0);
        const QString file = tdb.dir() + QStringLiteral("/x.gbk");
        const QString db = tdb.path();
        run.start([db, file](const DatabaseService::LineSink &sink) { DatabaseService::backup(db, file, sink); });
        QVERIFY(run.isRunning());
        QVERIFY(run.wait());
        QVERIFY(ticks > 0);
        QVERIFY(lines.size() > 50);
        {
            Connection c;
            c.setDatabaseName(db);
            c.open();
            const int tables = firstRow(&c, QStringLiteral("SELECT COUNT(*) FROM RDB$RELATIONS WHERE "
                                                           "COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND RDB$VIEW_BLR IS NULL"))
                                   .value(0)
                                   .toInt();
            QCOMPARE(last.total, tables);
        }
        QCOMPARE(last.done, last.total);

        run.start([db](const DatabaseService::LineSink &sink) {
            DatabaseService::backup(db, QStringLiteral("/nao/existe/x.gbk"), sink);
        });
        QVERIFY(!run.wait());
        QVERIFY(!run.errorText().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDatabaseService)
#include "tst_DatabaseService.moc"
