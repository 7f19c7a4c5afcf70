#include "Connection.h"

#include "DataError.h"
#include "Transaction.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlResult>

#include <ibase.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

void Connection::prepareEmbeddedEngine()
{
    static const bool done = [] {
        if (qEnvironmentVariableIsSet("FIREBIRD_LOCK"))
            return true;
        const QFileInfo shared(QStringLiteral("/tmp/firebird"));
        if (!shared.exists() || (shared.isWritable() && shared.isExecutable()))
            return true;
        // The engine still locks each database file itself, so a folder of
        // our own never lets two programs open one file at once.
        const QByteArray own = QDir::temp().filePath(QStringLiteral("firebird-%1").arg(::getuid())).toLocal8Bit();
        ::mkdir(own.constData(), 0700);
        qputenv("FIREBIRD_LOCK", own);
        return true;
    }();
    Q_UNUSED(done)
}

Connection::Connection(const QString &connectionName, QObject *parent)
    : QObject(parent), m_connectionName(connectionName)
{
    prepareEmbeddedEngine();
    setObjectName(connectionName);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_connectionName);
    db.setUserName(QString::fromLatin1(User));
    db.setPassword(QString::fromLatin1(Password));
    db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8;ISC_DPB_SQL_DIALECT=3"));
}

Connection::~Connection()
{
    close();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        Q_UNUSED(db)
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

void Connection::setDatabaseName(const QString &name)
{
    m_databaseName = name;
}

bool Connection::isLocalPath(const QString &name)
{
    // "C:\..." style drive letters never reach here on this platform; a colon
    // after a host name (or "host/port:") means a server.
    const int colon = name.indexOf(QLatin1Char(':'));
    return colon < 0;
}

void Connection::open()
{
    if (isConnected())
        return;
    if (m_databaseName.trimmed().isEmpty())
        throw DataError(tr("Nenhum banco de dados configurado. Informe o banco de dados em "
                           "Ferramentas › Configuração do Banco de Dados."));
    if (isLocalPath(m_databaseName)) {
        const QFileInfo fi(m_databaseName);
        if (!fi.exists())
            throw DataError(tr("O arquivo do banco de dados não existe:\n%1").arg(m_databaseName));
        if (!fi.isFile() || !fi.isReadable())
            throw DataError(tr("O arquivo do banco de dados não pode ser lido:\n%1").arg(m_databaseName));
    }
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    db.setDatabaseName(m_databaseName);
    if (!db.open()) {
        const QString detail = db.lastError().text();
        QString reason;
        if (detail.contains(QLatin1String("not a valid database"), Qt::CaseInsensitive)
            || detail.contains(QLatin1String("unsupported on-disk structure"), Qt::CaseInsensitive))
            reason = tr("O arquivo não é um banco de dados válido:\n%1").arg(m_databaseName);
        else if (!isLocalPath(m_databaseName))
            throw DataError(tr("Não foi possível conectar ao servidor do banco de dados:\n%1").arg(m_databaseName)
                                + QStringLiteral("\n\n") + detail,
                            DataError::Kind::ConnectionLost);
        else
            reason = tr("Não foi possível abrir o banco de dados:\n%1").arg(m_databaseName);
        throw DataError(reason + QStringLiteral("\n\n") + detail);
    }
    emit connectedChanged(true);
}

void Connection::close()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (db.isOpen()) {
        db.close();
        emit connectedChanged(false);
    }
}

bool Connection::isConnected() const
{
    return QSqlDatabase::database(m_connectionName, false).isOpen();
}

void Connection::ensureConnected()
{
    if (isConnected())
        return;
    // Work begun on a link that was lost is gone with it; connecting again
    // in its middle would commit the rest of it on its own.
    if (Transaction::isOpenOn(this))
        throw DataError(tr("A conexão com o banco de dados foi perdida durante a operação; nada foi gravado."),
                        DataError::Kind::ConnectionLost);
    open();
}

DataError Connection::errorFrom(const QSqlError &error)
{
    const QString text = error.text();
    bool numeric = false;
    const int sqlcode = error.nativeErrorCode().toInt(&numeric);
    const DataError::Kind kind = numeric ? DataError::kindOfSqlCode(sqlcode) : DataError::Kind::Other;
    if (kind == DataError::Kind::ChangedElsewhere)
        return DataError::changedElsewhere(DataError::Refused::Change, text);
    if (kind != DataError::Kind::Other)
        return DataError(text, kind);
    // A broken link comes as SQLCODE -902, which also covers errors of a
    // live attachment; only a ping tells them apart.
    if (isConnected() && !answers()) {
        // The driver keeps its transaction handle across a reconnection; the
        // client takes a rollback on a dead link as done and frees it.
        database().rollback();
        close();
        return DataError(tr("A conexão com o banco de dados foi perdida: o servidor não responde.\n%1\n"
                            "Ela será refeita no próximo acesso.")
                                 .arg(m_databaseName)
                             + QStringLiteral("\n\n") + text,
                         DataError::Kind::ConnectionLost);
    }
    return DataError(text);
}

bool Connection::answers() const
{
    const QVariant handle = database().driver()->handle();
    if (!handle.isValid() || handle.metaType().sizeOf() != int(sizeof(isc_db_handle)))
        return true; // not this engine's driver: nothing to ask
    isc_db_handle db = *static_cast<const isc_db_handle *>(handle.constData());
    ISC_STATUS_ARRAY status;
    return fb_ping(status, &db) == 0;
}

void Connection::refreshIndexStatistics()
{
    ensureConnected();
    QStringList indexes;
    {
        QSqlQuery q(database());
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES "
                                   "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0")))
            throw errorFrom(q.lastError());
        while (q.next())
            indexes << q.value(0).toString();
    }
    QSqlQuery q(database());
    for (const QString &index : indexes)
        if (!q.exec(QStringLiteral("SET STATISTICS INDEX \"%1\"").arg(index)))
            throw errorFrom(q.lastError());
}

QString Connection::planOf(const QString &sql)
{
    ensureConnected();
    QSqlQuery q(database());
    if (!q.prepare(sql))
        throw errorFrom(q.lastError());
    // The driver hands out its statement handle as the result's handle().
    const QVariant h = q.result()->handle();
    if (!h.isValid() || !h.data() || h.metaType().sizeOf() != qsizetype(sizeof(isc_stmt_handle)))
        return {};
    isc_stmt_handle handle = *static_cast<const isc_stmt_handle *>(h.data());
    char item = isc_info_sql_get_plan;
    QByteArray buffer(16384, '\0');
    ISC_STATUS_ARRAY status = {};
    if (isc_dsql_sql_info(status, &handle, 1, &item, short(buffer.size()), buffer.data())
        || buffer[0] != isc_info_sql_get_plan)
        return {};
    const int length = isc_vax_integer(buffer.constData() + 1, 2);
    return QString::fromLatin1(buffer.constData() + 3, length).trimmed();
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

} // namespace data
