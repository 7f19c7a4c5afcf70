#include "SawnSale.h"

#include "core/SawnMeasure.h"
#include "data/Statement.h"
#include "data/Transaction.h"

namespace rules {

namespace {

MovementTables saleTables()
{
    return {QStringLiteral("SAIDA_MADEIRAS_DISCRIMINACAO"), QStringLiteral("NFNUMERO"), QStringLiteral("CODIGOFORNECEDOR"),
            QStringLiteral("VALTOTAL"), QStringLiteral("TOTALM3"), QStringLiteral("SAIDA_MADEIRAS"),
            QStringLiteral("CODIGOSAIDA")};
}

} // namespace

SawnSale::SawnSale(data::Connection *connection) : m_connection(connection), m_lines(connection, saleTables()) {}

bool SawnSale::numberTaken(const InvoiceKey &key, const InvoiceKey &ownLines) const
{
    return m_lines.numberTaken(key, ownLines);
}

bool SawnSale::numberHeldByOtherClient(const InvoiceKey &key) const
{
    return data::firstRow(m_connection,
                          QStringLiteral("select count(*) from SAIDA_MADEIRAS where NF_NUMERO = :nf "
                                         "and CODIGOFORNECEDOR is distinct from :cli"),
                          {{QStringLiteral("nf"), key.number}, {QStringLiteral("cli"), key.supplier}})
               .value(0)
               .toInt()
           > 0;
}

InvoiceTotals SawnSale::totals(const InvoiceKey &key) const
{
    return m_lines.totals(key);
}

InvoiceTotals SawnSale::totals(const InvoiceKey &key, const QVariant &species) const
{
    return m_lines.totals(key, QStringLiteral("CODIGOESSENCIA = :esp"), {{QStringLiteral("esp"), species}});
}

int SawnSale::moveLines(const InvoiceKey &from, const InvoiceKey &to, const SupplierCopy &client)
{
    return m_lines.moveLines(from, to, client);
}

int SawnSale::remove(const QVariant &headerKey)
{
    return m_lines.removeWithLines(headerKey).value_or(0);
}

bool SawnSale::postChecked(const QVariant &species, const QVariant &product, double volume,
                           const std::function<void()> &post, SawnBalance *seen)
{
    // The balance read and the line stored in one unit of work.
    data::Transaction work(m_connection);
    const SawnBalance balance = SawnBalance::of(m_connection, species, product);
    if (seen)
        *seen = balance;
    if (core::exceedsBalance(volume, balance.balance)) {
        work.rollback();
        return false;
    }
    post();
    work.commit();
    return true;
}

} // namespace rules
