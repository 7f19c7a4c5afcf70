#pragma once

#include "rules/MovementLines.h"

#include <QString>
#include <QVariant>

namespace data { class Connection; }

namespace rules {

// The two tables of an intake invoice: the header (NF_NUMERO,
// CODIGOFORNECEDOR, CODIGOENTRADA) and its lines (NFNUMERO,
// CODIGOFORNECEDOR, VALTOTAL, QUANTIDADE).
using InvoiceTables = MovementTables;

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
        : m_lines(connection, tables)
    {
    }

    // A number is taken for a supplier when a header holds it, or when lines
    // hold it without a header. `ownLines` names the lines of the header
    // being entered (posted before the header is).
    bool numberTaken(const InvoiceKey &key, const InvoiceKey &ownLines = {}) const
    {
        return m_lines.numberTaken(key, ownLines);
    }
    int headerCount(const InvoiceKey &key) const { return m_lines.headerCount(key); }
    int lineCount(const InvoiceKey &key) const { return m_lines.lineCount(key); }

    InvoiceTotals totals(const InvoiceKey &key) const { return m_lines.totals(key); }

    // Logs of the invoice already sawn (SITUACAO 1): a production row points
    // at each, so the invoice is kept.
    int sawnLogs(const InvoiceKey &key) const;

    // Gives every line of `from` the number and supplier of `to`. Joins the
    // caller's transaction (the header is posted in the same one).
    int moveLines(const InvoiceKey &from, const InvoiceKey &to, const SupplierCopy &supplier)
    {
        return m_lines.moveLines(from, to, supplier);
    }

    // Deletes the header row `headerKey` (CODIGOENTRADA) and every line of
    // its number and supplier, all or nothing. Returns false, deleting
    // nothing, when one of its logs has been sawn.
    bool remove(const QVariant &headerKey);

private:
    MovementLines m_lines;
};

} // namespace rules
