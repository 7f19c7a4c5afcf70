#include "DatabaseCreator.h"

#include "Connection.h"
#include "DataError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <ibase.h>

static void initSchemaResource() { Q_INIT_RESOURCE(schema); }

namespace data {

QString DatabaseCreator::schemaScript()
{
    initSchemaResource();
    QFile f(QStringLiteral(":/sql/schema.sql"));
    if (!f.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("O script do banco de dados não foi encontrado no programa."));
    return QString::fromUtf8(f.readAll());
}

QStringList DatabaseCreator::splitScript(const QString &script)
{
    QStringList statements;
    QString terminator = QStringLiteral(";");
    QString current;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (current.trimmed().isEmpty() && (line.isEmpty() || line.startsWith(QLatin1String("--"))))
            continue;
        if (line.startsWith(QLatin1String("SET TERM "), Qt::CaseInsensitive)) {
            // "SET TERM ^ ;" — the new terminator is the first word after TERM.
            terminator = line.mid(9).trimmed().section(QLatin1Char(' '), 0, 0);
            current.clear();
            continue;
        }
        current += raw + QLatin1Char('\n');
        if (line.endsWith(terminator)) {
            QString stmt = current.trimmed();
            stmt.chop(terminator.size());
            if (!stmt.trimmed().isEmpty())
                statements << stmt.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

static QString statusText(const ISC_STATUS *status)
{
    QString text;
    char buf[512];
    const ISC_STATUS *p = status;
    while (fb_interpret(buf, sizeof buf, &p)) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += QString::fromLocal8Bit(buf);
    }
    return text;
}

void DatabaseCreator::create(const QString &path, bool withDefaultUser)
{
    const QFileInfo fi(path);
    if (fi.exists())
        throw DataError(QStringLiteral("O arquivo já existe e não será sobrescrito:\n%1").arg(path));
    if (!fi.absoluteDir().exists() && !QDir().mkpath(fi.absolutePath()))
        throw DataError(QStringLiteral("Não foi possível criar a pasta:\n%1").arg(fi.absolutePath()));

    const QString absolute = fi.absoluteFilePath();
    QString sql = QStringLiteral("CREATE DATABASE '%1' USER '%2' PASSWORD '%3' PAGE_SIZE 8192 "
                                 "DEFAULT CHARACTER SET UTF8")
                      .arg(QString(absolute).replace(QLatin1Char('\''), QLatin1String("''")),
                           QLatin1String(Connection::User), QLatin1String(Connection::Password));
    const QByteArray sqlBytes = sql.toUtf8();
    ISC_STATUS_ARRAY status = {};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    if (isc_dsql_execute_immediate(status, &db, &tr, 0, sqlBytes.constData(), 3, nullptr))
        throw DataError(QStringLiteral("Não foi possível criar o banco de dados:\n%1\n\n%2")
                            .arg(path, statusText(status)));
    isc_detach_database(status, &db);

    try {
        Connection conn(QStringLiteral("create-%1").arg(QUuid::createUuid().toString(QUuid::Id128)));
        conn.setDatabaseName(absolute);
        conn.open();
        QSqlQuery q(conn.database());
        for (const QString &stmt : splitScript(schemaScript())) {
            if (!q.exec(stmt))
                throw DataError(QStringLiteral("Erro ao criar a estrutura do banco de dados:\n%1\n\n%2")
                                    .arg(stmt.left(200), q.lastError().text()));
        }
        if (withDefaultUser) {
            q.prepare(QStringLiteral("INSERT INTO LOGIN (USUARIO, SENHA) VALUES (?, ?)"));
            q.addBindValue(QString::fromLatin1(DefaultUser));
            q.addBindValue(QString::fromLatin1(DefaultUser));
            if (!q.exec())
                throw DataError(q.lastError().text());
        }
        q.finish();
        conn.close();
    } catch (...) {
        QFile::remove(absolute);
        throw;
    }
}

} // namespace data
