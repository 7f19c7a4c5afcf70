#pragma once

#include "rules/LogInvoice.h"
#include "rules/SawnBalance.h"

#include <QVariant>

#include <functional>

namespace data { class Connection; }

namespace rules {

// A sale invoice of sawn wood is known by its number and its client's code
// (CODIGOFORNECEDOR holds the client in both the header, SAIDA_MADEIRAS,
// and every line, SAIDA_MADEIRAS_DISCRIMINACAO). InvoiceKey's `supplier`
// is the client here.
class SawnSale
{
public:
    explicit SawnSale(data::Connection *connection);

    // Taken for the client when a header holds the number, or lines hold it
    // without one; `ownLines` names the lines of the invoice being entered.
    bool numberTaken(const InvoiceKey &key, const InvoiceKey &ownLines = {}) const;
    // A header of another client holds the number: the header table keeps
    // each number once, so this invoice could never be saved.
    bool numberHeldByOtherClient(const InvoiceKey &key) const;

    InvoiceTotals totals(const InvoiceKey &key) const;
    // The lines of the invoice of one species.
    InvoiceTotals totals(const InvoiceKey &key, const QVariant &species) const;

    // Gives the lines of `from` the number and client of `to` (the header
    // was changed after lines were saved). Joins the caller's transaction.
    int moveLines(const InvoiceKey &from, const InvoiceKey &to, const SupplierCopy &client);

    // Deletes the header row `headerKey` (CODIGOSAIDA) and every line of its
    // number and client, all or nothing. Returns the lines deleted.
    int remove(const QVariant &headerKey);

    // Checks a line of `volume` against the balance of its species and
    // product and runs `post` in the same transaction when it fits. Returns
    // false, posting nothing, when it does not; `seen` receives the balance
    // the check used.
    bool postChecked(const QVariant &species, const QVariant &product, double volume,
                     const std::function<void()> &post, SawnBalance *seen = nullptr);

private:
    data::Connection *m_connection;
    MovementLines m_lines;
};

} // namespace rules
