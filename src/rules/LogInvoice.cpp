#include "LogInvoice.h"

#include "data/DataError.h"
#include "data/Statement.h"
#include "data/Transaction.h"

namespace rules {

namespace {

QVariantMap params(const InvoiceKey &key)
{
    return {{QStringLiteral("nf"), key.number}, {QStringLiteral("forn"), key.supplier}};
}

int count(data::Connection *c, const QString &sql, const QVariantMap &p)
{
    const QVariantList row = data::firstRow(c, sql, p);
    return row.isEmpty() ? 0 : row.first().toInt();
}

} // namespace

const InvoiceTables &logIntakeTables()
{
    static const InvoiceTables tables{QStringLiteral("ENTRADA_TOROS"),
                                      QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO")};
    return tables;
}

const InvoiceTables &sawnIntakeTables()
{
    static const InvoiceTables tables{QStringLiteral("ENTRADA_SERRADA"),
                                      QStringLiteral("ENTRADA_SERRADA_DISCRIMINACAO")};
    return tables;
}

int LogInvoice::headerCount(const InvoiceKey &key) const
{
    return count(m_connection,
                 sql(QStringLiteral("select count(*) from %1 where NF_NUMERO = :nf and CODIGOFORNECEDOR = :forn")),
                 params(key));
}

int LogInvoice::lineCount(const InvoiceKey &key) const
{
    return count(m_connection,
                 sql(QStringLiteral("select count(*) from %2 "
                                "where NFNUMERO = :nf and CODIGOFORNECEDOR = :forn")),
                 params(key));
}

bool LogInvoice::numberTaken(const InvoiceKey &key, const InvoiceKey &ownLines) const
{
    if (headerCount(key) > 0)
        return true;
    if (ownLines.isValid() && ownLines == key)
        return false;
    return lineCount(key) > 0;
}

InvoiceTotals LogInvoice::totals(const InvoiceKey &key) const
{
    const QVariantList row = data::firstRow(
        m_connection,
        sql(QStringLiteral("select sum(VALTOTAL), sum(QUANTIDADE), count(*) from %2 "
                       "where NFNUMERO = :nf and CODIGOFORNECEDOR = :forn")),
        params(key));
    InvoiceTotals t;
    if (row.size() == 3) {
        t.value = row[0].toDouble();
        t.volume = row[1].toDouble();
        t.lines = row[2].toInt();
    }
    return t;
}

int LogInvoice::sawnLogs(const InvoiceKey &key) const
{
    return count(m_connection,
                 sql(QStringLiteral("select count(*) from %2 "
                                "where NFNUMERO = :nf and CODIGOFORNECEDOR = :forn and SITUACAO = 1")),
                 params(key));
}

int LogInvoice::moveLines(const InvoiceKey &from, const InvoiceKey &to, const SupplierCopy &supplier)
{
    if (from == to && supplier.code.toDouble() == to.supplier.toDouble())
        return 0;
    QVariantMap p = params(from);
    p.insert(QStringLiteral("newnf"), to.number);
    p.insert(QStringLiteral("newforn"), to.supplier);
    p.insert(QStringLiteral("nome"), supplier.name);
    p.insert(QStringLiteral("cpf"), supplier.cpf);
    p.insert(QStringLiteral("ie"), supplier.inscricao);
    return data::execute(m_connection,
                         sql(QStringLiteral("update %2 set NFNUMERO = :newnf, "
                                        "CODIGOFORNECEDOR = :newforn, FORNECEDOR = :nome, CPF = :cpf, "
                                        "INSCRICAO = :ie where NFNUMERO = :nf and CODIGOFORNECEDOR = :forn")),
                         p);
}

bool LogInvoice::remove(const QVariant &headerKey)
{
    data::Transaction work(m_connection);
    const QVariantList header = data::firstRow(
        m_connection,
        sql(QStringLiteral("select NF_NUMERO, CODIGOFORNECEDOR from %1 where CODIGOENTRADA = :id")),
        {{QStringLiteral("id"), headerKey}});
    if (header.isEmpty())
        throw data::DataError(QStringLiteral("A Nota Fiscal não foi encontrada; talvez já tenha sido excluída."));
    const InvoiceKey key{header[0], header[1]};
    if (sawnLogs(key) > 0)
        return false;
    data::execute(m_connection,
                  sql(QStringLiteral("delete from %2 where NFNUMERO = :nf and CODIGOFORNECEDOR = :forn")),
                  params(key));
    data::execute(m_connection, sql(QStringLiteral("delete from %1 where CODIGOENTRADA = :id")),
                  {{QStringLiteral("id"), headerKey}});
    work.commit();
    return true;
}

} // namespace rules
