#pragma once

#include <QString>

namespace data {

class Connection;

// One unit of work on the connection: begun on construction, kept by
// commit(), undone when it leaves scope without one. While it is open every
// statement on the connection joins it, whether a dataset's post or delete
// or a statement of its own; nothing is committed on the way.
//
// A Transaction made while another is open on the same connection joins the
// outer one: its commit() commits nothing, and leaving it without commit()
// undoes the whole outer work at once (the outer commit() then fails).
// Errors raise DataError with the database's text.
class Transaction
{
public:
    explicit Transaction(Connection *connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();
    void rollback();
    bool isOpen() const { return !m_finished; }

    // True while a transaction is open on the connection.
    static bool isOpenOn(const Connection *connection);

private:
    Connection *m_connection;
    bool m_outermost = false;
    bool m_finished = false;
};

} // namespace data
