#pragma once

#include <QString>
#include <QVariant>

namespace data { class Connection; }

namespace rules {

// A log intake invoice is known by its number and its supplier's code; its
// header (ENTRADA_TOROS) and its log lines (ENTRADA_TOROS_DISCRIMINACAO)
// carry both.
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

// The supplier's data each line keeps a copy of.
struct SupplierCopy
{
    QVariant code;
    QString name;
    QVariant cpf;
    QString inscricao;
};

struct InvoiceTotals
{
    double value = 0;  // sum of the lines' VALTOTAL, as stored
    double volume = 0; // sum of their QUANTIDADE
    int lines = 0;
};

// The two tables of an intake invoice: the header (NF_NUMERO,
// CODIGOFORNECEDOR) and its lines (NFNUMERO, CODIGOFORNECEDOR).
struct InvoiceTables
{
    QString header;
    QString lines;
};

// Logs: ENTRADA_TOROS and its lines, the default.
const InvoiceTables &logIntakeTables();
// Sawn wood bought in: ENTRADA_SERRADA and its lines. Its lines hold no
// logs, so nothing of them is ever sawn.
const InvoiceTables &sawnIntakeTables();

// The rules of intake invoices, asked of the database.
class LogInvoice
{
public:
    explicit LogInvoice(data::Connection *connection, const InvoiceTables &tables = logIntakeTables())
        : m_connection(connection), m_tables(tables)
    {
    }

    // A number is taken for a supplier when a header holds it, or when lines
    // hold it without a header: such lines must not silently become part of
    // a new invoice. `ownLines` names the lines of the header being entered
    // (posted before the header is), which do not count against it.
    bool numberTaken(const InvoiceKey &key, const InvoiceKey &ownLines = {}) const;
    int headerCount(const InvoiceKey &key) const;
    int lineCount(const InvoiceKey &key) const;

    InvoiceTotals totals(const InvoiceKey &key) const;

    // Logs of the invoice already sawn (SITUACAO 1): a production row points
    // at each, so the invoice is kept.
    int sawnLogs(const InvoiceKey &key) const;

    // Gives every line of `from` the number and supplier of `to`. Joins the
    // caller's transaction (the header is posted in the same one).
    int moveLines(const InvoiceKey &from, const InvoiceKey &to, const SupplierCopy &supplier);

    // Deletes the header row `headerKey` (CODIGOENTRADA) and every line of
    // its number and supplier, all or nothing. Returns false, deleting
    // nothing, when one of its logs has been sawn.
    bool remove(const QVariant &headerKey);

private:
    // %1 the header table, %2 the lines table.
    QString sql(QString text) const
    {
        return text.replace(QLatin1String("%1"), m_tables.header).replace(QLatin1String("%2"), m_tables.lines);
    }

    data::Connection *m_connection;
    InvoiceTables m_tables;
};

} // namespace rules
