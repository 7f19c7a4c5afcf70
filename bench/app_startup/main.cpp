// Starts the program RUNS times on a fresh default database (first start
// creates it, so that run is reported apart) and reads its start-up trace:
// the time from process start to the login window shown, and memory then.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 10;
    QTemporaryDir home;
    QList<qint64> times;
    QList<qint64> memory;
    for (int i = 0; i <= runs; ++i) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QUELVORA_HOME", home.filePath("app"));
        env.insert("XDG_CONFIG_HOME", home.filePath("cfg"));
        env.insert("TMPDIR", home.path());
        env.insert("QUELVORA_TRACE_STARTUP", "1");
        if (!env.contains("QT_QPA_PLATFORM"))
            env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        QElapsedTimer wall;
        wall.start();
        p.start(QStringLiteral(QUELVORA_BINARY), {"--no-splash"});
        QByteArray err;
        while (!err.contains("login-shown") && wall.elapsed() < 30000) {
            p.waitForReadyRead(50);
            err += p.readAllStandardError();
        }
        const qint64 measured = wall.elapsed();
        p.kill();
        p.waitForFinished(5000);
        const auto m = QRegularExpression("login-shown t=(\\d+) .* hwm=(\\d+)kB").match(QString::fromLatin1(err));
        if (!m.hasMatch()) {
            std::fprintf(stderr, "run %d: no login window\n%s\n", i, err.constData());
            return 1;
        }
        if (i == 0) {
            std::printf("first start (creates the database): %lld ms\n", static_cast<long long>(measured));
            continue;
        }
        times << measured;
        memory << m.captured(2).toLongLong();
    }
    std::sort(times.begin(), times.end());
    std::sort(memory.begin(), memory.end());
    std::printf("process start to login window, %d runs: median %lld ms, min %lld ms, max %lld ms\n", runs,
                static_cast<long long>(times[times.size() / 2]), static_cast<long long>(times.first()),
                static_cast<long long>(times.last()));
    std::printf("peak memory at the login window: median %lld kB\n", static_cast<long long>(memory[memory.size() / 2]));
    return 0;
}
