#include "TestDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Two real copies of the program on one database.
class TestSingleInstance : public QObject
{
    Q_OBJECT

    QString program() const
    {
        return qEnvironmentVariable("QUELVORA_TEST_BUILD_DIR") + QStringLiteral("/src/quelvora");
    }

    void prepare(QProcess &p, const QTemporaryDir &scratch, const QString &database)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", scratch.path()); // the guard lives here, away from other runs
        env.insert("QUELVORA_TRACE_STARTUP", "1");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.setProgram(program());
        p.setArguments({"--no-splash", "--database", database});
        p.setProcessChannelMode(QProcess::SeparateChannels);
    }

    static bool waitForLine(QProcess &p, QByteArray &seen, const QByteArray &line, int ms)
    {
        QElapsedTimer t;
        t.start();
        while (!seen.contains(line) && t.elapsed() < ms) {
            p.waitForReadyRead(100);
            seen += p.readAllStandardError();
        }
        return seen.contains(line);
    }

private slots:
    void secondCopyRaisesTheFirstAndEnds()
    {
        QVERIFY2(QFile::exists(program()), qPrintable(program()));
        TestDatabase tdb;
        QTemporaryDir scratch;
        QProcess first;
        prepare(first, scratch, tdb.path());
        first.start();
        QByteArray firstErr;
        QVERIFY2(waitForLine(first, firstErr, "login-shown", 20000), firstErr.constData());

        QProcess second;
        prepare(second, scratch, tdb.path());
        second.start();
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        const QByteArray secondErr = second.readAllStandardError();
        QVERIFY2(secondErr.contains("another-copy-runs"), secondErr.constData());
        QVERIFY(!secondErr.contains("windows-created"));
        QVERIFY(!secondErr.contains("login-shown"));
        QVERIFY2(waitForLine(first, firstErr, "raise-requested", 5000), firstErr.constData());

        first.kill();
        first.waitForFinished(5000);

        // The guard of a copy that died does not keep the next one out.
        QProcess third;
        prepare(third, scratch, tdb.path());
        third.start();
        QByteArray thirdErr;
        QVERIFY2(waitForLine(third, thirdErr, "login-shown", 20000), thirdErr.constData());
        third.kill();
        third.waitForFinished(5000);
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QCoreApplication app(argc, argv);
    TestSingleInstance t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_singleinstance.moc"
