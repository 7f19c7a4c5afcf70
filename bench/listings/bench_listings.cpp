// Writes the supplier and client listings of a large register to PDF, as
// `quelvora-tool report` does, and prints the time and peak memory.
#include "TestDatabase.h"

#include "data/Connection.h"
#include "reports/ReportDocument.h"
#include "reports/ReportRegistry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <sys/resource.h>

namespace {

QTextStream out(stdout);

double peakMb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

// Processor time of this process so far, in seconds: on a shared machine
// the wall clock also counts the other programs' turns.
double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void seed(data::Connection &conn, int rows)
{
    QSqlDatabase db = conn.database();
    db.transaction();
    QSqlQuery m(db), f(db), c(db);
    m.exec(QStringLiteral("INSERT INTO MANUTENCAO (NOMEEMPRESA, INSCESTADUAL, CNPJ) "
                          "VALUES ('MADEIREIRA MODELO LTDA', '131234567', '11222333000181')"));
    f.prepare(QStringLiteral("INSERT INTO FORNECEDOR (NOMEFORNECEDOR, INSCESTADUAL, FONE) VALUES (?, ?, '6635310000')"));
    c.prepare(QStringLiteral("INSERT INTO CREDOR (NOMECREDOR, CIDADE, UF, FONE, IE) VALUES (?, 'SINOP', 'MT', "
                             "'6635310000', ?)"));
    const QStringList first = {"ALVES", "BARROS", "CARVALHO", "DIAS", "FERREIRA", "GOMES", "LIMA", "MADEIRAS",
                               "NUNES", "OLIVEIRA", "PEREIRA", "ROCHA", "SANTOS", "TEIXEIRA", "VIEIRA", "ZANELLA"};
    for (int i = 0; i < rows; ++i) {
        const QString name = QStringLiteral("%1 %2 %3").arg(first[(i * 7) % first.size()], first[(i / 16) % 16]).arg(i);
        const QString ie = QStringLiteral("13%1").arg(i, 9, 10, QLatin1Char('0'));
        f.addBindValue(name);
        f.addBindValue(ie);
        c.addBindValue(name);
        c.addBindValue(ie);
        if (!f.exec() || !c.exec())
            qFatal("%s %s", qPrintable(f.lastError().text()), qPrintable(c.lastError().text()));
    }
    db.commit();
}

void timeListing(data::Connection &conn, const QString &name, const QString &dir)
{
    QElapsedTimer t;
    t.start();
    {
        reports::ReportDocument layout(reports::makeReport(name, conn), &conn);
        layout.layoutAll();
        out << QStringLiteral("%1 laid out: %2 pages, %3 s\n").arg(name, -16).arg(layout.pageCount())
                   .arg(t.elapsed() / 1000.0, 0, 'f', 2);
        out.flush();
    }
    t.restart();
    const double cpu = cpuSeconds();
    reports::ReportDocument doc(reports::makeReport(name, conn), &conn);
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".pdf");
    reports::writePdf(doc, path);
    out << QStringLiteral("%1 to PDF: %2 pages, %3 s (processor %4 s), %5 KB, peak memory %6 MB\n")
               .arg(name, -16)
               .arg(doc.pageCount())
               .arg(t.elapsed() / 1000.0, 0, 'f', 2)
               .arg(cpuSeconds() - cpu, 0, 'f', 2)
               .arg(QFile(path).size() / 1024)
               .arg(peakMb(), 0, 'f', 0);
    out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 100000;
    TestDatabase tdb;
    data::Connection conn(QStringLiteral("bench-listings"));
    conn.setDatabaseName(tdb.path());
    conn.open();
    QElapsedTimer t;
    t.start();
    seed(conn, rows);
    out << QStringLiteral("seeded %1 suppliers and %1 clients in %2 s\n").arg(rows).arg(t.elapsed() / 1000.0);
    timeListing(conn, QStringLiteral("RepFornecedores"), tdb.dir());
    timeListing(conn, QStringLiteral("RepCredores"), tdb.dir());
    if (argc > 2)
        timeListing(conn, QStringLiteral("RepCredores1"), tdb.dir());
    return 0;
}
