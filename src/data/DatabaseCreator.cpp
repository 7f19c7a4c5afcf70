#include "DatabaseCreator.h"

#include "Connection.h"
#include "DataError.h"
#include "Statement.h"
#include "SchemaUpgrade.h"

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

QStringList DatabaseCreator::shippedScript(const QString &name, const QString &missing)
{
    initSchemaResource();
    QFile f(QStringLiteral(":/sql/") + name);
    if (!f.open(QIODevice::ReadOnly))
        throw DataError(missing);
    return splitScript(QString::fromUtf8(f.readAll()));
}

bool DatabaseCreator::tableExists(Connection *connection, const QString &table)
{
    const QVariantList row = firstRow(connection,
        QStringLiteral("select count(*) from RDB$RELATIONS where RDB$RELATION_NAME = :name"),
        {{QStringLiteral("name"), table}});
    return !row.isEmpty() && row.first().toInt() > 0;
}

void DatabaseCreator::runAsWritten(Connection *connection, const QStringList &statements)
{
    connection->ensureConnected();
    QSqlQuery q(connection->database());
    for (const QString &statement : statements)
        if (!q.exec(statement))
            throw connection->errorFrom(q.lastError());
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

static void appendDpb(QByteArray &dpb, char tag, const QByteArray &value)
{
    dpb.append(tag);
    dpb.append(char(value.size()));
    dpb.append(value);
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

void DatabaseCreator::create(const QString &path, bool withDefaultUser, bool forcedWrites)
{
    Connection::prepareEmbeddedEngine();
    // "host:path" is made by that server, as its own user, in its own folders.
    const bool local = Connection::isLocalPath(path);
    const QFileInfo fi(path);
    if (local && fi.exists())
        throw DataError(QStringLiteral("O arquivo já existe e não será sobrescrito:\n%1").arg(path));
    if (local && !fi.absoluteDir().exists() && !QDir().mkpath(fi.absolutePath()))
        throw DataError(QStringLiteral("Não foi possível criar a pasta:\n%1").arg(fi.absolutePath()));

    const QString absolute = local ? fi.absoluteFilePath() : path;
    const QByteArray file = absolute.toLocal8Bit();
    QByteArray dpb;
    dpb.append(char(isc_dpb_version1));
    appendDpb(dpb, isc_dpb_user_name, QByteArray(Connection::User));
    appendDpb(dpb, isc_dpb_password, QByteArray(Connection::Password));
    appendDpb(dpb, isc_dpb_set_db_charset, QByteArray("UTF8"));
    dpb.append(char(isc_dpb_page_size));
    dpb.append(char(4));
    const quint32 pageSize = 8192;
    dpb.append(reinterpret_cast<const char *>(&pageSize), 4); // little-endian, as the engine expects
    dpb.append(char(isc_dpb_sql_dialect));
    dpb.append(char(1));
    dpb.append(char(3));
    dpb.append(char(isc_dpb_force_write));
    dpb.append(char(1));
    dpb.append(char(0));
    ISC_STATUS_ARRAY status = {};
    isc_db_handle db = 0;
    if (isc_create_database(status, 0, file.constData(), &db, short(dpb.size()), dpb.constData(), 0))
        throw DataError(QStringLiteral("Não foi possível criar o banco de dados:\n%1\n\n%2")
                            .arg(path, statusText(status)));
    isc_detach_database(status, &db);

    try {
        Connection conn(QStringLiteral("create-%1").arg(QUuid::createUuid().toString(QUuid::Id128)));
        conn.setDatabaseName(absolute);
        conn.open();
        QSqlQuery q(conn.database());
        QStringList statements = splitScript(schemaScript());
        for (SchemaUpgrade::Step step : {SchemaUpgrade::Stock, SchemaUpgrade::AddedTables, SchemaUpgrade::AlphanumericCnpj})
            statements += SchemaUpgrade::script(step);
        for (const QString &stmt : statements) {
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
        if (forcedWrites)
            setForcedWrites(absolute, true);
    } catch (...) {
        if (local)
            QFile::remove(absolute);
        throw;
    }
}

void DatabaseCreator::setForcedWrites(const QString &path, bool on)
{
    Connection::prepareEmbeddedEngine();
    const QByteArray file = (Connection::isLocalPath(path) ? QFileInfo(path).absoluteFilePath() : path).toLocal8Bit();
    QByteArray dpb;
    dpb.append(char(isc_dpb_version1));
    appendDpb(dpb, isc_dpb_user_name, QByteArray(Connection::User));
    appendDpb(dpb, isc_dpb_password, QByteArray(Connection::Password));
    dpb.append(char(isc_dpb_force_write));
    dpb.append(char(1));
    dpb.append(char(on ? 1 : 0));
    ISC_STATUS_ARRAY status = {};
    isc_db_handle db = 0;
    if (isc_attach_database(status, 0, file.constData(), &db, short(dpb.size()), dpb.constData()))
        throw DataError(statusText(status));
    isc_detach_database(status, &db);
}

} // namespace data
