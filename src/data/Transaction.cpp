#include "Transaction.h"

#include "Connection.h"
#include "DataError.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>

namespace data {

namespace {

struct OpenWork
{
    int depth = 0;
    bool undone = false; // an inner one left without commit
};

// Everything runs on the GUI thread; one entry per connection with open work.
QHash<const Connection *, OpenWork> &openWork()
{
    static QHash<const Connection *, OpenWork> work;
    return work;
}

QString driverError(const QSqlDatabase &db)
{
    const QSqlError e = db.driver() ? db.driver()->lastError() : db.lastError();
    return e.text();
}

} // namespace

Transaction::Transaction(Connection *connection) : m_connection(connection)
{
    OpenWork &work = openWork()[connection];
    if (work.depth == 0) {
        try {
            connection->ensureConnected();
        } catch (...) {
            openWork().remove(connection);
            throw;
        }
        QSqlDatabase db = connection->database();
        // The driver hands its own transaction to every statement started
        // while it is open, instead of one that commits per statement.
        if (!db.transaction()) {
            const QSqlError error = db.driver() ? db.driver()->lastError() : db.lastError();
            openWork().remove(connection);
            if (error.text().trimmed().isEmpty())
                throw DataError(QStringLiteral("Não foi possível iniciar a transação."));
            throw connection->errorFrom(error); // a lost link is closed, to be made again
        }
        m_outermost = true;
        work.undone = false;
    }
    ++work.depth;
}

Transaction::~Transaction()
{
    if (m_finished)
        return;
    try {
        rollback();
    } catch (...) {
        // A lost connection has undone the work already.
    }
}

bool Transaction::isOpenOn(const Connection *connection)
{
    return openWork().value(connection).depth > 0;
}

void Transaction::commit()
{
    if (m_finished)
        throw DataError(QStringLiteral("A transação já foi encerrada."));
    OpenWork &work = openWork()[m_connection];
    if (!m_outermost) {
        m_finished = true;
        --work.depth;
        return;
    }
    if (work.undone) {
        rollback();
        throw DataError(QStringLiteral("A operação foi desfeita; nada foi gravado."));
    }
    QSqlDatabase db = m_connection->database();
    if (!db.commit()) {
        // The work is still open in the database: undo it so the connection
        // is left clean, and report what the database said.
        const DataError error = m_connection->errorFrom(db.driver()->lastError());
        rollback();
        throw error;
    }
    m_finished = true;
    openWork().remove(m_connection);
}

void Transaction::rollback()
{
    if (m_finished)
        return;
    m_finished = true;
    OpenWork &work = openWork()[m_connection];
    if (!m_outermost) {
        --work.depth;
        if (!work.undone) {
            work.undone = true;
            // Undone now; what the outer work still runs goes into a fresh
            // transaction that its end undoes too, never committed alone.
            QSqlDatabase db = m_connection->database();
            db.rollback();
            db.transaction();
        }
        return;
    }
    openWork().remove(m_connection);
    QSqlDatabase db = m_connection->database();
    if (db.isOpen() && !db.rollback())
        throw DataError(driverError(db));
}

} // namespace data
