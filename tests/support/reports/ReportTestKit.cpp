#include "ReportTestKit.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "reports/ReportDocument.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace reporttest {

QDateTime fixedClock()
{
    return QDateTime(QDate(2026, 12, 9), QTime(14, 30, 0));
}

FixedClock::FixedClock()
{
    reports::ReportDocument::setClock(fixedClock());
}

FixedClock::~FixedClock()
{
    reports::ReportDocument::setClock(QDateTime());
}

QString pdfText(const QString &pdfPath, QString *error)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                          pdfPath, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = QStringLiteral("pdftotext falhou (poppler-utils instalado?): ") + p.errorString()
                 + QString::fromUtf8(p.readAllStandardError());
        return {};
    }
    const QString raw = QString::fromUtf8(p.readAllStandardOutput());
    QStringList lines;
    for (QString line : raw.split(QLatin1Char('\n'))) {
        while (line.contains(QLatin1Char('\f'))) {
            const int ff = line.indexOf(QLatin1Char('\f'));
            QString before = line.left(ff);
            while (before.endsWith(QLatin1Char(' ')))
                before.chop(1);
            if (!before.isEmpty())
                lines << before;
            lines << QStringLiteral("[página]");
            line = line.mid(ff + 1);
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        lines << line;
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString reportText(const reports::ReportDefinition &def, data::Connection *connection, QString *error)
{
    QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath(QStringLiteral("relatorio.pdf"));
    try {
        reports::ReportDocument doc(def, connection);
        reports::writePdf(doc, pdf);
    } catch (const std::exception &e) {
        *error = QString::fromUtf8(e.what());
        return {};
    }
    return pdfText(pdf, error);
}

QString expectedPath(const QString &testSourceDir, const QString &name)
{
    return QDir(testSourceDir).filePath(QStringLiteral("expected/") + name);
}

bool matchesGolden(const QString &text, const QString &expectedFile, QString *message)
{
    if (qEnvironmentVariableIntValue("QUELVORA_UPDATE_GOLDEN") != 0) {
        QDir().mkpath(QFileInfo(expectedFile).absolutePath());
        QFile f(expectedFile);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            *message = QStringLiteral("cannot write ") + expectedFile;
            return false;
        }
        f.write(text.toUtf8());
        return true;
    }
    QFile f(expectedFile);
    if (!f.open(QIODevice::ReadOnly)) {
        *message = QStringLiteral("missing expected file %1 (run with QUELVORA_UPDATE_GOLDEN=1 to write it)")
                       .arg(expectedFile);
        return false;
    }
    const QStringList expected = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    const QStringList actual = text.split(QLatin1Char('\n'));
    for (int i = 0; i < qMax(expected.size(), actual.size()); ++i) {
        if (expected.value(i) != actual.value(i)) {
            *message = QStringLiteral("%1 differs at line %2:\n expected: [%3]\n   actual: [%4]\n--- actual text ---\n%5")
                           .arg(expectedFile)
                           .arg(i + 1)
                           .arg(expected.value(i), actual.value(i), text);
            return false;
        }
    }
    return true;
}

void exec(data::Connection *connection, const QString &sql, const QVariantList &values)
{
    connection->ensureConnected();
    QSqlQuery q(connection->database());
    if (!q.prepare(sql))
        throw data::DataError(q.lastError().text());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw data::DataError(q.lastError().text());
}

void addCompany(data::Connection *connection, const QString &name, const QString &stateRegistry, const QString &cnpj)
{
    exec(connection, QStringLiteral("INSERT INTO MANUTENCAO (NOMEEMPRESA, INSCESTADUAL, CNPJ) VALUES (?, ?, ?)"),
         {name, stateRegistry, cnpj});
}

void addLog(data::Connection *connection, const QString &species, double plate, double volume, bool sawn,
            double length, double dx, double dy)
{
    exec(connection,
         QStringLiteral("INSERT INTO ENTRADA_TOROS_DISCRIMINACAO (ESSENCIA, CODIGOPRODUTO, QUANTIDADE, SITUACAO, CPF, "
                        "COMPRIMENTO, DIAMETRO, DIAMETRO1, NFNUMERO, CODIGOFORNECEDOR) VALUES (?, ?, ?, ?, 0, ?, ?, ?, 1, 1)"),
         {species, plate, volume, sawn ? 1.0 : 0.0, length, dx, dy});
}

} // namespace reporttest
