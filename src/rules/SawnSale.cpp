#include "SawnSale.h"

#include "core/SawnMeasure.h"
#include "data/DataError.h"
#include "data/Statement.h"
#include "data/Transaction.h"

namespace rules {

namespace {

QVariantMap params(const InvoiceKey &key)
{
    return {{QStringLiteral("nf"), key.number}, {QStringLiteral("cli"), key.supplier}};
}

int count(data::Connection *c, const QString &sql, const QVariantMap &p)
{
    const QVariantList row = data::firstRow(c, sql, p);
    return row.isEmpty() ? 0 : row.first().toInt();
}

} // namespace

bool SawnSale::numberTaken(const InvoiceKey &key, const InvoiceKey &ownLines) const
{
    if (count(m_connection,
              QStringLiteral("select count(*) from SAIDA_MADEIRAS where NF_NUMERO = :nf and CODIGOFORNECEDOR = :cli"),
              params(key)) > 0)
        return true;
    if (ownLines.isValid() && ownLines == key)
        return false;
    return count(m_connection,
                 QStringLiteral("select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO "
                                "where NFNUMERO = :nf and CODIGOFORNECEDOR = :cli"),
                 params(key)) > 0;
}

bool SawnSale::numberHeldByOtherClient(const InvoiceKey &key) const
{
    return count(m_connection,
                 QStringLiteral("select count(*) from SAIDA_MADEIRAS where NF_NUMERO = :nf "
                                "and CODIGOFORNECEDOR is distinct from :cli"),
                 params(key)) > 0;
}

InvoiceTotals SawnSale::totals(const InvoiceKey &key) const
{
    const QVariantList row = data::firstRow(
        m_connection,
        QStringLiteral("select sum(VALTOTAL), sum(TOTALM3), count(*) from SAIDA_MADEIRAS_DISCRIMINACAO "
                       "where NFNUMERO = :nf and CODIGOFORNECEDOR = :cli"),
        params(key));
    InvoiceTotals t;
    if (row.size() == 3) {
        t.value = row[0].toDouble();
        t.volume = row[1].toDouble(); // a line without TOTALM3 adds nothing
        t.lines = row[2].toInt();
    }
    return t;
}

InvoiceTotals SawnSale::totals(const InvoiceKey &key, const QVariant &species) const
{
    QVariantMap p = params(key);
    p.insert(QStringLiteral("esp"), species);
    const QVariantList row = data::firstRow(
        m_connection,
        QStringLiteral("select sum(VALTOTAL), sum(TOTALM3), count(*) from SAIDA_MADEIRAS_DISCRIMINACAO "
                       "where NFNUMERO = :nf and CODIGOFORNECEDOR = :cli and CODIGOESSENCIA = :esp"),
        p);
    InvoiceTotals t;
    if (row.size() == 3) {
        t.value = row[0].toDouble();
        t.volume = row[1].toDouble();
        t.lines = row[2].toInt();
    }
    return t;
}

int SawnSale::moveLines(const InvoiceKey &from, const InvoiceKey &to, const SupplierCopy &client)
{
    if (from == to)
        return 0;
    QVariantMap p = params(from);
    p.insert(QStringLiteral("newnf"), to.number);
    p.insert(QStringLiteral("newcli"), to.supplier);
    p.insert(QStringLiteral("nome"), client.name);
    p.insert(QStringLiteral("cpf"), client.cpf.isNull() ? QVariant(0) : client.cpf);
    p.insert(QStringLiteral("ie"), client.inscricao);
    return data::execute(m_connection,
                         QStringLiteral("update SAIDA_MADEIRAS_DISCRIMINACAO set NFNUMERO = :newnf, "
                                        "CODIGOFORNECEDOR = :newcli, FORNECEDOR = :nome, CPF = :cpf, "
                                        "INSCRICAO = :ie where NFNUMERO = :nf and CODIGOFORNECEDOR = :cli"),
                         p);
}

int SawnSale::remove(const QVariant &headerKey)
{
    data::Transaction work(m_connection);
    const QVariantList header = data::firstRow(
        m_connection,
        QStringLiteral("select NF_NUMERO, CODIGOFORNECEDOR from SAIDA_MADEIRAS where CODIGOSAIDA = :id"),
        {{QStringLiteral("id"), headerKey}});
    if (header.isEmpty())
        throw data::DataError(QStringLiteral("A Nota Fiscal não foi encontrada; talvez já tenha sido excluída."));
    const int lines = data::execute(
        m_connection,
        QStringLiteral("delete from SAIDA_MADEIRAS_DISCRIMINACAO where NFNUMERO = :nf and CODIGOFORNECEDOR = :cli"),
        params({header[0], header[1]}));
    data::execute(m_connection, QStringLiteral("delete from SAIDA_MADEIRAS where CODIGOSAIDA = :id"),
                  {{QStringLiteral("id"), headerKey}});
    work.commit();
    return lines;
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
