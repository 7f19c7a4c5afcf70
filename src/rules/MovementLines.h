#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace data { class Connection; }

namespace rules {

// An invoice is known by its number and its party's code (the supplier of
// an intake, the client of a sale); its header and its lines carry both.
struct InvoiceKey
{
    QVariant number;
    QVariant supplier;

    bool isValid() const { return !number.isNull() && number.toDouble() != 0 && !supplier.isNull(); }
    bool operator==(const InvoiceKey &o) const
    {
        return isValid() == o.isValid() && number.toDouble() == o.number.toDouble()
               && supplier.toDouble() == o.supplier.toDouble();
    }
    bool operator!=(const InvoiceKey &o) const { return !(*this == o); }
};

// The party's data each line keeps a copy of.
struct SupplierCopy
{
    QVariant code;
    QString name;
    QVariant cpf;
    QString inscricao;
};

struct InvoiceTotals
{
    double value = 0;  // sum of the lines' value column, as stored
    double volume = 0; // sum of their volume column
    int lines = 0;
};

// Where a movement keeps its lines (and its header, when it has one): the
// tables and the columns that hold the number, the party and the amounts.
struct MovementTables
{
    QString lines;
    QString number = QStringLiteral("NFNUMERO");
    QString party = QStringLiteral("CODIGOFORNECEDOR");
    QString value = QStringLiteral("VALTOTAL");
    QString volume = QStringLiteral("QUANTIDADE");
    QString header = {}; // none: the lines are the whole movement
    QString headerId = {};
    QString headerNumber = QStringLiteral("NF_NUMERO");
    QString headerParty = QStringLiteral("CODIGOFORNECEDOR");
};

// What every movement asks of the database about the lines of one number
// and party, written once for the tables it is given.
class MovementLines
{
public:
    MovementLines(data::Connection *connection, MovementTables tables)
        : m_connection(connection), m_tables(std::move(tables))
    {
    }

    int headerCount(const InvoiceKey &key) const;
    // `where` narrows the lines further, with its parameters in `more`.
    int lineCount(const InvoiceKey &key, const QString &where = {}, const QVariantMap &more = {}) const;
    InvoiceTotals totals(const InvoiceKey &key, const QString &where = {}, const QVariantMap &more = {}) const;

    // Taken when a header holds the number, or lines hold it without one:
    // such lines must not silently become part of a new movement. The lines
    // of the header being entered (`ownLines`) do not count against it.
    bool numberTaken(const InvoiceKey &key, const InvoiceKey &ownLines) const;

    // Gives every line of `from` the number and party of `to`, with the
    // party's copies; a party without a tax number gives 0, which the lines
    // must hold. Joins the caller's transaction.
    int moveLines(const InvoiceKey &from, const InvoiceKey &to, const SupplierCopy &party);

    // Deletes the lines of one number and party, all or nothing.
    int removeLines(const InvoiceKey &key);
    // Deletes the header row `id` and every line of its number and party,
    // all or nothing. `keep`, asked first with the header's key, may keep
    // both (nothing is returned). Returns the lines deleted.
    std::optional<int> removeWithLines(const QVariant &id,
                                       const std::function<bool(const InvoiceKey &)> &keep = {});

    // Whether the lines' table holds no movement at all.
    bool noneAtAll() const;

    data::Connection *connection() const { return m_connection; }

private:
    QString linesOf(const QString &select, const QString &where) const;

    data::Connection *m_connection;
    MovementTables m_tables;
};

} // namespace rules
